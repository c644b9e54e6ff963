#include "courses/tarot/logic/tarot_test.h"

#include "courses/tarot/logic/modDB.h"
#include "platform/random.h"

namespace tarot {

void TarotTest::Start(TestType type, int level, bool reversedAllowed)
{
    m_run.StartTest(type, level, reversedAllowed);
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
    m_db.CardRecordset.Filter(QString());
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
    const bool built = m_run.Type == TestType::Description
                           ? BuildDescriptionQuestion(m_db.CardRecordset, m_run, m_description, problem)
                           : BuildKeywordQuestion(m_db, m_db.CardRecordset, m_run, m_keywords, problem);
    if (!built)
        return fail(problem);
    m_run.FirstQuestion = false;
    return Step::Question;
}

bool TarotTest::WriteTestReport(const QString& applicationTitle, TestReport& report)
{
    return tarot::WriteTestReport(m_db, applicationTitle, m_run, QuestionCount(), report, m_problem);
}

} // namespace tarot
