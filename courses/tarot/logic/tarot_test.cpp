#include "courses/tarot/logic/tarot_test.h"

#include "courses/tarot/logic/modDB.h"
#include "platform/random.h"

namespace tarot {

void TarotTest::Start(const TestChoice& choice)
{
    m_run.StartTest(choice);
    m_problem.clear();
    platform::Randomize();
}

int TarotTest::QuestionCount() const
{
    Recordset set = m_db.CardRecordset;
    set.Filter(QString());
    return set.RecordCount();
}

TarotTest::Step TarotTest::fail(const QString& problem)
{
    m_problem = problem;
    return Step::Failed;
}

TarotTest::Step TarotTest::NextQuestion(std::int32_t answeredScore)
{
    ++m_run.QuestionNumber;
    if (!m_run.FirstQuestion)
        m_run.RecordAnswer(answeredScore);

    const int count = QuestionCount();
    if (count == 0)
        return fail(QStringLiteral("The chosen card set holds no cards."));
    if (m_run.AnswersRecorded() >= count) {
        m_run.FinishRun();
        return Step::Complete;
    }

    const std::optional<std::int32_t> card = DrawUnaskedCard(m_db.CardRecordset, m_run.AskedCardIds);
    if (!card)
        return fail(QStringLiteral("Every card of the chosen set has been asked, yet the test is not complete."));
    m_run.CurrentCardId = *card;

    QString problem;
    const bool description = m_run.Type == TestType::Description;
    const bool built = description ? BuildDescriptionQuestion(m_db.CardRecordset, m_run, m_description, problem)
                                   : BuildKeywordQuestion(m_db, m_db.CardRecordset, m_run, m_keywords, problem);
    if (!built)
        return fail(problem);
    m_run.FirstQuestion = false;
    return description ? Step::DescriptionQuestion : Step::KeywordQuestion;
}

std::int32_t TarotTest::Score(const Answer& answer) const
{
    return m_run.Type == TestType::Description ? DescriptionScore(m_description, answer.ChosenSlot)
                                               : KeywordScore(m_run, answer.Ticked);
}

bool TarotTest::WriteTestReport(const QString& applicationTitle, TestReport& report)
{
    return tarot::WriteTestReport(m_db, applicationTitle, m_run, QuestionCount(), report, m_problem);
}

} // namespace tarot
