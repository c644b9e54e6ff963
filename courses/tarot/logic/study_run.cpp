#include "courses/tarot/logic/study_run.h"

#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/logic/study_card.h"

namespace tarot {

void StudyRun::Begin()
{
    m_db.CardRecordset.Filter(QString());
    m_db.CardRecordset.MoveFirst();
}

bool StudyRun::Next()
{
    if (MemorizePosition() >= m_db.CardRecordset.RecordCount())
        return false;
    m_db.CardRecordset.MoveNext();
    return true;
}

bool StudyRun::Previous()
{
    if (MemorizePosition() < 2)
        return false;
    m_db.CardRecordset.MovePrevious();
    return true;
}

std::int32_t StudyRun::MemorizePosition() const { return m_db.CardRecordset.AbsolutePosition(); }

const Recordset& StudyRun::cards() const { return m_db.CardRecordset; }

bool StudyRun::ReadCard(StudyCard& card, QString& problem) const
{
    return ReadStudyCard(m_db, m_db.CardRecordset, card, problem);
}

} // namespace tarot
