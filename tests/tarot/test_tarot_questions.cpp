// The tarot test engine without a window: which card comes next, what a description or
// keyword question offers, how answers score, and that thin card data ends a run with a
// problem instead of an endless draw.
#include <QHash>
#include <QSet>
#include <QTest>
#include <algorithm>

#include "card_fixture.h"
#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/logic/modGlobals.h"
#include "courses/tarot/logic/tarot_questions.h"
#include "courses/tarot/logic/tarot_test.h"
#include "fixtures.h"
#include "platform/random.h"
#include "tarot_decks.h"
#include "test_registry.h"

using namespace tarot;

namespace {

QString meaningOf(const Recordset& card, bool reversed)
{
    return card.Field(reversed ? QStringLiteral("reversedmeaning") : QStringLiteral("normalmeaning")).toString();
}

QSet<QString> keywordsOf(modDB& db, int id)
{
    Recordset rows;
    db.OpenRecordset(rows, db.CardConnection, QStringLiteral("SELECT Keyword FROM tblKeywords WHERE CardID=%1").arg(id));
    QSet<QString> words;
    for (bool more = rows.MoveFirst(); more; more = rows.MoveNext())
        words.insert(rows.Field(QStringLiteral("Keyword")).toString());
    return words;
}

QList<int> idsOf(const Recordset& cards)
{
    Recordset set = cards;
    QList<int> ids;
    for (bool more = set.MoveFirst(); more; more = set.MoveNext())
        ids << set.Field(QStringLiteral("ID")).toInt();
    return ids;
}

} // namespace

class TestTarotQuestions : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        db.CardRecordset.Close();
        db.CardConnection.Close();
        env.reset();
    }

    void everyCardOfTheSetIsDrawnOnceInRandomOrder()
    {
        QVERIFY(tarot_decks::installBuiltDatabase());
        QVERIFY(tarot_decks::openCardSet(db));
        TarotRun run;
        QList<int> order;
        for (int i = 0; i < 78; ++i) {
            const std::optional<std::int32_t> id = DrawUnaskedCard(db.CardRecordset, run.AskedCardIds);
            QVERIFY(id);
            QVERIFY2(!order.contains(*id), "a card was drawn twice");
            order << *id;
            run.CurrentCardId = *id;
            run.RecordAnswer(0);
        }
        QVERIFY(!DrawUnaskedCard(db.CardRecordset, run.AskedCardIds));
        QList<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, idsOf(db.CardRecordset));
        QVERIFY2(order != sorted, "the cards come in ID order, not at random");
    }

    void descriptionChoicesByLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("beginner") << 0 << 2 << 4;
        QTest::newRow("intermediate") << 1 << 1 << 5;
        QTest::newRow("advanced") << 2 << 0 << 6;
    }
    void descriptionChoicesByLevel()
    {
        QFETCH(int, level);
        QFETCH(int, first);
        QFETCH(int, last);
        QVERIFY(tarot_decks::installBuiltDatabase());
        QVERIFY(tarot_decks::openCardSet(db));
        // Every meaning in the set, by orientation, and whose it is.
        QHash<QString, int> owner[2];
        for (int id : idsOf(db.CardRecordset)) {
            const Recordset card = CardRecord(db.CardRecordset, id);
            owner[0].insert(meaningOf(card, false), id);
            owner[1].insert(meaningOf(card, true), id);
        }
        TarotRun run;
        run.StartTest({TestType::Description, level, true});
        for (int i = 0; i < 120; ++i) {
            run.CurrentCardId = 1 + (i * 7) % 78;
            DescriptionQuestion question;
            QString problem;
            QVERIFY2(BuildDescriptionQuestion(db.CardRecordset, run, question, problem), qPrintable(problem));
            QCOMPARE(run.FirstAnswerSlot, first);
            QCOMPARE(run.LastAnswerSlot, last);
            QVERIFY(question.RightSlot >= first && question.RightSlot <= last);
            QCOMPARE(question.Reversed, run.CurrentReversed);
            const Recordset card = CardRecord(db.CardRecordset, run.CurrentCardId);
            QCOMPARE(question.CardName, card.Field(QStringLiteral("Name")).toString());
            QCOMPARE(question.Captions[question.RightSlot], meaningOf(card, question.Reversed));
            QSet<QString> shown;
            for (int slot = 0; slot < AnswerSlots; ++slot) {
                const QString& caption = question.Captions[slot];
                if (slot < first || slot > last) {
                    QVERIFY2(caption.isEmpty(), "a choice outside the level has a text");
                    continue;
                }
                QVERIFY(!caption.isEmpty());
                shown.insert(caption);
                // Every choice is a meaning of the shown orientation, and only the right one is the card's own.
                QVERIFY(owner[question.Reversed].contains(caption));
                QCOMPARE(owner[question.Reversed].value(caption) == run.CurrentCardId, slot == question.RightSlot);
            }
            QCOMPARE(shown.size(), last - first + 1);
        }
    }

    void reversedOnlyWhenTheRunAllowsIt_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::newRow("reversed ticked") << true;
        QTest::newRow("reversed not ticked") << false;
    }
    void reversedOnlyWhenTheRunAllowsIt()
    {
        QFETCH(bool, allowed);
        QVERIFY(tarot_decks::installBuiltDatabase());
        QVERIFY(tarot_decks::openCardSet(db));
        TarotRun run;
        run.StartTest({TestType::Description, 0, allowed});
        int reversed = 0;
        for (int i = 0; i < 400; ++i) {
            run.CurrentCardId = 1 + i % 78;
            DescriptionQuestion question;
            QString problem;
            QVERIFY(BuildDescriptionQuestion(db.CardRecordset, run, question, problem));
            reversed += question.Reversed ? 1 : 0;
        }
        // Odd after rounding Rnd x 10 half to even: one question in two.
        if (allowed)
            QVERIFY2(reversed > 150 && reversed < 250, qPrintable(QString::number(reversed)));
        else
            QCOMPARE(reversed, 0);
    }

    void rightAnswerSpreadsOverEverySlot_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("beginner") << 0;
        QTest::newRow("intermediate") << 1;
        QTest::newRow("advanced") << 2;
    }
    void rightAnswerSpreadsOverEverySlot()
    {
        QFETCH(int, level);
        QVERIFY(tarot_decks::installBuiltDatabase());
        QVERIFY(tarot_decks::openCardSet(db, tarot_decks::MajorArcana));
        TarotRun run;
        run.StartTest({TestType::Description, level, false});
        std::array<int, AnswerSlots> rightIn{};
        constexpr int Questions = 700;
        for (int i = 0; i < Questions; ++i) {
            run.CurrentCardId = 1 + i % 22;
            DescriptionQuestion question;
            QString problem;
            QVERIFY(BuildDescriptionQuestion(db.CardRecordset, run, question, problem));
            ++rightIn[question.RightSlot];
        }
        const double expected = double(Questions) / (run.LastAnswerSlot - run.FirstAnswerSlot + 1);
        for (int slot = run.FirstAnswerSlot; slot <= run.LastAnswerSlot; ++slot)
            QVERIFY2(rightIn[slot] > expected * 0.6 && rightIn[slot] < expected * 1.4,
                     qPrintable(QStringLiteral("slot %1 held the right answer %2 times of %3").arg(slot).arg(rightIn[slot]).arg(Questions)));
    }

    void aMeaningEqualToTheRightOneIsNeverAWrongChoice()
    {
        // Card 2 carries card 1's upright meaning; asked about card 1, that text may stand once only.
        std::vector<carddb::CardSource> cards = tarot_decks::madeUpCards(10);
        cards[1].upright = cards[0].upright;
        QVERIFY(tarot_decks::installDeck(cards));
        QVERIFY(tarot_decks::openCardSet(db));
        TarotRun run;
        run.StartTest({TestType::Description, 2, false});
        run.CurrentCardId = 1;
        for (int i = 0; i < 100; ++i) {
            DescriptionQuestion question;
            QString problem;
            QVERIFY2(BuildDescriptionQuestion(db.CardRecordset, run, question, problem), qPrintable(problem));
            QCOMPARE(std::count(question.Captions.begin(), question.Captions.end(), cards[0].upright), 1);
        }
    }

    void tooFewDifferentMeaningsEndWithAProblem_data()
    {
        QTest::addColumn<int>("cardCount");
        QTest::addColumn<int>("sameTextFrom");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("six cards, five share one meaning, beginner") << 6 << 1 << 0 << false;
        QTest::newRow("six cards, advanced needs six others") << 6 << 99 << 2 << false;
        QTest::newRow("seven cards, exactly the six others advanced needs") << 7 << 99 << 2 << true;
        QTest::newRow("three cards at intermediate") << 3 << 99 << 1 << false;
        QTest::newRow("one card") << 1 << 99 << 0 << false;
    }
    void tooFewDifferentMeaningsEndWithAProblem()
    {
        QFETCH(int, cardCount);
        QFETCH(int, sameTextFrom);
        QFETCH(int, level);
        QFETCH(bool, accepted);
        std::vector<carddb::CardSource> cards = tarot_decks::madeUpCards(cardCount);
        for (int i = sameTextFrom; i < cardCount; ++i)
            cards[i].upright = cards[static_cast<std::size_t>(sameTextFrom)].upright;
        QVERIFY(tarot_decks::installDeck(cards));
        QVERIFY(tarot_decks::openCardSet(db));
        TarotRun run;
        run.StartTest({TestType::Description, level, false});
        run.CurrentCardId = 1;
        DescriptionQuestion question;
        QString problem;
        QCOMPARE(BuildDescriptionQuestion(db.CardRecordset, run, question, problem), accepted);
        if (accepted) {
            // Every other card's meaning stands on one of the choices.
            QCOMPARE(QSet<QString>(question.Captions.begin(), question.Captions.end()).size(), cardCount);
            return;
        }
        QVERIFY2(problem.contains(QStringLiteral("\"Card 1\"")), qPrintable(problem));
    }

    void keywordQuestionsByLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("lastBox");
        QTest::addColumn<int>("toChoose");
        QTest::newRow("beginner") << 0 << 6 << 3;
        QTest::newRow("intermediate") << 1 << 11 << 5;
        QTest::newRow("advanced") << 2 << 19 << 7;
    }
    void keywordQuestionsByLevel()
    {
        QFETCH(int, level);
        QFETCH(int, lastBox);
        QFETCH(int, toChoose);
        QVERIFY(tarot_decks::installBuiltDatabase());
        QVERIFY(tarot_decks::openCardSet(db));
        TarotRun run;
        run.StartTest({TestType::Keywords, level, true});
        for (int i = 0; i < 78; ++i) {
            run.CurrentCardId = i + 1;
            KeywordQuestion question;
            QString problem;
            QVERIFY2(BuildKeywordQuestion(db, db.CardRecordset, run, question, problem), qPrintable(problem));
            QCOMPARE(run.LastKeywordBox, lastBox);
            QCOMPARE(run.KeywordsToChoose, toChoose);
            QVERIFY(!run.CurrentReversed);
            QCOMPARE(run.TrueKeywordBoxes.size(), toChoose);
            const QSet<QString> own = keywordsOf(db, run.CurrentCardId);
            QSet<QString> shown;
            int ownShown = 0;
            for (int box = 0; box < KeywordBoxes; ++box) {
                const QString& caption = question.Captions[box];
                if (box > lastBox) {
                    QVERIFY(caption.isEmpty());
                    continue;
                }
                QVERIFY(!caption.isEmpty());
                shown.insert(caption);
                const bool isTrueBox = modGlobals::IsInArrayLong(box, run.TrueKeywordBoxes);
                // The card's own keywords stand exactly on the true boxes.
                QCOMPARE(own.contains(caption), isTrueBox);
                ownShown += isTrueBox ? 1 : 0;
            }
            QCOMPARE(ownShown, toChoose);
            QCOMPARE(shown.size(), lastBox + 1);
        }
    }

    void aKeywordSharedWithAnotherCardNeverStandsAsWrong()
    {
        // Card 2 also has card 1's fifth keyword. Asked about card 1, that keyword is true or absent.
        std::vector<carddb::CardSource> cards = tarot_decks::madeUpCards(30);
        cards[1].keywords[3] = cards[0].keywords[4];
        QVERIFY(tarot_decks::installDeck(cards));
        QVERIFY(tarot_decks::openCardSet(db));
        TarotRun run;
        run.StartTest({TestType::Keywords, 0, false});
        run.CurrentCardId = 1;
        int appeared = 0;
        for (int i = 0; i < 200; ++i) {
            KeywordQuestion question;
            QString problem;
            QVERIFY(BuildKeywordQuestion(db, db.CardRecordset, run, question, problem));
            for (int box = 0; box <= run.LastKeywordBox; ++box) {
                if (question.Captions[box] != cards[0].keywords[4])
                    continue;
                ++appeared;
                QVERIFY2(modGlobals::IsInArrayLong(box, run.TrueKeywordBoxes), "a keyword of the card stands on a wrong box");
            }
        }
        // Chosen as one of three true keywords of seven, it shows in about 3 questions of 7.
        QVERIFY(appeared > 50);
    }

    void thinKeywordDataEndsWithAProblem_data()
    {
        QTest::addColumn<int>("cardCount");
        QTest::addColumn<int>("keywordsOfCardOne");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("named");
        QTest::newRow("four keywords, five to choose") << 30 << 4 << 1 << "only 4 different keywords";
        QTest::newRow("duplicate keywords count once") << 30 << -1 << 2 << "only 1 different keywords";
        QTest::newRow("too few other keywords for twenty boxes") << 2 << 7 << 2 << "too few keywords of other cards";
    }
    void thinKeywordDataEndsWithAProblem()
    {
        QFETCH(int, cardCount);
        QFETCH(int, keywordsOfCardOne);
        QFETCH(int, level);
        QFETCH(QString, named);
        std::vector<carddb::CardSource> cards = tarot_decks::madeUpCards(cardCount);
        if (keywordsOfCardOne < 0)
            cards[0].keywords = QStringList(7, QStringLiteral("Same"));
        else
            cards[0].keywords = cards[0].keywords.mid(0, keywordsOfCardOne);
        QVERIFY(tarot_decks::installDeck(cards));
        QVERIFY(tarot_decks::openCardSet(db));
        TarotRun run;
        run.StartTest({TestType::Keywords, level, false});
        run.CurrentCardId = 1;
        KeywordQuestion question;
        QString problem;
        QVERIFY(!BuildKeywordQuestion(db, db.CardRecordset, run, question, problem));
        QVERIFY2(problem.contains(named), qPrintable(problem));
    }

    void keywordBoxesAreChosenOnceEach_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("beginner") << 0;
        QTest::newRow("intermediate") << 1;
        QTest::newRow("advanced") << 2;
    }
    void keywordBoxesAreChosenOnceEach()
    {
        QFETCH(int, level);
        TarotRun run;
        const LevelShape shape = ShapeOfLevel(level);
        run.LastKeywordBox = shape.LastKeywordBox;
        run.KeywordsToChoose = shape.KeywordsToChoose;
        QSet<int> everUsed;
        for (int i = 0; i < 200; ++i) {
            ShuffleKeywords(run);
            QCOMPARE(run.TrueKeywordBoxes.size(), shape.KeywordsToChoose);
            QSet<int> boxes;
            for (std::int32_t box : run.TrueKeywordBoxes) {
                QVERIFY(box >= 0 && box <= shape.LastKeywordBox);
                boxes.insert(box);
            }
            QCOMPARE(boxes.size(), shape.KeywordsToChoose);
            everUsed += boxes;
        }
        QCOMPARE(everUsed.size(), shape.LastKeywordBox + 1);
    }

    void answersScore_data()
    {
        QTest::addColumn<int>("rightSlot");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("score");
        QTest::newRow("right choice") << 3 << 3 << 1;
        QTest::newRow("other choice") << 3 << 2 << 0;
        QTest::newRow("no choice") << 3 << -1 << 0;
        QTest::newRow("first slot right") << 0 << 0 << 1;
    }
    void answersScore()
    {
        QFETCH(int, rightSlot);
        QFETCH(int, chosen);
        QFETCH(int, score);
        DescriptionQuestion question;
        question.RightSlot = rightSlot;
        QCOMPARE(DescriptionScore(question, chosen), score);
    }

    void keywordAnswersScoreTheTrueBoxesTicked_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<int>("score");
        QTest::newRow("all three true boxes") << QList<int>{1, 4, 6} << 3;
        QTest::newRow("two true, one wrong") << QList<int>{1, 4, 5} << 2;
        QTest::newRow("only wrong boxes") << QList<int>{0, 2, 3} << 0;
        QTest::newRow("nothing ticked") << QList<int>{} << 0;
    }
    void keywordAnswersScoreTheTrueBoxesTicked()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(int, score);
        TarotRun run;
        run.TrueKeywordBoxes = {4, 1, 6};
        std::array<bool, KeywordBoxes> boxes{};
        for (int box : ticked)
            boxes[box] = true;
        QCOMPARE(KeywordScore(run, boxes), score);
    }

    void aRunAsksEveryCardOnceThenEnds_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("description") << int(TestType::Description);
        QTest::newRow("keywords") << int(TestType::Keywords);
    }
    void aRunAsksEveryCardOnceThenEnds()
    {
        QFETCH(int, type);
        QVERIFY(tarot_decks::installBuiltDatabase());
        QVERIFY(tarot_decks::openCardSet(db, tarot_decks::MajorArcana));
        TarotRun run;
        TarotTest test(db, run);
        test.Start({TestType(type), 1, true});
        QCOMPARE(test.QuestionCount(), 22);
        QList<int> asked;
        int given = 0;
        const TarotTest::Step question = type == int(TestType::Description) ? TarotTest::Step::DescriptionQuestion
                                                                            : TarotTest::Step::KeywordQuestion;
        TarotTest::Step step = test.NextQuestion(0);
        while (step == question) {
            QCOMPARE(run.QuestionNumber, asked.size() + 1);
            QVERIFY2(!asked.contains(run.CurrentCardId), "a card was asked twice");
            asked << run.CurrentCardId;
            // Answer every third question right (description) or with two true keywords.
            const int score = asked.size() % 3 == 0 ? (type == int(TestType::Description) ? 1 : 2) : 0;
            given += score;
            step = test.NextQuestion(score);
        }
        QCOMPARE(step, TarotTest::Step::Complete);
        QCOMPARE(asked.size(), 22);
        QCOMPARE(run.AnswersRecorded(), 22);
        QCOMPARE(run.AskedCardIds.values(), std::vector<std::int32_t>(asked.begin(), asked.end()));
        TestReport report;
        QVERIFY(test.WriteTestReport(QStringLiteral("Orvanel"), report));
        QCOMPARE(run.CorrectTotal, given);
        const QString expected = type == int(TestType::Description)
                                     ? QStringLiteral("%1 out of 22 questions correct").arg(given)
                                     : QStringLiteral("%1/110 choice(s) from 22 questions were correct").arg(given);
        QCOMPARE(report.summary, expected);
    }

    void aQuestionThatCannotBeBuiltEndsTheRun()
    {
        // Card 9 has two keywords; the run fails when it comes up, and says which card.
        std::vector<carddb::CardSource> cards = tarot_decks::madeUpCards(30);
        cards[8].keywords = cards[8].keywords.mid(0, 2);
        QVERIFY(tarot_decks::installDeck(cards));
        QVERIFY(tarot_decks::openCardSet(db));
        TarotRun run;
        TarotTest test(db, run);
        test.Start({TestType::Keywords, 0, false});
        TarotTest::Step step = test.NextQuestion(0);
        int questions = 0;
        while (step == TarotTest::Step::KeywordQuestion && questions < 100) {
            ++questions;
            step = test.NextQuestion(0);
        }
        QCOMPARE(step, TarotTest::Step::Failed);
        QVERIFY(questions < 30);
        QVERIFY2(test.problem().contains(QStringLiteral("\"Card 9\"")), qPrintable(test.problem()));
    }

private:
    std::unique_ptr<TestEnvironment> env;
    modDB db;
};

ORVANEL_TEST(TestTarotQuestions)
#include "test_tarot_questions.moc"
