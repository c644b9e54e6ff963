#pragma once
// State and rules of a runes test run, for the keyword page of the course window and the
// meaning-test window: question order, question builders, answer check, scoring and the
// result list. Each window owns the run it shows; the windows show what the run decides.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace modLearnRunesTest {

inline constexpr int QuestionCount = 24;
inline constexpr int BeginnerLevel = 0;
inline constexpr int AdvancedLevel = 1;
inline constexpr int BeginnerOptions = 5;
inline constexpr int AdvancedOptions = 8;
inline constexpr int AdvancedAnswers = 4;
inline constexpr int PositionUpright = 0;
inline constexpr int PositionReversed = 1;
inline constexpr int PositionMerkstave = 2;
// The flag value of a stone position that the run asks about.
inline constexpr int PositionAsked = -1;

enum class TestKind { Keywords, Meanings };

// One question as the window shows it.
struct Question {
    int number = 0;
    int rune = 0;
    QString stoneName;
    QString pictureKey;    // key of the rune's picture, "01 Fehu" ..
    QString indexCaption;  // "Question 7"
    QString choiceCaption; // how many options to choose
    QStringList options;   // 5 or 8 option texts, in box order
    QStringList correctAnswers;
    int requiredTicks = 1;
    int askedPosition = -1; // Beginner meaning questions: the position the correct answer comes from
};

QString KeywordsLine(int rune);         // "Keywords: Wealth, Mobility, Fulfillment, Intuition"
QString AlternativeNamesLine(int rune); // "Also known as: Faihu, Foeh, Fe"

// The outcome of checking the ticks of the question on screen.
struct AnswerCheck {
    QString message; // empty when the ticks were accepted
    int tickedCount = 0;
    int score = 0;
    bool accepted() const { return message.isEmpty(); }
};

// What a press of a test's "Next" button leads to.
struct NextPress {
    enum Outcome { Refused, ShowQuestion, ShowResults };
    Outcome outcome = Refused;
    QString message;    // Refused: the message to show
    QString resultList; // ShowResults: the list to write
    int tickedCount = 0;
};

// The window-level tick counters of a test page.
struct TickCounter {
    int TickCount = 0;   // clicks that left a box ticked since the last press of "Next"
    int TickedCount = 0; // ticked boxes counted at the last press of "Next"
    void reset() { TickCount = TickedCount = 0; }
    // Counts a change of an option box; true when the focus should now move to "Next", which
    // is when the ticks reach the number the question asks for.
    bool click(bool nowTicked, int requiredTicks);
};

// One run of a runes test: its state under the names the course uses, and its rules.
class TestRun {
public:
    // Rune number asked by question n in entry n (n = 1..24); entries 0 and 25 stay 0.
    std::array<int, QuestionCount + 2> QuestionOrder{};
    // BeginnerLevel or AdvancedLevel.
    int TestLevel = BeginnerLevel;
    // PositionAsked or 0 for Upright, Reversed, Merkstave in entries 0..2; entry 3 is never set.
    std::array<int, 4> StonePositions{};
    // Number of the question on screen: 0 while the run is set up, then 1..24.
    int KeywordQuestionNo = 0;
    int MeaningQuestionNo = 0;
    // The correct answers (1 at Beginner, 4 at Advanced) and the options (5 or 8) of the question on screen.
    QStringList CorrectAnswers;
    QStringList AnswerChoices;
    // Result text of question n in entry n - 1.
    std::array<QString, QuestionCount + 1> QuestionResults;
    int QuestionScore = 0;
    int TotalScore = 0;

    // Options shown and ticks expected at the run's level.
    int OptionCount() const;
    int RequiredTicks() const;

    // Fills QuestionOrder 1..24 with a random order of the rune numbers 0..23.
    void ShuffleQuestionOrder();

    // Build question KeywordQuestionNo / MeaningQuestionNo (1..24) of the run, setting
    // CorrectAnswers and AnswerChoices. No option text stands twice on a keyword question,
    // and no wrong keyword option is one of the asked rune's keywords.
    Question BuildKeywordQuestion();
    Question BuildMeaningQuestion();

    // The texts an Advanced meaning question counts as correct for the rune: its distinct meanings
    // in the asked positions, then its other distinct meanings, then its keywords and its
    // alternative names as one line each, until there are four.
    QStringList AdvancedMeaningAnswers(int rune) const;

    // Checks and scores the ticks against CorrectAnswers. captions and ticked hold every option
    // box (hidden ones too); only the boxes shown at the run's level count. On acceptance the
    // result text goes into entry questionNo - 1 of QuestionResults and the score into TotalScore.
    AnswerCheck CheckAnswer(int questionNo, const QStringList& captions, const QList<bool>& ticked);

    // A press of "Next": the first press of a run clears the scores and moves to question 1;
    // later presses check the question on screen and move on, and the press on question 24 gives
    // the result list and clears the scores again.
    NextPress PressNext(TestKind kind, const QStringList& captions, const QList<bool>& ticked);

    // The result list of the run (lines end in CR LF, except the last).
    QString ResultListText(TestKind kind) const;

private:
    Question startQuestion(int n);
    void placeAnswers(const QStringList& answers);
    Question finishQuestion(Question q) const;
    int drawAskedPosition() const;
    bool positionAsked(int position) const { return StonePositions[position] == PositionAsked; }
    int runeOfQuestion(int n) const;
};

} // namespace modLearnRunesTest
