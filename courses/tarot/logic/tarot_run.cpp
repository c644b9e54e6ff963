#include "courses/tarot/logic/tarot_run.h"

namespace tarot {

LevelShape ShapeOfLevel(int level)
{
    switch (level) {
    case 1:
        return {1, 5, 11, 5};
    case 2:
        return {0, 6, 19, 7};
    default:
        return {2, 4, 6, 3};
    }
}

void TarotRun::StartTest(TestType type, int level, bool reversedAllowed)
{
    Type = type;
    Level = level;
    ReversedAllowed = reversedAllowed;
    CorrectTotal = 0;
    AskedCardIds.erase();
    QuestionScores.erase();
    TrueKeywordBoxes.erase();
    QuestionReversed.erase();
    FirstQuestion = true;
    CurrentReversed = false;
    QuestionNumber = 0;
}

void TarotRun::RecordAnswer(std::int32_t score)
{
    AskedCardIds.append(CurrentCardId);
    QuestionReversed.append(CurrentReversed);
    QuestionScores.append(score);
}

void TarotRun::FinishRun()
{
    if (Type != TestType::Description)
        return;
    CorrectTotal = 0;
    for (std::int32_t score : QuestionScores)
        if (score == 1)
            ++CorrectTotal;
}

} // namespace tarot
