// Where the program's files live: everything in the program folder when the card database lies
// beside the executable, otherwise the data under share/ or the XDG data folders and the
// user's files in $XDG_DATA_HOME/orvanel.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "fixtures.h"
#include "platform/program_folder.h"
#include "scoped_variable.h"
#include "test_registry.h"

namespace {

void putFile(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("cards");
}

} // namespace

class TestFilePlaces : public QObject {
    Q_OBJECT
private slots:
    // Places are named relative to the test's prefix folder: bin/ is the program folder,
    // data/ is XDG_DATA_HOME, and first/ and second/ are the two XDG_DATA_DIRS.
    void cardDatabaseAndUserFiles_data()
    {
        QTest::addColumn<QStringList>("databases");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("userFolder");
        QTest::newRow("portable: beside the program") << QStringList{"bin/learn.dll", "share/orvanel/learn.dll"}
                                                      << "bin/learn.dll" << "bin";
        QTest::newRow("installed: share beside bin") << QStringList{"share/orvanel/learn.dll"}
                                                     << "share/orvanel/learn.dll" << "data/orvanel";
        QTest::newRow("installed: share wins over the XDG folders")
            << QStringList{"share/orvanel/learn.dll", "data/orvanel/learn.dll", "first/orvanel/learn.dll"}
            << "share/orvanel/learn.dll" << "data/orvanel";
        QTest::newRow("installed: the user's data folder") << QStringList{"data/orvanel/learn.dll", "first/orvanel/learn.dll"}
                                                           << "data/orvanel/learn.dll" << "data/orvanel";
        QTest::newRow("installed: a later data folder") << QStringList{"second/orvanel/learn.dll"}
                                                        << "second/orvanel/learn.dll" << "data/orvanel";
        // Nowhere: the place the install puts it, so a message names where it belongs.
        QTest::newRow("installed: missing") << QStringList{} << "share/orvanel/learn.dll" << "data/orvanel";
    }
    void cardDatabaseAndUserFiles()
    {
        QFETCH(QStringList, databases);
        QFETCH(QString, read);
        QFETCH(QString, userFolder);
        TestEnvironment env;
        const ScopedVariable dirs("XDG_DATA_DIRS", env.prefixFile("first") + ":" + env.prefixFile("second"));
        for (const QString& database : databases)
            putFile(env.prefixFile(database));

        QCOMPARE(platform::IsPortableRun(), read.startsWith(QLatin1String("bin/")));
        QCOMPARE(QFileInfo(platform::ProgramDataFile("learn.dll")).absoluteFilePath(), env.prefixFile(read));
        QCOMPARE(QFileInfo(platform::UserDataFile("goals.txt")).absoluteFilePath(),
                 env.prefixFile(userFolder + "/goals.txt"));
        // The user's folder is there to be written, and nothing else appeared beside the program.
        QVERIFY(QFileInfo(env.prefixFile(userFolder)).isDir());
        const QStringList besideProgram = QDir(env.programFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(besideProgram, databases.contains("bin/learn.dll") ? QStringList{"learn.dll"} : QStringList{});
    }

    // A folder the program makes for the user's files is the user's alone; one that is there
    // already keeps its permissions.
    void userFolderIsMadePrivate()
    {
        TestEnvironment env;
        const QString folder = env.prefixFile("data/orvanel");
        QVERIFY(!QFileInfo::exists(folder));
        QCOMPARE(platform::UserDataFolder(), folder);
        // Owner, group and others; the "user" bits only say what this process may do.
        const QFileDevice::Permissions ownerGroupOther(0x7077);
        QCOMPARE(QFile::permissions(folder) & ownerGroupOther,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        const QFileDevice::Permissions open = QFile::permissions(folder) | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
        QVERIFY(QFile::setPermissions(folder, open));
        platform::UserDataFile("Goal1.txt");
        QCOMPARE(QFile::permissions(folder), open);
    }

    // XDG folders given as relative paths do not count: the defaults under the home folder do.
    void relativeXdgFoldersAreIgnored()
    {
        TestEnvironment env;
        const ScopedVariable home("HOME", env.prefixFile("home"));
        const ScopedVariable dataHome("XDG_DATA_HOME", "relative/data");
        const ScopedVariable dirs("XDG_DATA_DIRS", "relative/dirs");
        QCOMPARE(platform::UserDataFolder(), env.prefixFile("home/.local/share/orvanel"));
        QVERIFY(QFileInfo(env.prefixFile("home/.local/share/orvanel")).isDir());
        QVERIFY(!QFileInfo::exists(QDir::current().filePath("relative")));
        putFile(env.prefixFile("home/.local/share/orvanel/learn.dll"));
        QCOMPARE(platform::ProgramDataFile("learn.dll"), env.prefixFile("home/.local/share/orvanel/learn.dll"));
    }
};

ORVANEL_TEST(TestFilePlaces)
#include "test_file_places.moc"
