#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {
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

QString ExecutableFileName()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return name.isEmpty() ? ExecutableName() : name;
}

QString ExecutablePath() { return ProgramFile(ExecutableFileName()); }

void setProgramFolder(const QString& folder) { overrideFolder() = folder; }

} // namespace platform
