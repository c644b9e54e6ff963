#include "platform/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <memory>

#include "platform/program_folder.h"

namespace platform {
namespace {
QString& lockPathOverride()
{
    static QString path;
    return path;
}

std::unique_ptr<QLockFile>& heldLock()
{
    static std::unique_ptr<QLockFile> lock;
    return lock;
}

QString lockPath()
{
    if (!lockPathOverride().isEmpty())
        return lockPathOverride();
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return QDir(QDir::tempPath()).filePath(ExecutableName() + QLatin1Char('-') + user + QStringLiteral(".lock"));
}
} // namespace

bool PrevInstance()
{
    if (heldLock())
        return false;
    auto lock = std::make_unique<QLockFile>(lockPath());
    lock->setStaleLockTime(0); // a lock left by a crashed copy is taken over
    if (!lock->tryLock(0))
        return lock->error() == QLockFile::LockFailedError;
    heldLock() = std::move(lock);
    return false;
}

void setInstanceLockPath(const QString& path) { lockPathOverride() = path; }

void releaseInstanceLock() { heldLock().reset(); }

} // namespace platform
