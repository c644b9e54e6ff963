// Question order and the keyword and meaning question builders of the runes tests.
#include "../../courses/runes/logic/modLearnRunes.h"
#include "../../courses/runes/logic/modLearnRunesTest.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QSet>
#include <numeric>
#include <QTest>

#include "platform/random.h"

using namespace modLearnRunes;
using namespace modLearnRunesTest;

namespace {

using Positions = QList<int>;

// Every non-empty choice of stone positions, as the wizard sets them.
const QList<QPair<QByteArray, Positions>>& positionSets()
{
    static const QList<QPair<QByteArray, Positions>> sets{
        {"U", {-1, 0, 0}},   {"R", {0, -1, 0}},   {"M", {0, 0, -1}},   {"UR", {-1, -1, 0}},
        {"UM", {-1, 0, -1}}, {"RM", {0, -1, -1}}, {"URM", {-1, -1, -1}},
    };
    return sets;
}

void askAbout(TestRun& run, int rune, int level, const Positions& positions = {-1, -1, -1})
{
    run.QuestionOrder.fill(0);
    run.QuestionOrder[1] = rune;
    run.TestLevel = level;
    for (int i = 0; i < 3; ++i)
        run.StonePositions[i] = positions[i];
    run.KeywordQuestionNo = 1;
    run.MeaningQuestionNo = 1;
}

QStringList keywordsOf(int rune)
{
    QStringList keywords;
    for (int j = 0; j < KeywordsPerRune; ++j)
        keywords << StoneKeywords[rune * KeywordsPerRune + j];
    return keywords;
}

// Every text that belongs to the rune as a whole, as a user who studied it knows them.
QSet<QString> textsOfRune(int rune)
{
    return {UprightMeanings[rune], ReversedMeanings[rune], MerkstaveMeanings[rune],
            QStringLiteral("Keywords: ") + keywordsOf(rune).join(QStringLiteral(", ")),
            QStringLiteral("Also known as: ") + AlternativeNames[rune * 3] + QStringLiteral(", ")
                + AlternativeNames[rune * 3 + 1] + QStringLiteral(", ") + AlternativeNames[rune * 3 + 2]};
}

const std::array<QString, RuneCount>& tableOf(int position)
{
    return position == 0 ? UprightMeanings : position == 1 ? ReversedMeanings : MerkstaveMeanings;
}

} // namespace

class TestRuneQuestions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FillRuneTables(); }
    void init() { run = TestRun{}; }

    void shuffleGivesEveryRuneOnce_data()
    {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {1ULL, 2ULL, 12345ULL, 987654321ULL, 0xDEADBEEFULL})
            QTest::newRow(QByteArray::number(seed)) << seed;
    }

    void shuffleGivesEveryRuneOnce()
    {
        QFETCH(quint64, seed);
        TestEnvironment env;
        platform::setFixedSeed(seed);
        run.QuestionOrder.fill(0);
        run.QuestionOrder[25] = 77;
        run.ShuffleQuestionOrder();
        QList<int> runes(run.QuestionOrder.begin() + 1, run.QuestionOrder.begin() + 25);
        std::sort(runes.begin(), runes.end());
        QList<int> expected(24);
        std::iota(expected.begin(), expected.end(), 0);
        QCOMPARE(runes, expected);
        QCOMPARE(run.QuestionOrder[0], 0);
        QCOMPARE(run.QuestionOrder[25], 77);
    }

    void keywordBeginner_data()
    {
        QTest::addColumn<int>("rune");
        for (int r = 0; r < RuneCount; ++r)
            QTest::newRow(StoneNames[r].toLatin1()) << r;
    }

    void keywordBeginner()
    {
        QFETCH(int, rune);
        TestEnvironment env;
        askAbout(run, rune, BeginnerLevel);
        run.KeywordQuestionNo = 9;
        run.QuestionOrder[9] = rune;
        QSet<QString> correctSeen;
        for (int build = 0; build < 150; ++build) {
            const Question q = run.BuildKeywordQuestion();
            QCOMPARE(q.options.size(), BeginnerOptions);
            QCOMPARE(run.AnswerChoices, q.options);
            QCOMPARE(run.CorrectAnswers.size(), 1);
            QCOMPARE(q.requiredTicks, 1);
            QCOMPARE(q.choiceCaption, QStringLiteral("You must choose only 1 option"));
            QCOMPARE(q.indexCaption, QStringLiteral("Question 9"));
            QCOMPARE(q.stoneName, StoneNames[rune]);
            QCOMPARE(q.pictureKey, StoneImageKey(rune));
            const QString correct = run.CorrectAnswers[0];
            QVERIFY(keywordsOf(rune).contains(correct));
            QCOMPARE(q.options.count(correct), 1);
            correctSeen.insert(correct);
            // A wrong option that is another keyword of the rune would score a true keyword as
            // wrong; and no text stands twice.
            QCOMPARE(QSet<QString>(q.options.begin(), q.options.end()).size(), BeginnerOptions);
            for (const QString& option : q.options) {
                QVERIFY(StoneKeywords.end() != std::find(StoneKeywords.begin(), StoneKeywords.end(), option));
                if (option != correct)
                    QVERIFY2(!keywordsOf(rune).contains(option), qPrintable(option));
            }
        }
        // Each of the rune's keywords gets asked.
        QCOMPARE(correctSeen.size(), KeywordsPerRune);
    }

    void keywordSharedByRunesIsNeverAWrongOption()
    {
        // Ansuz asked with "Knowledge": Kenaz and Eihwaz carry the same text, which stays out.
        TestEnvironment env;
        askAbout(run, 3, BeginnerLevel);
        int knowledgeAsked = 0;
        for (int build = 0; build < 400; ++build) {
            const Question q = run.BuildKeywordQuestion();
            if (run.CorrectAnswers[0] != QLatin1String("Knowledge"))
                continue;
            ++knowledgeAsked;
            QCOMPARE(q.options.count(QStringLiteral("Knowledge")), 1);
        }
        QVERIFY(knowledgeAsked > 20);
    }

    void keywordAdvanced_data() { keywordBeginner_data(); }

    void keywordAdvanced()
    {
        QFETCH(int, rune);
        TestEnvironment env;
        askAbout(run, rune, AdvancedLevel);
        for (int build = 0; build < 40; ++build) {
            const Question q = run.BuildKeywordQuestion();
            QCOMPARE(q.options.size(), AdvancedOptions);
            QCOMPARE(q.requiredTicks, 4);
            QCOMPARE(q.choiceCaption, QStringLiteral("You must choose 4 options"));
            QCOMPARE(run.CorrectAnswers, keywordsOf(rune));
            // Each keyword once, so the other four options carry none of them; no text twice.
            for (const QString& keyword : keywordsOf(rune))
                QCOMPARE(q.options.count(keyword), 1);
            QCOMPARE(QSet<QString>(q.options.begin(), q.options.end()).size(), AdvancedOptions);
        }
    }

    void meaningBeginnerAskedPosition_data()
    {
        QTest::addColumn<Positions>("positions");
        QTest::addColumn<quint64>("seed");
        for (const auto& [name, positions] : positionSets())
            for (quint64 seed = 1; seed <= 12; ++seed)
                QTest::newRow(name + " seed " + QByteArray::number(seed)) << positions << seed;
    }

    // The first draw after the re-seed picks the order of preference; the first asked
    // position in it is asked.
    void meaningBeginnerAskedPosition()
    {
        QFETCH(Positions, positions);
        QFETCH(quint64, seed);
        TestEnvironment env;
        const int rune = int(seed % RuneCount);
        askAbout(run, rune, BeginnerLevel, positions);
        platform::setFixedSeed(seed);
        const Question q = run.BuildMeaningQuestion();

        platform::setFixedSeed(seed);
        platform::Randomize();
        const int c = platform::RndInt(3);
        const std::array<std::array<int, 3>, 3> preference{{{0, 1, 2}, {1, 0, 2}, {2, 0, 1}}};
        int expected = -1;
        for (int position : preference[c])
            if (expected < 0 && positions[position] == -1)
                expected = position;
        QCOMPARE(q.askedPosition, expected);
        QCOMPARE(run.CorrectAnswers, QStringList{tableOf(expected)[rune]});
    }

    void meaningBeginnerOptions_data()
    {
        QTest::addColumn<Positions>("positions");
        QTest::addColumn<int>("rune");
        for (const auto& [name, positions] : positionSets())
            for (int r = 0; r < RuneCount; ++r)
                QTest::newRow(name + " " + StoneNames[r].toLatin1()) << positions << r;
    }

    void meaningBeginnerOptions()
    {
        QFETCH(Positions, positions);
        QFETCH(int, rune);
        TestEnvironment env;
        askAbout(run, rune, BeginnerLevel, positions);
        for (int build = 0; build < 12; ++build) {
            const Question q = run.BuildMeaningQuestion();
            QCOMPARE(q.options.size(), BeginnerOptions);
            QCOMPARE(q.choiceCaption, QStringLiteral("You must choose only 1 option"));
            QCOMPARE(positions[q.askedPosition], -1);
            // One option carries the answer; a reversible rune asked merkstave never shows its
            // reversed text elsewhere, as it is the same text.
            QCOMPARE(q.options.count(run.CorrectAnswers[0]), 1);
            // The question does not name the position, so no other meaning of the rune may
            // stand as a wrong option, and no text stands twice.
            const QSet<QString> own = textsOfRune(rune);
            for (const QString& option : q.options)
                QVERIFY2(option == run.CorrectAnswers[0] || !own.contains(option), "another meaning of the rune");
            QCOMPARE(QSet<QString>(q.options.begin(), q.options.end()).size(), BeginnerOptions);
        }
    }

    void meaningOnlyReversedAsksTheReversedText()
    {
        TestEnvironment env;
        for (int rune = 0; rune < RuneCount; ++rune) {
            askAbout(run, rune, BeginnerLevel, {0, -1, 0});
            for (int build = 0; build < 6; ++build) {
                run.BuildMeaningQuestion();
                QCOMPARE(run.CorrectAnswers[0], ReversedMeanings[rune]);
            }
        }
        askAbout(run, 6, BeginnerLevel, {0, -1, 0});
        run.BuildMeaningQuestion();
        QCOMPARE(run.CorrectAnswers[0], QStringLiteral("Gebo rune cannot be reversed. The meaning can be understood from "
                                                   "the other runes that fall with it."));
    }

    void ownTextLines()
    {
        QCOMPARE(KeywordsLine(0), QStringLiteral("Keywords: Wealth, Mobility, Fulfillment, Intuition"));
        QCOMPARE(AlternativeNamesLine(0), QStringLiteral("Also known as: Faihu, Foeh, Fe"));
        QCOMPARE(AlternativeNamesLine(23), QStringLiteral("Also known as: Utal, Odal, Otael"));
    }

    void meaningAdvancedAllowsFullScore_data() { meaningBeginnerOptions_data(); }

    // A user who knows the rune ticks the options that belong to it: exactly four, all counted.
    void meaningAdvancedAllowsFullScore()
    {
        QFETCH(Positions, positions);
        QFETCH(int, rune);
        TestEnvironment env;
        askAbout(run, rune, AdvancedLevel, positions);
        const QSet<QString> own = textsOfRune(rune);
        const bool nonReversible = ReversedMeanings[rune] != MerkstaveMeanings[rune];
        for (int build = 0; build < 10; ++build) {
            const Question q = run.BuildMeaningQuestion();
            QCOMPARE(q.options.size(), AdvancedOptions);
            QCOMPARE(q.choiceCaption, QStringLiteral("You must choose 4 options"));
            QCOMPARE(run.CorrectAnswers.size(), 4);
            QCOMPARE(QSet<QString>(run.CorrectAnswers.begin(), run.CorrectAnswers.end()).size(), 4);
            for (int position = 0; position < 3; ++position)
                if (positions[position] == -1)
                    QVERIFY(run.CorrectAnswers.contains(tableOf(position)[rune]));

            QList<bool> ticks;
            for (const QString& option : q.options) {
                ticks << own.contains(option);
                if (!own.contains(option) && nonReversible)
                    for (int other = 0; other < RuneCount; ++other)
                        if (ReversedMeanings[other] != MerkstaveMeanings[other])
                            QVERIFY2(option != ReversedMeanings[other], "a like reversal note is not a fair wrong option");
            }
            QCOMPARE(ticks.count(true), 4);
            QCOMPARE(QSet<QString>(q.options.begin(), q.options.end()).size(), AdvancedOptions);
            run.TotalScore = 0;
            const AnswerCheck check = run.CheckAnswer(1, q.options, ticks);
            QVERIFY(check.accepted());
            QCOMPARE(check.score, 4);
            QCOMPARE(run.QuestionResults[0], QStringLiteral("4 Correct Out of 4"));
        }
    }


    void rightAnswersSpreadOverTheSlots_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        QTest::newRow("keywords beginner") << int(TestKind::Keywords) << BeginnerLevel;
        QTest::newRow("keywords advanced") << int(TestKind::Keywords) << AdvancedLevel;
        QTest::newRow("meanings beginner") << int(TestKind::Meanings) << BeginnerLevel;
        QTest::newRow("meanings advanced") << int(TestKind::Meanings) << AdvancedLevel;
    }

    // Over many seeded questions every slot carries its share of the right answers, so a
    // builder that keeps them in some slots (the first, say) is caught.
    void rightAnswersSpreadOverTheSlots()
    {
        QFETCH(int, kind);
        QFETCH(int, level);
        TestEnvironment env;
        constexpr int Builds = 600;
        QList<int> rightInSlot(level == BeginnerLevel ? BeginnerOptions : AdvancedOptions, 0);
        for (int build = 0; build < Builds; ++build) {
            askAbout(run, build % RuneCount, level);
            platform::setFixedSeed(quint64(build) + 1);
            const Question q = TestKind(kind) == TestKind::Keywords ? run.BuildKeywordQuestion() : run.BuildMeaningQuestion();
            QCOMPARE(q.options.size(), rightInSlot.size());
            for (int slot = 0; slot < q.options.size(); ++slot)
                if (q.correctAnswers.contains(q.options[slot]))
                    ++rightInSlot[slot];
        }
        const int answersPerQuestion = level == BeginnerLevel ? 1 : AdvancedAnswers;
        const double share = double(Builds) * answersPerQuestion / rightInSlot.size();
        for (int slot = 0; slot < rightInSlot.size(); ++slot)
            QVERIFY2(rightInSlot[slot] > 0.7 * share && rightInSlot[slot] < 1.3 * share,
                     qPrintable(QStringLiteral("slot %1 held %2 right answers of about %3")
                                    .arg(slot).arg(rightInSlot[slot]).arg(share)));
    }

private:
    TestRun run;
};

ORVANEL_TEST(TestRuneQuestions)
#include "test_rune_questions.moc"
