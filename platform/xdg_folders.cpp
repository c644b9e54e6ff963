#include "platform/xdg_folders.h"

#include <QDir>

namespace platform {
namespace {

QString homeFolder(const char* variable, const char* belowHome)
{
    const QString folder = qEnvironmentVariable(variable);
    // Only an absolute path counts; otherwise the default applies.
    return QDir::isAbsolutePath(folder) ? folder : QDir::home().filePath(QLatin1String(belowHome));
}

} // namespace

QString XdgConfigHome() { return homeFolder("XDG_CONFIG_HOME", ".config"); }

QString XdgDataHome() { return homeFolder("XDG_DATA_HOME", ".local/share"); }

QStringList XdgDataDirs()
{
    QStringList folders;
    for (const QString& folder : qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    return folders.isEmpty() ? QStringList{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")} : folders;
}

} // namespace platform
