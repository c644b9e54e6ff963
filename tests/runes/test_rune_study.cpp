// Study list, stored study settings and goal files of the runes course.
#include "../../courses/runes/logic/modLearnRunesGoals.h"
#include "../../courses/runes/logic/modLearnRunesStudy.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QFile>
#include <QTest>

#include "platform/settings_store.h"
#include "stored_study_settings.h"

using namespace modLearnRunes;

namespace {

QList<int> runeRange(int first, int last)
{
    QList<int> runes;
    for (int r = first; r <= last; ++r)
        runes << r;
    return runes;
}

using Ticks = QList<bool>;

StudySettings settingsOf(const Ticks& ticks) // groups 0..2, meanings 0..2, objects 0..1
{
    StudySettings s;
    for (int i = 0; i < 3; ++i) {
        s.groups[i] = ticks[i];
        s.meanings[i] = ticks[3 + i];
    }
    s.objects = {ticks[6], ticks[7]};
    return s;
}

} // namespace

class TestRuneStudy : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void studyList_data()
    {
        QTest::addColumn<Ticks>("aetts");
        QTest::addColumn<QList<int>>("list");
        QTest::newRow("all") << Ticks{true, true, true} << runeRange(0, 23);
        QTest::newRow("first") << Ticks{true, false, false} << runeRange(0, 7);
        QTest::newRow("second") << Ticks{false, true, false} << runeRange(8, 15);
        QTest::newRow("third") << Ticks{false, false, true} << runeRange(16, 23);
        QTest::newRow("first and second") << Ticks{true, true, false} << runeRange(0, 15);
        QTest::newRow("first and third") << Ticks{true, false, true} << runeRange(0, 7) + runeRange(16, 23);
        QTest::newRow("second and third") << Ticks{false, true, true} << runeRange(8, 23);
        QTest::newRow("none") << Ticks{false, false, false} << QList<int>{};
    }

    void studyList()
    {
        QFETCH(Ticks, aetts);
        QFETCH(QList<int>, list);
        StudyState study;
        study.StudyList = {99, 98};
        study.BuildStudyList({aetts[0], aetts[1], aetts[2]});
        QCOMPARE(QList<int>(study.StudyList.begin(), study.StudyList.end()), list);
        for (int r = 0; r < 24; ++r)
            QCOMPARE(study.RuneFlags[r], aetts[r / 8] ? r : -1);
    }

    // The names and texts stored files hold; a renamed value would lose every user's choice.
    void storedValuesInWritingOrder()
    {
        const auto values = StudySettingValues(settingsOf({true, false, true, false, true, true, true, false}));
        const std::vector<std::pair<QString, QString>> expected{
            {"StoneGroup0", "1"},   {"StoneMeaning0", "0"}, {"StoneObject0", "1"}, {"StoneGroup1", "0"},
            {"StoneMeaning1", "1"}, {"StoneObject1", "0"},  {"StoneGroup2", "1"},  {"StoneMeaning2", "1"},
        };
        QVERIFY(values == expected);
    }

    void loadStoredSettings_data()
    {
        QTest::addColumn<QStringList>("stored"); // texts in box order; a null text is not stored
        QTest::addColumn<bool>("firstRun");
        QTest::addColumn<Ticks>("ticks");
        const QString absent;
        QTest::newRow("nothing stored") << QStringList(8, absent) << true << Ticks{};
        QTest::newRow("first group empty") << QStringList{"", "0", absent, absent, absent, absent, absent, absent}
                                           << true << Ticks{};
        QTest::newRow("all ones") << QStringList(8, "1") << false << Ticks(8, true);
        QTest::newRow("second aett off") << QStringList{"1", "0", "1", "1", "1", "1", "1", "1"} << false
                                         << Ticks{true, false, true, true, true, true, true, true};
        QTest::newRow("numbers equal to one") << QStringList{" 1", "1.0", "01", absent, absent, absent, absent, absent}
                                              << false << Ticks{true, true, true, false, false, false, false, false};
        QTest::newRow("text and other numbers untick")
            << QStringList{"yes", "2", "-1", "1", absent, absent, absent, "true"} << false
            << Ticks{false, false, false, true, false, false, false, false};
    }

    void loadStoredSettings()
    {
        QFETCH(QStringList, stored);
        QFETCH(bool, firstRun);
        QFETCH(Ticks, ticks);
        const auto settings = studySettingsInBoxOrder();
        for (int i = 0; i < stored.size(); ++i)
            if (!stored[i].isNull())
                QVERIFY(platform::SaveSetting(settings[std::size_t(i)]->name(), stored[i]));
        const std::optional<StudySettings> loaded = LoadStudySettings();
        QCOMPARE(!loaded.has_value(), firstRun);
        if (loaded)
            QVERIFY(*loaded == settingsOf(ticks));
    }

    void settingsProblem_data()
    {
        QTest::addColumn<Ticks>("ticks");
        QTest::addColumn<QString>("problem");
        QTest::newRow("nothing") << Ticks(8, false) << "Please Select A Stone Group";
        QTest::newRow("texts but no group") << Ticks{false, false, false, true, true, true, true, true}
                                            << "Please Select A Stone Group";
        QTest::newRow("group but no text") << Ticks{false, true, false, false, false, false, false, false}
                                           << "Please Select A Stone Meaning";
        QTest::newRow("group and also known as") << Ticks{true, false, false, false, false, false, false, true} << "";
        QTest::newRow("group and upright") << Ticks{false, false, true, true, false, false, false, false} << "";
    }

    void settingsProblem()
    {
        QFETCH(Ticks, ticks);
        QFETCH(QString, problem);
        QCOMPARE(StudySettingsProblem(settingsOf(ticks)), problem);
    }

    void goalFileContent_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("file");
        QTest::newRow("loaded default") << "This is Goal 1.\n" << "This is Goal 1.\r\n";
        QTest::newRow("empty") << "" << "\r\n";
        QTest::newRow("only a line break") << "\n" << "\r\n";
        QTest::newRow("blanks around") << "   Learn all runes  " << "Learn all runes\r\n";
        QTest::newRow("blanks inside kept") << "a  b" << "a  b\r\n";
        QTest::newRow("three lines") << "one\ntwo\nthree" << "one\r\ntwo\r\nthree\r\n";
        QTest::newRow("trailing breaks and blanks") << "goal \n \n\n" << "goal\r\n";
        QTest::newRow("leading line break kept") << "\nlater" << "\r\nlater\r\n";
        QTest::newRow("tab kept") << "\tgoal\t" << "\tgoal\t\r\n";
        QTest::newRow("no-break spaces are not blanks") << QStringLiteral("\u00A0goal \u00A0") << QStringLiteral("\u00A0goal \u00A0\r\n");
    }

    void goalFileContent()
    {
        QFETCH(QString, box);
        QFETCH(QString, file);
        QCOMPARE(GoalFileContent(box), file);
    }

    void goalFileKeepsItsBytes_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file yet
        QTest::addColumn<QString>("typed");     // appended to the loaded text; null: saved unchanged
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("missing, unchanged") << QByteArray() << QString() << QByteArray("This is Goal 1.\r\n");
        QTest::newRow("not UTF-8, unchanged") << QByteArray("Learn \xff\xfe runes\r\n") << QString()
                                              << QByteArray("Learn \xff\xfe runes\r\n");
        QTest::newRow("blanks and LF ends, unchanged") << QByteArray("  goal  \nnext\n\n") << QString()
                                                       << QByteArray("  goal  \nnext\n\n");
        QTest::newRow("no final line end, unchanged") << QByteArray("goal") << QString() << QByteArray("goal");
        QTest::newRow("not UTF-8, changed") << QByteArray("Learn \xff runes\r\n") << QStringLiteral("today")
                                            << QByteArray("Learn \xef\xbf\xbd runes\r\ntoday\r\n");
        QTest::newRow("no-break space typed") << QByteArray("Goal\r\n") << QStringLiteral("\u00A0now ")
                                              << QByteArray("Goal\r\n\xc2\xa0now\r\n");
    }

    void goalFileKeepsItsBytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, typed);
        QFETCH(QByteArray, after);
        const QString path = GoalFilePath(1);
        if (!before.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        GoalFile goal(1);
        const QString loaded = goal.Load();
        // The box text comes back with its line ends as the box gives them.
        QString box = QString(loaded).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (!typed.isNull())
            box += typed;
        // Saved twice: the same text gives the same bytes each time.
        for (int save = 0; save < 2; ++save) {
            QVERIFY(goal.Save(box));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), after);
        }
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestRuneStudy)
#include "test_rune_study.moc"
