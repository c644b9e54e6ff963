#pragma once
// What the memorizer shows of a card: its name, both meanings and its keyword list.
#include <QString>

class modDB;
class Recordset;

namespace tarot {

inline constexpr int StudyKeywords = 7;

struct StudyCard {
    QString Name;
    QString NormalMeaning;
    QString ReversedMeaning;
    // Up to seven keywords in the order the database gives them, each followed by ", ".
    QString Keywords;
};

// The current card of cards, with its keywords read from the database; false, with problem
// set, when there is no current card or the keywords cannot be read.
bool ReadStudyCard(modDB& db, const Recordset& cards, StudyCard& card, QString& problem);

} // namespace tarot
