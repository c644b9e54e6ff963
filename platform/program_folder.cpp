#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "platform/xdg_folders.h"

namespace platform {
namespace {
// The file whose presence beside the executable makes a run portable.
constexpr char PortableMarker[] = "learn.dll";
// The program's folder under share/ and under the XDG data folders.
constexpr char DataFolderName[] = "orvanel";

QString& overrideFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString ProgramFolder()
{
    return overrideFolder().isEmpty() ? QCoreApplication::applicationDirPath() : overrideFolder();
}

QString ProgramFile(const QString& fileName) { return QDir(ProgramFolder()).filePath(fileName); }

QString ExecutableName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("orvanel") : name;
}

void setProgramFolder(const QString& folder) { overrideFolder() = folder; }

bool IsPortableRun() { return QFileInfo::exists(ProgramFile(QLatin1String(PortableMarker))); }

QString ProgramDataFile(const QString& fileName)
{
    if (IsPortableRun())
        return ProgramFile(fileName);
    const QString name = QLatin1String(DataFolderName) + QLatin1Char('/') + fileName;
    // The install's own share/ folder comes first, so a copy elsewhere cannot shadow it.
    const QString installed = QDir::cleanPath(ProgramFile(QStringLiteral("../share/")) + QLatin1Char('/') + name);
    QStringList places{installed, QDir(XdgDataHome()).filePath(name)};
    for (const QString& folder : XdgDataDirs())
        places << QDir(folder).filePath(name);
    for (const QString& place : places)
        if (QFileInfo::exists(place))
            return place;
    return installed;
}

QString UserDataFolder()
{
    if (IsPortableRun())
        return ProgramFolder();
    const QString folder = QDir(XdgDataHome()).filePath(QLatin1String(DataFolderName));
    // A folder the program makes is the user's alone, as the XDG rules ask.
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

QString UserDataFile(const QString& fileName) { return QDir(UserDataFolder()).filePath(fileName); }

} // namespace platform
