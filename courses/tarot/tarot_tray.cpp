// The tarot window in the notification area: in a run started at logon with the tray box
// ticked, the window hides itself and shows its icon; "Show" or a double-click on the icon
// brings it back.
#include <QAction>
#include <QMenu>

#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/tarot_settings_page.h"
#include "courses/tarot/tarot_startup_frame.h"
#include "platform/command_line.h"
#include "platform/tray_icon.h"

void frmLearnTarotMain::StartInTrayIfAsked()
{
    if (picSettings->startUpFrame()->startInTray() && platform::HasStartupSwitch())
        AddTrayIcon();
}

void frmLearnTarotMain::AddTrayIcon()
{
    // Without a tray there would be no way back to a hidden window: it stays shown.
    if (!platform::SystemTrayAvailable())
        return;
    if (!trayIcon) {
        trayIcon = platform::CreateTrayIcon();
        connect(trayIcon.get(), &platform::TrayIcon::doubleClicked, this, &frmLearnTarotMain::mnuShow_Click);
        connect(trayIcon.get(), &platform::TrayIcon::menuRequested, this,
                [this] { trayIcon->popUpMenu(mnuPopUp, mnuShow); });
    }
    trayIcon->add(windowIcon(), QStringLiteral("Recent"));
    inTray = true;
    frame()->showMinimized();
    frame()->hide();
}

void frmLearnTarotMain::RemoveTrayIcon()
{
    if (trayIcon)
        trayIcon->remove();
}

void frmLearnTarotMain::mnuShow_Click()
{
    inTray = false;
    frame()->show();
    frame()->showNormal();
    show();
    frame()->activateWindow();
    RemoveTrayIcon();
}
