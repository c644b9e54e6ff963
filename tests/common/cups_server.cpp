#include "cups_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {
const QStringList AdminFolders = {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"),
                                  QStringLiteral("/sbin"), QStringLiteral("/usr/bin")};

QString findProgram(const QString& name)
{
    const QString inPath = QStandardPaths::findExecutable(name);
    return inPath.isEmpty() ? QStandardPaths::findExecutable(name, AdminFolders) : inPath;
}

bool writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toLocal8Bit()) == text.toLocal8Bit().size();
}
} // namespace

CupsServer::CupsServer() = default;

CupsServer::~CupsServer()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(2000);
        }
    }
}

QString CupsServer::socketPath() const { return m_dir.filePath(QStringLiteral("cups.sock")); }

bool CupsServer::start(QString* why)
{
    const QString daemon = findProgram(QStringLiteral("cupsd"));
    for (const char* needed : {"lpadmin", "cupsreject", "cupsdisable", "lpstat"})
        if (findProgram(QLatin1String(needed)).isEmpty()) {
            *why = QStringLiteral("no %1 here").arg(QLatin1String(needed));
            return false;
        }
    if (daemon.isEmpty()) {
        *why = QStringLiteral("no cupsd here");
        return false;
    }
    if (!m_dir.isValid()) {
        *why = QStringLiteral("no temporary folder");
        return false;
    }
    const QDir root(m_dir.path());
    for (const char* sub : {"spool", "cache", "state", "temp", "log"})
        root.mkpath(QLatin1String(sub));
    // Not run as root: the scheduler keeps the user's own id and group.
    QString owner;
    if (::getuid() != 0) {
        const passwd* user = ::getpwuid(::getuid());
        const group* grp = ::getgrgid(::getgid());
        if (user && grp)
            owner = QStringLiteral("User %1\nGroup %2\n").arg(QString::fromLocal8Bit(user->pw_name),
                                                             QString::fromLocal8Bit(grp->gr_name));
    }
    const QString files = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                         "TempDir %1/temp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                         "PageLog %1/log/page_log\nFileDevice Yes\n")
                              .arg(m_dir.path())
        + owner;
    const QString config = QStringLiteral("Listen %1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                          "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
                               .arg(socketPath());
    if (!writeFile(root.filePath(QStringLiteral("cups-files.conf")), files)
        || !writeFile(root.filePath(QStringLiteral("cupsd.conf")), config)) {
        *why = QStringLiteral("cannot write the scheduler's configuration");
        return false;
    }
    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    m_daemon.start(daemon, {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath(QStringLiteral("cupsd.conf")),
                            QStringLiteral("-s"), root.filePath(QStringLiteral("cups-files.conf"))});
    if (!m_daemon.waitForStarted(5000)) {
        *why = QStringLiteral("cupsd did not start: ") + m_daemon.errorString();
        return false;
    }
    // Ready once it answers on its socket.
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        QString status;
        if (QFileInfo::exists(socketPath()) && command(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &status)
            && status.contains(QLatin1String("is running")))
            return true;
        if (m_daemon.state() == QProcess::NotRunning)
            break;
        QThread::msleep(20);
    }
    QFile log(root.filePath(QStringLiteral("log/error_log")));
    log.open(QIODevice::ReadOnly);
    *why = QStringLiteral("cupsd did not answer: ") + QString::fromLocal8Bit(m_daemon.readAll() + log.readAll()).trimmed();
    return false;
}

bool CupsServer::command(const QString& program, const QStringList& arguments, QString* output)
{
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(findProgram(program), QStringList{QStringLiteral("-h"), socketPath()} + arguments);
    const bool finished = run.waitForFinished(10000);
    if (output)
        *output = QString::fromLocal8Bit(run.readAll());
    return finished && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}

bool CupsServer::addQueue(const QString& name)
{
    return command(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                                               QStringLiteral("file:///dev/null")});
}
