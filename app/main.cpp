// Orvanel: the program starts in its invisible start-up window, whose load step shows the
// main window (or refuses a second copy).
#include <QApplication>

#include "bench_probe.h"
#include "courses/astrology/astrology_course.h"
#include "courses/numerology/numerology_course.h"
#include "courses/runes/runes_course.h"
#include "courses/tarot/tarot_course.h"
#include "platform/command_line.h"
#include "platform/event_loops.h"
#include "platform/forms.h"
#include "platform/process.h"
#include "shell/application.h"
#include "shell/frmStartup.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpApplication();

    RegisterAstrologyCourse();
    RegisterNumerologyCourse();
    RegisterRunesCourse();
    RegisterTarotCourse();
    InstallBenchProbe();
    // The tarot window asks whether the program was started at logon (" /STARTUP").
    platform::setCommandLine(QCoreApplication::arguments());

    platform::Forms::instance<frmStartup>();
    if (platform::ProcessEnding())
        return 0;
    return platform::RunMainLoop();
}
