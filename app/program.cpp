#include "program.h"

#include <QApplication>

#include "courses/astrology/astrology_course.h"
#include "courses/numerology/numerology_course.h"
#include "courses/runes/runes_course.h"
#include "courses/tarot/tarot_course.h"
#include "platform/command_line.h"
#include "platform/event_loops.h"
#include "platform/font_preload.h"
#include "platform/forms.h"
#include "platform/process.h"
#include "shell/application.h"
#include "shell/frmStartup.h"
#include "shell/main_window.h"

int RunOrvanel(int& argc, char** argv, const std::function<void()>& beforeStart)
{
    // The font configuration loads while the application object connects to the display,
    // then the main window's fonts while the start-up checks run.
    platform::FontPreload fonts;
    QApplication app(argc, argv);
    SetUpApplication();
    fonts.preload(frmMDI::Fonts());

    RegisterAstrologyCourse();
    RegisterNumerologyCourse();
    RegisterRunesCourse();
    RegisterTarotCourse();
    if (beforeStart)
        beforeStart();
    platform::setCommandLine(QCoreApplication::arguments());

    platform::Forms::instance<frmStartup>();
    const int code = platform::ProcessEnding() ? 0 : platform::RunMainLoop();
    // The font database lets its configuration go with the application object.
    fonts.wait();
    return code;
}
