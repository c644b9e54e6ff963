#include "platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <memory>

#include "platform/program_folder.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

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

// The user's key in the shared lock's name: the user id where there is one. On Windows the
// temporary folder is the user's own already.
QString userKey()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    const QString name = qEnvironmentVariable("USERNAME");
    return name.isEmpty() ? QDir::home().dirName() : name;
#endif
}

bool ownedByThisUser(const QString& path)
{
#ifdef Q_OS_UNIX
    return QFileInfo(path).ownerId() == ::getuid();
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool processRunning(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#else
    Q_UNUSED(pid);
    return true;
#endif
}

// A lock that could not be taken belongs to a running copy of this user when the file is
// this user's and names a live process on this machine.
bool heldByRunningCopy(const QLockFile& lock, const QString& path)
{
    qint64 pid = 0;
    QString host;
    QString app;
    if (!QFileInfo(path).isFile() || !ownedByThisUser(path) || !lock.getLockInfo(&pid, &host, &app))
        return false;
    return (host.isEmpty() || host == QSysInfo::machineHostName()) && processRunning(pid);
}

enum class Outcome { Taken, RunningCopy, Unusable };

Outcome tryTake(const QString& path)
{
    if (path.isEmpty())
        return Outcome::Unusable;
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // a lock left by a crashed copy is taken over
    if (lock->tryLock(0)) {
        heldLock() = std::move(lock);
        return Outcome::Taken;
    }
    if (lock->error() == QLockFile::LockFailedError && heldByRunningCopy(*lock, path))
        return Outcome::RunningCopy;
    return Outcome::Unusable;
}
} // namespace

QString InstanceLockPath()
{
    if (!lockPathOverride().isEmpty())
        return lockPathOverride();
    return QDir(QDir::tempPath()).filePath(ExecutableName() + QLatin1Char('-') + userKey() + QStringLiteral(".lock"));
}

QString OwnInstanceLockPath()
{
    if (!lockPathOverride().isEmpty())
        return lockPathOverride() + QStringLiteral(".own");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(ExecutableName() + QStringLiteral(".lock"));
}

bool PrevInstance()
{
    if (heldLock())
        return false;
    // A copy that runs on the user's own lock (the shared one was unusable when it started)
    // is found there too, whichever lock this start can take.
    switch (tryTake(InstanceLockPath())) {
    case Outcome::RunningCopy:
        return true;
    case Outcome::Taken: {
        // Only an existing file can be a copy's lock; probing a missing one would create,
        // sync and delete a file at every start.
        const QString own = OwnInstanceLockPath();
        if (own.isEmpty() || !QFileInfo::exists(own))
            return false;
        QLockFile probe(own);
        probe.setStaleLockTime(0);
        if (!probe.tryLock(0) && probe.error() == QLockFile::LockFailedError && heldByRunningCopy(probe, own)) {
            heldLock().reset();
            return true;
        }
        return false;
    }
    case Outcome::Unusable:
        break;
    }
    // Never refuse for good: when the user's own folder has no usable lock either, the
    // program starts without one.
    return tryTake(OwnInstanceLockPath()) == Outcome::RunningCopy;
}

QString HeldInstanceLock() { return heldLock() ? heldLock()->fileName() : QString(); }

void setInstanceLockPath(const QString& path) { lockPathOverride() = path; }

void releaseInstanceLock() { heldLock().reset(); }

} // namespace platform
