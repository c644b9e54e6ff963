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

void TarotRun::StartTest(const TestChoice& choice)
{
    Type = choice.Type;
    Level = choice.Level;
    ReversedAllowed = choice.Reversed;
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

void TarotRun::FinishRun() { CorrectTotal = ScoreTotal(); }

std::int32_t TarotRun::ScoreTotal() const
{
    std::int32_t total = 0;
    for (std::int32_t score : QuestionScores)
        total += Type == TestType::Description ? (score == 1 ? 1 : 0) : score;
    return total;
}

} // namespace tarot
