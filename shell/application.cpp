#include "shell/application.h"

#include <QApplication>
#include <QIcon>

#include "shell/shell_resources.h"

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orvanel"));
    // Every window shows this icon unless it sets its own.
    QApplication::setWindowIcon(QIcon(ShellPicture(QStringLiteral("icon"))));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.orvanel.orvanel"));
    QApplication::setQuitOnLastWindowClosed(false);
}
