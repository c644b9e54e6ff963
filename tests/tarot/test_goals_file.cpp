// The goals file: its exact bytes, reading back what was written, older and damaged files,
// and how the goal list keeps the user's file when it cannot be read or written.
#include <QDir>
#include <QFile>
#include <QTest>

#include "../common/fixtures.h"
#include "../common/test_registry.h"
#include "courses/tarot/logic/goal_list.h"
#include "courses/tarot/logic/goals_format.h"
#include "platform/program_folder.h"

using modGoals::ParseGoals;

namespace {

GoalRecord goal(const QString& name, QDate start, QDate end, const QString& description, bool achieved, int percentage)
{
    GoalRecord g;
    g.Name = name;
    g.StartDate = start;
    g.EndDate = end;
    g.Description = description;
    g.Achieved = achieved;
    g.Percentage = static_cast<std::int16_t>(percentage);
    return g;
}

GoalRecord courtCards()
{
    return goal(QStringLiteral("Memorise the court cards"), QDate(2009, 9, 21), QDate(2009, 9, 28),
                QStringLiteral("Three cards a day"), false, 40);
}

const QByteArray CourtCardsLine = "\"Memorise the court cards\",#2009-09-21#,#2009-09-28#,\"Three cards a day\",#FALSE#,40\r\n";

QList<GoalRecord> listOf(const DynamicArray<GoalRecord>& goals) { return {goals.begin(), goals.end()}; }

QString goalsPath() { return platform::UserDataFile(QStringLiteral("goals.txt")); }

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestGoalsFile : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void writesExactBytes_data()
    {
        QTest::addColumn<GoalRecord>("goal");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("example") << courtCards() << CourtCardsLine;
        QTest::newRow("achieved, full, range ends")
            << goal("Done", QDate(1980, 1, 1), QDate(2099, 12, 31), "", true, 100)
            << QByteArray("\"Done\",#1980-01-01#,#2099-12-31#,\"\",#TRUE#,100\r\n");
        QTest::newRow("quotes doubled") << goal("The \"Fool\"", QDate(2009, 1, 2), QDate(2009, 1, 3), "\"", false, 0)
                                        << QByteArray("\"The \"\"Fool\"\"\",#2009-01-02#,#2009-01-03#,\"\"\"\",#FALSE#,0\r\n");
        QTest::newRow("line breaks as CR LF") << goal("Lines", QDate(2009, 1, 2), QDate(2009, 1, 3), "one\ntwo\r\nthree", false, 5)
                                             << QByteArray("\"Lines\",#2009-01-02#,#2009-01-03#,\"one\r\ntwo\r\nthree\",#FALSE#,5\r\n");
        QTest::newRow("locale encoding") << goal(QString::fromUtf8("Kärtchen ♥"), QDate(2009, 1, 2), QDate(2009, 1, 3), "", false, 0)
                                         << QByteArray("\"K\xc3\xa4rtchen \xe2\x99\xa5\",#2009-01-02#,#2009-01-03#,\"\",#FALSE#,0\r\n");
    }

    void writesExactBytes()
    {
        QFETCH(GoalRecord, goal);
        QFETCH(QByteArray, line);
        GoalList list;
        list.Goals.append(goal);
        list.Goals.append(courtCards());
        QCOMPARE(list.WriteGoalsFile(), QString());
        QCOMPARE(readBytes(goalsPath()), line + CourtCardsLine);
    }

    void readsBackWhatItWrote_data()
    {
        QTest::addColumn<GoalRecord>("goal");
        QTest::newRow("example") << courtCards();
        QTest::newRow("quote inside") << goal("He said \"hi\" today", QDate(2009, 1, 2), QDate(2009, 2, 3), "a \" b", false, 1);
        QTest::newRow("quotes at the ends") << goal("\"quoted\"", QDate(2009, 1, 2), QDate(2009, 2, 3), "\"\"", false, 1);
        QTest::newRow("quote, comma, hash inside") << goal("a\",#b", QDate(2009, 1, 2), QDate(2009, 2, 3), "x\",#TRUE#,1", false, 1);
        QTest::newRow("line breaks") << goal("n", QDate(2009, 1, 2), QDate(2009, 2, 3), "one\ntwo\n\nthree\n", false, 1);
        QTest::newRow("commas and hashes") << goal("a, b # c", QDate(2009, 1, 2), QDate(2009, 2, 3), ",#,", true, 99);
        QTest::newRow("non-ASCII") << goal(QString::fromUtf8("Таро ♠ ü 🂡"), QDate(2024, 2, 29), QDate(2024, 3, 1),
                                           QString::fromUtf8("日本語"), false, 7);
        QTest::newRow("empty texts") << goal("", QDate(1980, 1, 1), QDate(2099, 12, 31), "", false, 0);
    }

    void readsBackWhatItWrote()
    {
        QFETCH(GoalRecord, goal);
        GoalList written;
        written.Goals.append(goal);
        written.Goals.append(courtCards());
        QCOMPARE(written.WriteGoalsFile(), QString());
        GoalList read;
        QCOMPARE(read.ReadGoalsFile(), QString());
        QCOMPARE(listOf(read.Goals), (QList<GoalRecord>{goal, courtCards()}));
    }

    void readsOtherWritings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("descriptions");
        const QString rest = QStringLiteral(",#2009-09-21#,#2009-09-28#,");
        QTest::newRow("undoubled quotes inside")
            << QString("\"He said \"hi\" today\"" + rest + "\"a \"b\" c\",#FALSE#,40\r\n")
            << QStringList{"He said \"hi\" today"} << QStringList{"a \"b\" c"};
        QTest::newRow("undoubled quote at the end")
            << QString("\"Say \"x\"\"" + rest + "\"d\",#FALSE#,40\r\n") << QStringList{"Say \"x\""} << QStringList{"d"};
        QTest::newRow("LF and CR line ends, last without")
            << QString("\"a\"" + rest + "\"1\nx\",#FALSE#,1\n\"b\"" + rest + "\"2\",#FALSE#,2\r\"c\"" + rest + "\"3\",#TRUE#,3")
            << QStringList{"a", "b", "c"} << QStringList{"1\nx", "2", "3"};
        QTest::newRow("blank lines and blanks around fields")
            << QString("\r\n  \r\n \"a\" , #2009-09-21# ,#2009-09-28#, \"d\" , #false# , 40 \r\n\r\n")
            << QStringList{"a"} << QStringList{"d"};
    }

    void readsOtherWritings()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        QFETCH(QStringList, descriptions);
        const modGoals::ParsedGoals parsed = ParseGoals(text);
        QCOMPARE(parsed.badLines, QList<int>());
        QStringList readNames, readDescriptions;
        for (const GoalRecord& g : parsed.goals) {
            readNames << g.Name;
            readDescriptions << g.Description;
            QCOMPARE(g.StartDate, QDate(2009, 9, 21));
        }
        QCOMPARE(readNames, names);
        QCOMPARE(readDescriptions, descriptions);
    }

    void damagedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("badLines");
        QTest::addColumn<QList<int>>("clampedLines");
        const QString good = QString::fromLatin1(CourtCardsLine);
        const QString name = QStringLiteral("Memorise the court cards");
        QTest::newRow("empty") << QString() << QStringList{} << QList<int>{} << QList<int>{};
        QTest::newRow("only line ends") << QString("\r\n\r\n") << QStringList{} << QList<int>{} << QList<int>{};
        QTest::newRow("stray line between goals")
            << good + "hello\r\n" + good << QStringList{name, name} << QList<int>{2} << QList<int>{};
        QTest::newRow("five fields") << QString("\"a\",#2009-09-21#,#2009-09-28#,\"d\",#FALSE#\r\n") + good
                                     << QStringList{name} << QList<int>{1} << QList<int>{};
        QTest::newRow("seven fields") << QString("\"a\",#2009-09-21#,#2009-09-28#,\"d\",#FALSE#,4,5\r\n") + good
                                      << QStringList{name} << QList<int>{1} << QList<int>{};
        QTest::newRow("no such day") << QString("\"a\",#2009-02-30#,#2009-09-28#,\"d\",#FALSE#,4\r\n")
                                     << QStringList{} << QList<int>{1} << QList<int>{};
        QTest::newRow("not a flag") << QString("\"a\",#2009-09-21#,#2009-09-28#,\"d\",#MAYBE#,4\r\n") + good
                                    << QStringList{name} << QList<int>{1} << QList<int>{};
        QTest::newRow("unquoted name") << QString("a,#2009-09-21#,#2009-09-28#,\"d\",#FALSE#,4\r\n")
                                       << QStringList{} << QList<int>{1} << QList<int>{};
        QTest::newRow("open quote to the end") << good + "\"a,#2009-09-21#" << QStringList{name} << QList<int>{2} << QList<int>{};
        QTest::newRow("line numbers after a two-line goal")
            << QString("\"a\",#2009-09-21#,#2009-09-28#,\"x\r\ny\",#FALSE#,4\r\n???\r\n") + good
            << QStringList{"a", name} << QList<int>{3} << QList<int>{};
        QTest::newRow("dates and percentage out of range")
            << good + "\"old\",#1975-05-01#,#2150-01-01#,\"d\",#FALSE#,250\r\n\"neg\",#2009-09-21#,#2009-09-28#,\"d\",#FALSE#,-5\r\n"
            << QStringList{name, "old", "neg"} << QList<int>{} << QList<int>{2, 3};
    }

    void damagedText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, badLines);
        QFETCH(QList<int>, clampedLines);
        const modGoals::ParsedGoals parsed = ParseGoals(text);
        QStringList readNames;
        for (const GoalRecord& g : parsed.goals)
            readNames << g.Name;
        QCOMPARE(readNames, names);
        QCOMPARE(parsed.goals.hasBounds(), !names.isEmpty());
        QCOMPARE(parsed.badLines, badLines);
        QCOMPARE(parsed.clampedLines, clampedLines);
    }

    void outOfRangeValuesMoveToTheNearest()
    {
        const auto parsed = ParseGoals("\"old\",#1975-05-01#,#2150-01-01#,\"d\",#FALSE#,250\r\n"
                                       "\"neg\",#2009-09-21#,#2009-09-28#,\"d\",#FALSE#,-5\r\n");
        QCOMPARE(parsed.goals[0].StartDate, QDate(1980, 1, 1));
        QCOMPARE(parsed.goals[0].EndDate, QDate(2099, 12, 31));
        QCOMPARE(parsed.goals[0].Percentage, std::int16_t(100));
        QCOMPARE(parsed.goals[1].Percentage, std::int16_t(0));
    }

    void fileStatesWithoutMessage_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("no file") << false;
        QTest::newRow("empty file") << true;
    }

    void fileStatesWithoutMessage()
    {
        QFETCH(bool, exists);
        if (exists)
            writeBytes(goalsPath(), {});
        GoalList list;
        list.Goals.append(courtCards());
        QCOMPARE(list.ReadGoalsFile(), QString());
        QVERIFY(!list.Goals.hasBounds());
        // Without goals nothing is written: the file stays as it was.
        QCOMPARE(list.WriteGoalsFile(), QString());
        QCOMPARE(QFile::exists(goalsPath()), exists);
    }

    void damagedFileIsCopiedBeforeRewriting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("told");
        QTest::newRow("line that does not read") << QByteArray("garbage\r\n" + CourtCardsLine) << QStringLiteral("(line 1)");
        QTest::newRow("date out of range") << QByteArray("\"x\",#1970-01-01#,#2009-01-01#,\"\",#FALSE#,0\r\n" + CourtCardsLine)
                                           << QStringLiteral("outside 1980 to 2099");
        QTest::newRow("bytes not in the encoding") << QByteArray("\"caf\xe9\",#2009-01-01#,#2009-02-01#,\"\",#FALSE#,0\r\n")
                                                   << QStringLiteral("encoding");
    }

    void damagedFileIsCopiedBeforeRewriting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        writeBytes(goalsPath(), bytes);
        const QString olderCopy = goalsPath() + QStringLiteral(".bak");
        writeBytes(olderCopy, "an older copy");
        GoalList list;
        const QString message = list.ReadGoalsFile();
        QVERIFY2(message.contains(told), qPrintable(message));
        const QString copy = goalsPath() + QStringLiteral(".bak2");
        QVERIFY2(message.contains(copy), qPrintable(message));
        QVERIFY(!QFile::exists(copy)); // only a rewrite makes the copy

        list.Goals.append(courtCards());
        QCOMPARE(list.WriteGoalsFile(), QString());
        QCOMPARE(readBytes(copy), bytes);
        QCOMPARE(readBytes(olderCopy), QByteArray("an older copy"));
        // The rewritten file reads cleanly, and later writes make no further copies.
        QCOMPARE(list.ReadGoalsFile(), QString());
        QCOMPARE(list.WriteGoalsFile(), QString());
        QCOMPARE(QDir(env->userFolder()).entryList({"goals.txt*"}, QDir::Files).size(), 3);
    }

    void unreadableFileIsNeverReplaced()
    {
        QVERIFY(QDir(env->userFolder()).mkdir(QStringLiteral("goals.txt")));
        GoalList list;
        const QString readMessage = list.ReadGoalsFile();
        QVERIFY2(readMessage.contains(QStringLiteral("could not be read")), qPrintable(readMessage));
        QVERIFY(!list.Goals.hasBounds());
        list.AddGoal("new", QDate(2009, 1, 1), QDate(2009, 1, 8), "");
        const QString writeMessage = list.WriteGoalsFile();
        QVERIFY2(writeMessage.contains(QStringLiteral("not saved")), qPrintable(writeMessage));
        QVERIFY(QFileInfo(goalsPath()).isDir());
    }

    void failedWriteLeavesTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("folderMissing");
        QTest::newRow("folder gone") << QStringLiteral("fine") << true;
        QTest::newRow("text the encoding cannot hold") << QString(QChar(0xD800)) << false;
    }

    void failedWriteLeavesTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, folderMissing);
        writeBytes(goalsPath(), CourtCardsLine);
        GoalList list;
        QCOMPARE(list.ReadGoalsFile(), QString());
        list.AddGoal(name, QDate(2009, 1, 1), QDate(2009, 1, 8), "");
        env->blockUserFolder(folderMissing);
        const QString message = list.WriteGoalsFile();
        QVERIFY2(message.contains(QStringLiteral("saved")), qPrintable(message));
        env->blockUserFolder(false);
        QCOMPARE(readBytes(goalsPath()), CourtCardsLine);
        QCOMPARE(QDir(env->userFolder()).entryList(QDir::Files | QDir::Hidden).filter("goals"), QStringList{"goals.txt"});
    }

    void deletingWritesEveryOtherGoal_data()
    {
        QTest::addColumn<QList<int>>("deleted");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("first") << QList<int>{0} << QStringList{"b", "c"};
        QTest::newRow("first and last") << QList<int>{0, 2} << QStringList{"b"};
        QTest::newRow("all") << QList<int>{2, 1, 0} << QStringList{};
    }

    void deletingWritesEveryOtherGoal()
    {
        QFETCH(QList<int>, deleted);
        QFETCH(QStringList, left);
        GoalList list;
        for (const char* name : {"a", "b", "c"})
            list.AddGoal(name, QDate(2009, 1, 1), QDate(2009, 1, 8), "");
        QCOMPARE(list.DeleteGoalsFromFile(deleted), QString());
        QCOMPARE(list.Goals.size(), 3); // the list itself is not changed
        QCOMPARE(list.ReadGoalsFile(), QString());
        QStringList names;
        for (const GoalRecord& g : list.Goals)
            names << g.Name;
        QCOMPARE(names, left);
        if (left.isEmpty())
            QCOMPARE(QFileInfo(goalsPath()).size(), 0);
    }

    void addAndUpdateKeepTheirRules()
    {
        GoalList list;
        list.AddGoal("a", QDate(2009, 1, 1), QDate(2009, 1, 8), "d");
        QCOMPARE(listOf(list.Goals), QList<GoalRecord>{goal("a", QDate(2009, 1, 1), QDate(2009, 1, 8), "d", false, 0)});
        list.MarkAchieved({0});
        list.UpdateGoal(0, "b", QDate(2009, 2, 1), QDate(2009, 2, 8), "e", 70);
        QCOMPARE(listOf(list.Goals), QList<GoalRecord>{goal("b", QDate(2009, 2, 1), QDate(2009, 2, 8), "e", true, 70)});
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestGoalsFile)
#include "test_goals_file.moc"
