// The tarot test report: its fixed columns, outcomes and summaries, the two worked examples as
// golden text, and card names read from the whole card database.
#include <QStringList>
#include <QTest>

#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/logic/test_report.h"
#include "fixtures.h"
#include "tarot_decks.h"
#include "test_registry.h"

using namespace tarot;

namespace {

const QHash<int, QString> Names = {
    {1, QStringLiteral("The Fool")}, {2, QStringLiteral("The Magician")}, {3, QStringLiteral("The High Priestess")}};

QString nameOf(std::int32_t id) { return Names.value(id, QStringLiteral("Card %1").arg(id)); }

// A finished run with these cards, orientations and scores.
TarotRun finishedRun(TestType type, int level, const QList<int>& ids, const QList<bool>& reversed, const QList<int>& scores)
{
    TarotRun run;
    run.StartTest({type, level, true});
    run.KeywordsToChoose = ShapeOfLevel(level).KeywordsToChoose;
    for (int i = 0; i < ids.size(); ++i) {
        run.CurrentCardId = ids[i];
        run.CurrentReversed = reversed.value(i);
        run.RecordAnswer(scores[i]);
    }
    run.FinishRun();
    return run;
}

} // namespace

class TestTarotReport : public QObject {
    Q_OBJECT

private slots:
    void descriptionTestOfThreeCards()
    {
        TarotRun run = finishedRun(TestType::Description, 0, {1, 2, 3}, {false, true, false}, {1, 0, 1});
        const TestReport report = BuildTestReport(QStringLiteral("Orvanel"), run, 3, nameOf);
        const QString golden = QStringLiteral(
            "Test Report For Orvanel\r\n"
            "-----------------------\r\n"
            "\r\n"
            "01.      The Fool                            Correct\r\n"
            "02.      The Magician (Reversed)             Wrong\r\n"
            "03.      The High Priestess                  Correct\r\n"
            "________________________________________________________________\r\n"
            "2 out of 3 questions correct");
        QCOMPARE(report.text, golden);
        QCOMPARE(report.summary, QStringLiteral("2 out of 3 questions correct"));
        QCOMPARE(run.CorrectTotal, 2);
    }

    void keywordTestOfTwentyTwoCardsAtAdvanced()
    {
        QList<int> ids, scores;
        QList<bool> reversed;
        for (int i = 0; i < 22; ++i) {
            ids << i + 1;
            scores << (i < 12 ? 5 : 4); // 12 x 5 + 10 x 4 = 100 true keywords ticked
            reversed << false;
        }
        const TarotRun run = finishedRun(TestType::Keywords, 2, ids, reversed, scores);
        QCOMPARE(run.CorrectTotal, 100); // the keyword total is the sum of the scores
        const TestReport report = BuildTestReport(QStringLiteral("Orvanel"), run, 22, nameOf);
        QCOMPARE(report.summary, QStringLiteral("100/154 choice(s) from 22 questions were correct"));
        // A second report of the same run reads the same: building one changes nothing.
        QCOMPARE(BuildTestReport(QStringLiteral("Orvanel"), run, 22, nameOf).summary, report.summary);
        const QStringList lines = report.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3 + 22 + 2);
        QCOMPARE(lines[3], QStringLiteral("01.      The Fool                            5 Out Of 7 Correct"));
        QCOMPARE(lines[24], QStringLiteral("22.      Card 22                             4 Out Of 7 Correct"));
        QCOMPARE(lines[25], QString(64, QLatin1Char('_')));
        QCOMPARE(lines[26], report.summary);
        QVERIFY2(!report.text.endsWith(QStringLiteral("\r\n")), "the report ends with its summary, not a line end");
    }

    void questionLinesKeepTheOutcomeColumn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("outcomeAt");
        QTest::newRow("short upright") << "Ace of Cups" << false << 1 << 9 + 36;
        QTest::newRow("short reversed") << "Ace of Cups" << true << 1 << 9 + 36;
        QTest::newRow("25 characters reversed") << "Queen of Pentacles abcdef" << true << 7 << 9 + 36;
        QTest::newRow("36 characters upright") << QString(36, QLatin1Char('n')) << false << 7 << 9 + 36;
        QTest::newRow("question 100") << "The Star" << false << 100 << 10 + 36;
        QTest::newRow("26 characters reversed keep a blank") << QString(26, QLatin1Char('n')) << true << 1 << 9 + 26 + 11 + 1;
        QTest::newRow("40 characters upright keep a blank") << QString(40, QLatin1Char('n')) << false << 1 << 9 + 40 + 1;
    }
    void questionLinesKeepTheOutcomeColumn()
    {
        QFETCH(QString, name);
        QFETCH(bool, reversed);
        QFETCH(int, number);
        QFETCH(int, outcomeAt);
        const QString line = QuestionLine(number, name, reversed, QStringLiteral("Wrong"));
        QCOMPARE(line.indexOf(name), number >= 100 ? 10 : 9);
        QCOMPARE(line.lastIndexOf(QStringLiteral("Wrong")), outcomeAt);
        QVERIFY(line.startsWith(QStringLiteral("%1.      ").arg(number, 2, 10, QLatin1Char('0'))));
        QCOMPARE(line.contains(QStringLiteral(" (Reversed)")), reversed);
    }

    void outcomesAndSummaries_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("description right") << int(TestType::Description) << 1 << "Correct";
        QTest::newRow("description wrong") << int(TestType::Description) << 0 << "Wrong";
        QTest::newRow("keywords at beginner") << int(TestType::Keywords) << 2 << "2 Out Of 3 Correct";
        QTest::newRow("keywords none") << int(TestType::Keywords) << 0 << "0 Out Of 3 Correct";
    }
    void outcomesAndSummaries()
    {
        QFETCH(int, type);
        QFETCH(int, score);
        QFETCH(QString, outcome);
        QCOMPARE(Outcome(TestType(type), score, 3), outcome);
    }

    void namesComeFromEveryCardOfTheDatabase()
    {
        TestEnvironment env;
        QVERIFY(tarot_decks::installBuiltDatabase());
        modDB db;
        // The chosen set holds the major arcana only; the report still names a cup.
        QVERIFY(tarot_decks::openCardSet(db, tarot_decks::MajorArcana));
        TarotRun run = finishedRun(TestType::Description, 0, {23, 22}, {false, false}, {1, 1});
        TestReport report;
        QString problem;
        QVERIFY2(WriteTestReport(db, QStringLiteral("Orvanel"), run, 2, report, problem), qPrintable(problem));
        const QStringList lines = report.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines[3], QStringLiteral("01.      Ace of Cups                         Correct"));
        QCOMPARE(lines[4], QStringLiteral("02.      The World                           Correct"));
        QCOMPARE(report.summary, QStringLiteral("2 out of 2 questions correct"));
    }
};

ORVANEL_TEST(TestTarotReport)
#include "test_tarot_report.moc"
