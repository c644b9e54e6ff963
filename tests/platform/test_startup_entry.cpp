// The start-up entry: a valid autostart desktop entry whose Exec line names the program by
// the quoting rules, written, rewritten and removed, and its failures reported with their
// error number.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "fixtures.h"
#include "platform/command_line.h"
#include "platform/startup_entry.h"
#include "scoped_variable.h"
#include "test_registry.h"

namespace {

QString execLine(const QString& entryFile)
{
    QFile file(entryFile);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    return QString();
}

// Reads an Exec value back as a launcher does: string escapes first, then the first
// argument's quoting; returns the program path and the rest.
QStringList readExec(const QString& value)
{
    QString unescaped;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[++i];
            unescaped += next == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                : next == QLatin1Char('t')        ? QChar(QLatin1Char('\t'))
                : next == QLatin1Char('r')        ? QChar(QLatin1Char('\r'))
                : next == QLatin1Char('s')        ? QChar(QLatin1Char(' '))
                                                  : next;
        } else {
            unescaped += value[i];
        }
    }
    if (!unescaped.startsWith(QLatin1Char('"')))
        return {};
    QString program;
    int i = 1;
    for (; i < unescaped.size() && unescaped[i] != QLatin1Char('"'); ++i) {
        if (unescaped[i] == QLatin1Char('\\') && i + 1 < unescaped.size())
            ++i;
        else if (unescaped[i] == QLatin1Char('%') && i + 1 < unescaped.size() && unescaped[i + 1] == QLatin1Char('%'))
            ++i;
        program += unescaped[i];
    }
    return {program, unescaped.mid(i + 1)};
}

} // namespace

class TestStartupEntry : public QObject {
    Q_OBJECT

private slots:
    void execLineQuotesThePath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/lib/orvanel" << "\"/usr/lib/orvanel/orvanel\" /STARTUP";
        QTest::newRow("blanks") << "/home/ann/My Programs" << "\"/home/ann/My Programs/orvanel\" /STARTUP";
        QTest::newRow("double quote") << "/opt/say \"hi\"" << "\"/opt/say \\\\\"hi\\\\\"/orvanel\" /STARTUP";
        QTest::newRow("single quote") << "/opt/it's" << "\"/opt/it's/orvanel\" /STARTUP";
        QTest::newRow("backslash") << "/opt/back\\slash" << "\"/opt/back\\\\\\\\slash/orvanel\" /STARTUP";
        QTest::newRow("dollar sign") << "/opt/$HOME" << "\"/opt/\\\\$HOME/orvanel\" /STARTUP";
        QTest::newRow("backtick") << "/opt/`id`" << "\"/opt/\\\\`id\\\\`/orvanel\" /STARTUP";
        QTest::newRow("percent sign") << "/opt/100%" << "\"/opt/100%%/orvanel\" /STARTUP";
        QTest::newRow("tab") << "/opt/a\tb" << "\"/opt/a\\tb/orvanel\" /STARTUP";
        QTest::newRow("root folder") << "/" << "\"/orvanel\" /STARTUP";
    }

    void execLineQuotesThePath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, exec);
        TestEnvironment env;
        const ScopedVariable home("XDG_CONFIG_HOME", env.programFolder());
        platform::SetRunAtStartup(QStringLiteral("orvanel"), folder, true);
        QVERIFY(env.messages.empty());
        const QString entry = platform::AutostartFile(QStringLiteral("orvanel"));
        QCOMPARE(entry, QDir(env.programFolder()).filePath(QStringLiteral("autostart/orvanel.desktop")));
        QCOMPARE(execLine(entry), exec);
        // Read back as a launcher does, the line names this program and the switch.
        QCOMPARE(readExec(exec), (QStringList{QDir(folder).filePath(QStringLiteral("orvanel")), " /STARTUP"}));

        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(validator, {entry});
        QVERIFY(validate.waitForFinished(10000));
        const QString said = QString::fromLocal8Bit(validate.readAll());
        QVERIFY2(validate.exitCode() == 0 && !said.contains(QLatin1String("error")), qPrintable(said));
    }

    void entryIsWrittenRewrittenAndRemoved()
    {
        TestEnvironment env;
        const ScopedVariable home("XDG_CONFIG_HOME", env.programFolder() + QStringLiteral("/config"));
        const QString name = QStringLiteral("orvanel");
        QVERIFY(!platform::IsRunAtStartup(name));
        platform::SetRunAtStartup(name, QStringLiteral("/first/place"), true);
        QVERIFY(platform::IsRunAtStartup(name));
        // Written again with the present folder, even though it exists.
        platform::SetRunAtStartup(name, QStringLiteral("/second/place"), true);
        QCOMPARE(execLine(platform::AutostartFile(name)), QStringLiteral("\"/second/place/orvanel\" /STARTUP"));
        // An entry of the same name whose contents point elsewhere still counts.
        QFile foreign(platform::AutostartFile(name));
        QVERIFY(foreign.open(QIODevice::WriteOnly | QIODevice::Truncate));
        foreign.write("something else");
        foreign.close();
        QVERIFY(platform::IsRunAtStartup(name));
        QVERIFY(!platform::IsRunAtStartup(QStringLiteral("other")));
        platform::SetRunAtStartup(name, QStringLiteral("/second/place"), false);
        QVERIFY(!platform::IsRunAtStartup(name));
        // Removing a missing entry says nothing.
        platform::SetRunAtStartup(name, QStringLiteral("/second/place"), false);
        QVERIFY(env.messages.empty());
    }

    void autostartFolderFollowsXdgConfigHome_data()
    {
        QTest::addColumn<QString>("configHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << "/var/tmp/cfg" << "/var/tmp/cfg/autostart";
        QTest::newRow("empty") << "" << QDir::home().filePath(QStringLiteral(".config/autostart"));
        QTest::newRow("relative is ignored") << "rel/cfg" << QDir::home().filePath(QStringLiteral(".config/autostart"));
    }

    void autostartFolderFollowsXdgConfigHome()
    {
        QFETCH(QString, configHome);
        QFETCH(QString, expected);
        const ScopedVariable home("XDG_CONFIG_HOME", configHome);
        QCOMPARE(platform::AutostartFolder(), expected);
    }

    void failedWritesAreReported_data()
    {
        QTest::addColumn<QString>("inTheWay");
        QTest::addColumn<bool>("inTheWayIsFolder");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("error");
        // A file where the autostart folder should be, and a folder where the entry should be.
        QTest::newRow("opening") << "autostart" << false << "opening key" << ENOTDIR;
        QTest::newRow("setting") << "autostart/orvanel.desktop" << true << "setting key" << EISDIR;
    }

    void failedWritesAreReported()
    {
        QFETCH(QString, inTheWay);
        QFETCH(bool, inTheWayIsFolder);
        QFETCH(QString, message);
        QFETCH(int, error);
        TestEnvironment env;
        const ScopedVariable home("XDG_CONFIG_HOME", env.programFolder());
        const QString path = QDir(env.programFolder()).filePath(inTheWay);
        if (inTheWayIsFolder) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        platform::SetRunAtStartup(QStringLiteral("orvanel"), QStringLiteral("/opt/orvanel"), true);
        QCOMPARE(env.prompts(), QStringList{QStringLiteral("Error %1 %2\r\n").arg(error).arg(message)});
        QCOMPARE(env.messages.front().style, 0);
    }

    void startupSwitchInTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("startup");
        QTest::newRow("none") << QStringList{"orvanel"} << "" << false;
        QTest::newRow("alone") << QStringList{"orvanel", "/STARTUP"} << "/STARTUP" << true;
        QTest::newRow("among others") << QStringList{"orvanel", "-x", "/STARTUP", "y z"} << "-x /STARTUP y z" << true;
        QTest::newRow("inside an argument") << QStringList{"orvanel", "a/STARTUPb"} << "a/STARTUPb" << true;
        QTest::newRow("lower case") << QStringList{"orvanel", "/startup"} << "/startup" << false;
        QTest::newRow("mixed case") << QStringList{"orvanel", "/Startup"} << "/Startup" << false;
        QTest::newRow("program name holds it") << QStringList{"/opt/STARTUP/orvanel"} << "" << false;
    }

    void startupSwitchInTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, commandLine);
        QFETCH(bool, startup);
        platform::setCommandLine(arguments);
        QCOMPARE(platform::CommandLine(), commandLine);
        QCOMPARE(platform::HasStartupSwitch(), startup);
        platform::setCommandLine({});
    }
};

ORVANEL_TEST(TestStartupEntry)
#include "test_startup_entry.moc"
