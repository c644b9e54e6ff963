// The one-copy lock: keyed on the user id, refusing only a running copy of the same user, and
// never blocked for good by a lock file it cannot take over.
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTest>
#include <functional>

#include "fixtures.h"
#include "platform/single_instance.h"
#include "test_registry.h"

#include <unistd.h>

namespace {

// Writes a lock file as a copy of the program would, naming the given process.
bool writeLockFile(const QString& path, qint64 pid)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n'
               + QSysInfo::machineHostName().toUtf8() + '\n');
    return true;
}

enum class Held { Shared, Own, None };

struct LockSetup {
    QString shared;
    QString own;
    std::vector<std::unique_ptr<QLockFile>> otherCopies;
};

// Sets the locks up; returns why the case cannot be set up here, or nothing.
using Arrange = std::function<QString(LockSetup&)>;

void require(bool done, const char* what)
{
    if (!done)
        qFatal("cannot set up the locks: %s", what);
}

} // namespace

Q_DECLARE_METATYPE(Arrange)
Q_DECLARE_METATYPE(Held)

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { platform::releaseInstanceLock(); }

    void defaultLockIsKeyedOnTheUserId()
    {
        platform::setInstanceLockPath(QString());
        const QByteArray user = qgetenv("USER");
        qputenv("USER", "somebody");
        const QString asSomebody = platform::InstanceLockPath();
        qputenv("USER", "someone-else");
        const QString asSomeoneElse = platform::InstanceLockPath();
        qputenv("USER", user);
        QCOMPARE(asSomebody, asSomeoneElse);
        QCOMPARE(QFileInfo(asSomebody).fileName(), QStringLiteral("%1-%2.lock")
                                                       .arg(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName())
                                                       .arg(::getuid()));
        QVERIFY(QFileInfo(asSomebody).absolutePath() == QFileInfo(QDir::tempPath()).absoluteFilePath());
        QVERIFY(platform::OwnInstanceLockPath() != asSomebody);
    }

    void startDecidesOnTheLocksFound_data()
    {
        QTest::addColumn<Arrange>("arrange");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<Held>("held");

        auto holdByOtherCopy = [](LockSetup& s, const QString& path) {
            auto other = std::make_unique<QLockFile>(path);
            require(other->tryLock(0), "another copy's lock");
            s.otherCopies.push_back(std::move(other));
            return QString();
        };
        auto folderInTheWay = [](const QString& path) {
            require(QDir().mkpath(path), "a folder in the lock's place");
            return QString();
        };
        QTest::newRow("no lock: taken") << Arrange([](LockSetup&) { return QString(); }) << false << Held::Shared;
        QTest::newRow("running copy holds the shared lock: refused")
            << Arrange([=](LockSetup& s) { return holdByOtherCopy(s, s.shared); }) << true << Held::None;
        QTest::newRow("running copy on the user's own lock: refused")
            << Arrange([=](LockSetup& s) { return holdByOtherCopy(s, s.own); }) << true << Held::None;
        QTest::newRow("crashed copy's lock: taken over") << Arrange([](LockSetup& s) {
            require(writeLockFile(s.shared, 0x7ffffff0), "a crashed copy's lock");
            return QString();
        }) << false << Held::Shared;
        QTest::newRow("crashed copy's lock that cannot be removed: own lock instead") << Arrange([](LockSetup& s) {
            require(writeLockFile(s.shared, 0x7ffffff0), "a crashed copy's lock");
            // A stale lock is removed only by whoever holds its .rmlock; a folder there keeps
            // every start from removing it (a read-only folder would too, but not for root).
            require(QDir().mkpath(s.shared + QStringLiteral(".rmlock")), "a folder in the removal lock's place");
            QLockFile probe(s.shared);
            probe.setStaleLockTime(0);
            if (probe.tryLock(0))
                return QStringLiteral("this Qt removes the stale lock anyway");
            return QString();
        }) << false << Held::Own;
        QTest::newRow("unreadable lock in the way: own lock instead")
            << Arrange([=](LockSetup& s) { return folderInTheWay(s.shared); }) << false << Held::Own;
        QTest::newRow("no lock usable anywhere: starts without one") << Arrange([=](LockSetup& s) {
            folderInTheWay(s.shared);
            return folderInTheWay(s.own);
        }) << false << Held::None;
        QTest::newRow("another user id's running copy: own lock instead") << Arrange([](LockSetup& s) {
            // A live process of this program named in a file of another user: only root can
            // make one here.
            require(writeLockFile(s.shared, QCoreApplication::applicationPid()), "another user's lock");
            if (::chown(QFile::encodeName(s.shared).constData(), 4242, 4242) != 0)
                return QStringLiteral("changing a file's owner needs root");
            return QString();
        }) << false << Held::Own;
    }

    void startDecidesOnTheLocksFound()
    {
        QFETCH(Arrange, arrange);
        QFETCH(bool, refused);
        QFETCH(Held, held);
        TestEnvironment env;
        LockSetup setup;
        setup.shared = QDir(env.programFolder()).filePath(QStringLiteral("copy.lock"));
        platform::setInstanceLockPath(setup.shared);
        setup.own = platform::OwnInstanceLockPath();
        if (const QString skip = arrange(setup); !skip.isEmpty())
            QSKIP(qPrintable(skip));

        QCOMPARE(platform::PrevInstance(), refused);
        const QString expected = held == Held::Shared ? setup.shared : held == Held::Own ? setup.own : QString();
        QCOMPARE(platform::HeldInstanceLock(), expected);
        // The holder itself is not another copy; asking again changes nothing.
        QCOMPARE(platform::PrevInstance(), refused && held == Held::None);
        QCOMPARE(platform::HeldInstanceLock(), expected);
    }

    // A second start while the first runs on the user's own lock is refused there.
    void secondStartFindsACopyOnTheOwnLock()
    {
        TestEnvironment env;
        const QString shared = QDir(env.programFolder()).filePath(QStringLiteral("copy.lock"));
        platform::setInstanceLockPath(shared);
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(!platform::PrevInstance());
        QCOMPARE(platform::HeldInstanceLock(), platform::OwnInstanceLockPath());
        // The other copy's view: the same lock file, held by a live process of this user.
        QLockFile second(platform::OwnInstanceLockPath());
        QVERIFY(!second.tryLock(0));
        QCOMPARE(second.error(), QLockFile::LockFailedError);
    }
};

ORVANEL_TEST(TestSingleInstance)
#include "test_single_instance.moc"
