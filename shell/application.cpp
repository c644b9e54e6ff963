#include "shell/application.h"

#include <QApplication>
#include <QIcon>

#include "shell/contrast_style.h"
#include "shell/shell_resources.h"

void SetUpApplication()
{
    InitShellResources();
    QApplication::setApplicationName(QStringLiteral("Orvanel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/shell/icon")));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.orvanel.orvanel"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallContrastStyle();
}
