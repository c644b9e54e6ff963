#include "shell/shell_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE has to stand outside any namespace.
void InitShellResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(shell);
        return true;
    }();
    Q_UNUSED(done);
}

QPixmap ShellPicture(const QString& name)
{
    InitShellResources();
    return QPixmap(QStringLiteral(":/shell/") + name, "PNG");
}
