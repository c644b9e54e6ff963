#pragma once
// A CUPS scheduler of the test's own, on a local socket in a temporary folder, with queues
// that print to /dev/null. Needs cupsd and the CUPS admin commands; without them it does
// not start and says why.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class CupsServer {
public:
    CupsServer();
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    // Starts the scheduler; false with the reason when it cannot run here.
    bool start(QString* why);
    QString socketPath() const;
    // Runs a CUPS command (lpadmin, cupsreject, cupsdisable, ...) against this server.
    bool command(const QString& program, const QStringList& arguments, QString* output = nullptr);
    // Adds a queue that prints to /dev/null and takes jobs.
    bool addQueue(const QString& name);

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
};
