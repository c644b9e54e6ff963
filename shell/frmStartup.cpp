#include "shell/frmStartup.h"

#include "platform/message_box.h"
#include "platform/single_instance.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/shell_resources.h"
#include "shell/shutdown.h"
#include "shell/update_reminder.h"

frmStartup::frmStartup() : platform::Form(this, QString::fromLatin1(FormName)) { setObjectName(QLatin1String(FormName)); }

void frmStartup::Form_Load() { StartApplication(); }

void frmStartup::StartApplication()
{
    if (platform::PrevInstance()) {
        SetApplicationIcon();
        platform::MsgBox(QStringLiteral("Application is already running"), platform::vbInformation);
        modHelp::ShutdownApplication();
        return;
    }
    // The reminder's question comes before the main window; when it has none, its silent
    // first stamp (a settings file written and synced) waits until the window is painted.
    const bool asks = modHelp::UpdateReminderAsks();
    if (asks) {
        SetApplicationIcon();
        modHelp::ShowUpdateReminder();
    }
    // Decoding the main window's pictures overlaps with building it. (Started any earlier,
    // the worker slows the lock and settings files down more than it saves.)
    PreloadShellPictures(frmMDI::PictureNames());
    frmMDI* main = platform::Forms::instance<frmMDI>();
    main->showMaximized();
    AfterFirstPaint(main, [asks] {
        SetApplicationIcon();
        if (!asks)
            modHelp::ShowUpdateReminder();
        ReleaseStartUpMemory();
    });
    hide();
}
