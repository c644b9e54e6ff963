#pragma once
// The state of the tarot course's test run, owned by the course window. Member names are the
// course's own: the test run's question, its answer slots and keyword boxes, and one entry per
// answered question.
#include <cstdint>

#include "courses/tarot/logic/array_helpers.h"

namespace tarot {

enum class TestType { Description = 0, Keywords = 1 };

inline constexpr int AnswerSlots = 7;   // optAnswer(0)..optAnswer(6)
inline constexpr int KeywordBoxes = 20; // chkKeywords(0)..chkKeywords(19)

// What a test level uses: the answer slots of the description test, the keyword boxes and
// how many keywords to choose in the keyword test.
struct LevelShape {
    int FirstAnswerSlot;
    int LastAnswerSlot;
    int LastKeywordBox;
    int KeywordsToChoose;
};
// What the settings page decides for a test run: its type, its level and whether cards may
// be asked reversed.
struct TestChoice {
    TestType Type = TestType::Keywords;
    int Level = 0;
    bool Reversed = false;
};

// Levels 0 Beginner, 1 Intermediate, 2 Advanced; other numbers count as Beginner.
LevelShape ShapeOfLevel(int level);

class TarotRun {
public:
    // Test run, as started by StartTest.
    TestType Type = TestType::Keywords;
    int Level = 0;
    bool ReversedAllowed = false;

    std::int32_t QuestionNumber = 0;
    bool FirstQuestion = false;
    std::int32_t CurrentCardId = 0;
    bool CurrentReversed = false;
    std::int32_t FirstAnswerSlot = 0;
    std::int32_t LastAnswerSlot = 0;
    std::int32_t KeywordsToChoose = 0;
    std::int32_t LastKeywordBox = 0;
    DynamicArray<std::int32_t> TrueKeywordBoxes;
    // One element per answered question, in the order asked.
    DynamicArray<std::int32_t> AskedCardIds;
    DynamicArray<std::int32_t> QuestionScores;
    DynamicArray<bool> QuestionReversed;
    std::int32_t CorrectTotal = 0;

    // A new test run: no answers, no total, the first question to come.
    void StartTest(const TestChoice& choice);
    // Records the question on screen with the score of its answer.
    void RecordAnswer(std::int32_t score);
    int AnswersRecorded() const { return AskedCardIds.size(); }
    // The end of a run: CorrectTotal becomes ScoreTotal().
    void FinishRun();
    // The run's total: the number of right answers in the description test, the sum of the
    // true keywords ticked in the keyword test.
    std::int32_t ScoreTotal() const;
};

} // namespace tarot
