#pragma once
// A study run over the open card set: the one mover of the set's cursor while the memorizer
// steps through it in ID order, and the card it shows.
#include <QString>
#include <cstdint>

class modDB;
class Recordset;

namespace tarot {

struct StudyCard;

class StudyRun {
public:
    explicit StudyRun(modDB& db) : m_db(db) {}

    // The first card of the set, with no filter.
    void Begin();
    // One card on; false, and no move, at the last card.
    bool Next();
    // One card back; false, and no move, at the first card.
    bool Previous();
    // The position of the card shown, counted from 1; 0 without one.
    std::int32_t MemorizePosition() const;

    // The set, its current record the card shown.
    const Recordset& cards() const;
    // The card shown (ReadStudyCard).
    bool ReadCard(StudyCard& card, QString& problem) const;

private:
    modDB& m_db;
};

} // namespace tarot
