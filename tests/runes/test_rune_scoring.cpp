// Answer check, scoring, the press of "Next", tick counting and the result list of the runes tests.
#include "../../courses/runes/logic/modLearnRunes.h"
#include "../../courses/runes/logic/modLearnRunesTest.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QTest>
#include <memory>

using namespace modLearnRunesTest;

namespace {

const QStringList Captions{"A", "B", "C", "D", "E", "F", "G", "H"};

QList<bool> ticksAt(const QList<int>& ticked)
{
    QList<bool> ticks(8, false);
    for (int i : ticked)
        ticks[i] = true;
    return ticks;
}

// The 24 question lines of the golden list below: Othala first, then Fehu .. Dagaz.
const QString GoldenQuestionLines = QStringLiteral(
    "01.          Othala                        3 Correct Out of 4\r\n"
    "02.          Fehu                          0 Correct Out of 4\r\n"
    "03.          Uruz                          4 Correct Out of 4\r\n"
    "04.          Thurisaz                      3 Correct Out of 4\r\n"
    "05.          Ansuz                         0 Correct Out of 4\r\n"
    "06.          Raidho                        4 Correct Out of 4\r\n"
    "07.          Kenaz                         3 Correct Out of 4\r\n"
    "08.          Gebo                          0 Correct Out of 4\r\n"
    "09.          Wunjo                         4 Correct Out of 4\r\n"
    "10.          Hagalaz                       3 Correct Out of 4\r\n"
    "11.          Nauthiz                       0 Correct Out of 4\r\n"
    "12.          Isa                           4 Correct Out of 4\r\n"
    "13.          Jera                          3 Correct Out of 4\r\n"
    "14.          Eihwaz                        0 Correct Out of 4\r\n"
    "15.          Perthro                       4 Correct Out of 4\r\n"
    "16.          Algiz                         3 Correct Out of 4\r\n"
    "17.          Sowilo                        0 Correct Out of 4\r\n"
    "18.          Tiwaz                         4 Correct Out of 4\r\n"
    "19.          Berkano                       3 Correct Out of 4\r\n"
    "20.          Ehwaz                         0 Correct Out of 4\r\n"
    "21.          Mannaz                        4 Correct Out of 4\r\n"
    "22.          Laguz                         3 Correct Out of 4\r\n"
    "23.          Ingwaz                        0 Correct Out of 4\r\n"
    "24.          Dagaz                         4 Correct Out of 4\r\n");

} // namespace

class TestRuneScoring : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        env = std::make_unique<TestEnvironment>();
        run = TestRun{};
    }

    void cleanup() { env.reset(); }

    void answerCheckMessages_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("message");
        QTest::newRow("beginner none") << BeginnerLevel << QList<int>{} << "You must select 1 option";
        QTest::newRow("beginner two") << BeginnerLevel << QList<int>{0, 4} << "You can select 1 option";
        QTest::newRow("beginner one") << BeginnerLevel << QList<int>{2} << "";
        QTest::newRow("beginner hidden box only") << BeginnerLevel << QList<int>{6} << "You must select 1 option";
        QTest::newRow("beginner one and a hidden box") << BeginnerLevel << QList<int>{1, 7} << "";
        QTest::newRow("advanced none") << AdvancedLevel << QList<int>{} << "You must select 4 options";
        QTest::newRow("advanced one") << AdvancedLevel << QList<int>{3} << "You can select 4 options";
        QTest::newRow("advanced two") << AdvancedLevel << QList<int>{3, 4} << "You can select 4 options";
        QTest::newRow("advanced three") << AdvancedLevel << QList<int>{0, 1, 2} << "You can select 4 options";
        QTest::newRow("advanced four") << AdvancedLevel << QList<int>{0, 1, 6, 7} << "";
        QTest::newRow("advanced five") << AdvancedLevel << QList<int>{0, 1, 2, 3, 4} << "You can select 4 options";
        QTest::newRow("advanced eight") << AdvancedLevel << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << "You can select 4 options";
    }

    void answerCheckMessages()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, ticked);
        QFETCH(QString, message);
        run.TestLevel = level;
        run.CorrectAnswers = level == BeginnerLevel ? QStringList{"B"} : QStringList{"A", "B", "G", "H"};
        run.QuestionResults[4] = QStringLiteral("before");
        run.TotalScore = 7;
        const AnswerCheck check = run.CheckAnswer(5, Captions, ticksAt(ticked));
        QCOMPARE(check.message, message);
        if (!message.isEmpty()) {
            // A refused answer scores nothing and leaves the question as it was.
            QCOMPARE(run.QuestionResults[4], QStringLiteral("before"));
            QCOMPARE(run.TotalScore, 7);
        } else {
            QVERIFY(run.QuestionResults[4] != QLatin1String("before"));
        }
    }

    void scoring_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("correct");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("result");
        QTest::newRow("beginner right") << BeginnerLevel << QStringList{"C"} << QList<int>{2} << 1 << "1 Correct Out of 1";
        QTest::newRow("beginner wrong") << BeginnerLevel << QStringList{"C"} << QList<int>{3} << 0 << "0 Correct Out of 1";
        QTest::newRow("advanced four right") << AdvancedLevel << QStringList{"A", "C", "E", "G"} << QList<int>{0, 2, 4, 6}
                                             << 4 << "4 Correct Out of 4";
        QTest::newRow("advanced two right") << AdvancedLevel << QStringList{"A", "C", "E", "G"} << QList<int>{0, 1, 4, 7}
                                            << 2 << "2 Correct Out of 4";
        QTest::newRow("advanced none right") << AdvancedLevel << QStringList{"A", "C", "E", "G"} << QList<int>{1, 3, 5, 7}
                                             << 0 << "0 Correct Out of 4";
    }

    void scoring()
    {
        QFETCH(int, level);
        QFETCH(QStringList, correct);
        QFETCH(QList<int>, ticked);
        QFETCH(int, score);
        QFETCH(QString, result);
        run.TestLevel = level;
        run.CorrectAnswers = correct;
        run.TotalScore = 10;
        const AnswerCheck check = run.CheckAnswer(24, Captions, ticksAt(ticked));
        QVERIFY(check.accepted());
        QCOMPARE(check.score, score);
        QCOMPARE(run.QuestionScore, score);
        QCOMPARE(run.QuestionResults[23], result);
        QCOMPARE(run.TotalScore, 10 + score);
    }

    void captionsCompareExactly()
    {
        run.TestLevel = BeginnerLevel;
        run.CorrectAnswers = QStringList{"Knowledge"};
        const QStringList captions{"knowledge", "Knowledge ", "Know", "Fire", "Joy"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(run.CheckAnswer(1, captions, ticksAt({i})).score, 0);
    }

    void pressNextRunsAWholeRun_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("total");
        QTest::newRow("keywords beginner") << int(TestKind::Keywords) << BeginnerLevel << "24 Correct Out Of  24 Keywords";
        QTest::newRow("keywords advanced") << int(TestKind::Keywords) << AdvancedLevel << "96 Correct Out Of  96 Keywords";
        QTest::newRow("meanings beginner") << int(TestKind::Meanings) << BeginnerLevel << "24 Correct Out Of  24 Descriptions";
        QTest::newRow("meanings advanced") << int(TestKind::Meanings) << AdvancedLevel << "96 Correct Out Of  96 Descriptions";
    }

    void pressNextRunsAWholeRun()
    {
        QFETCH(int, kind);
        QFETCH(int, level);
        QFETCH(QString, total);
        const TestKind test = TestKind(kind);
        int& number = test == TestKind::Keywords ? run.KeywordQuestionNo : run.MeaningQuestionNo;
        run.TestLevel = level;
        number = 0;
        run.QuestionScore = 3;
        run.TotalScore = 50;
        for (int i = 1; i <= 24; ++i)
            run.QuestionOrder[i] = 24 - i;

        // The first press clears the scores and asks question 1, checking nothing.
        NextPress press = run.PressNext(test, Captions, ticksAt({}));
        QCOMPARE(press.outcome, NextPress::ShowQuestion);
        QCOMPARE(number, 1);
        QCOMPARE(run.TotalScore, 0);
        QCOMPARE(run.QuestionScore, 0);

        const QList<int> right = level == BeginnerLevel ? QList<int>{0} : QList<int>{0, 1, 2, 3};
        run.CorrectAnswers = level == BeginnerLevel ? QStringList{"A"} : QStringList{"A", "B", "C", "D"};
        for (int question = 1; question <= 24; ++question) {
            // A refused press keeps the question.
            press = run.PressNext(test, Captions, ticksAt({5, 6}));
            QCOMPARE(press.outcome, NextPress::Refused);
            QVERIFY(!press.message.isEmpty());
            QCOMPARE(number, question);

            press = run.PressNext(test, Captions, ticksAt(right));
            if (question < 24) {
                QCOMPARE(press.outcome, NextPress::ShowQuestion);
                QCOMPARE(number, question + 1);
            }
        }
        QCOMPARE(press.outcome, NextPress::ShowResults);
        QCOMPARE(number, 24);
        QVERIFY(press.resultList.endsWith(QLatin1String("\r\n") + total));
        QVERIFY(press.resultList.startsWith(QStringLiteral("01.          Othala ")));
        QCOMPARE(run.QuestionScore, 0);
        QCOMPARE(run.TotalScore, 0);
    }

    void resultListGolden()
    {
        modLearnRunes::FillRuneTables();
        run.QuestionOrder[1] = 23;
        for (int i = 2; i <= 24; ++i)
            run.QuestionOrder[i] = i - 2;
        for (int i = 1; i <= 24; ++i)
            run.QuestionResults[i - 1] = QStringLiteral("%1 Correct Out of 4").arg(i % 3 == 0 ? 4 : i % 3 == 1 ? 3 : 0);
        run.TestLevel = AdvancedLevel;
        run.TotalScore = 56;
        const QString expected = GoldenQuestionLines + QString(99, QLatin1Char('-')) + QStringLiteral("\r\n")
            + QStringLiteral("56 Correct Out Of  96 Descriptions");
        QCOMPARE(run.ResultListText(TestKind::Meanings), expected);
    }

    void resultListFehuLine()
    {
        modLearnRunes::FillRuneTables();
        for (int i = 1; i <= 24; ++i)
            run.QuestionOrder[i] = i - 1;
        run.QuestionResults[0] = QStringLiteral("1 Correct Out of 1");
        run.TestLevel = BeginnerLevel;
        run.TotalScore = 1;
        const QString list = run.ResultListText(TestKind::Keywords);
        const QStringList lines = list.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 26);
        QCOMPARE(lines[0], QStringLiteral("01.") + QString(10, QLatin1Char(' ')) + QStringLiteral("Fehu")
                               + QString(26, QLatin1Char(' ')) + QStringLiteral("1 Correct Out of 1"));
        QCOMPARE(lines[24], QString(99, QLatin1Char('-')));
        QCOMPARE(lines[25], QStringLiteral("1 Correct Out Of  24 Keywords"));
        QVERIFY(!list.endsWith(QLatin1String("\r\n")));
    }

    void tickCounter_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<bool>>("clicks"); // the state each click leaves its box in
        QTest::addColumn<QList<bool>>("moves");  // whether each click moves the focus to "Next"
        QTest::newRow("beginner first tick") << BeginnerLevel << QList<bool>{true} << QList<bool>{true};
        QTest::newRow("beginner untick and tick again") << BeginnerLevel << QList<bool>{true, false, true}
                                                        << QList<bool>{true, false, false};
        QTest::newRow("beginner untick first") << BeginnerLevel << QList<bool>{false, true} << QList<bool>{false, true};
        QTest::newRow("advanced fourth tick") << AdvancedLevel << QList<bool>{true, true, true, true, true}
                                              << QList<bool>{false, false, false, true, false};
        QTest::newRow("advanced unticks do not count") << AdvancedLevel << QList<bool>{true, false, true, false, true, true}
                                                       << QList<bool>{false, false, false, false, false, true};
    }

    void tickCounter()
    {
        QFETCH(int, level);
        QFETCH(QList<bool>, clicks);
        QFETCH(QList<bool>, moves);
        run.TestLevel = level;
        TickCounter counter;
        counter.TickCount = 9;
        counter.reset();
        for (int i = 0; i < clicks.size(); ++i)
            QCOMPARE(counter.click(clicks[i], run.RequiredTicks()), moves[i]);
    }

private:
    std::unique_ptr<TestEnvironment> env;
    TestRun run;
};

ORVANEL_TEST(TestRuneScoring)
#include "test_rune_scoring.moc"
