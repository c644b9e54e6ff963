#pragma once
// Card databases for the tarot course tests, put where the course looks for them (learn.dll
// in the test's program folder): the one the build makes, or a made-up deck.
#include <QString>
#include <vector>

#include "card_source.h"

class modDB;

namespace tarot_decks {

inline const QString EveryCard = QStringLiteral(
    "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID");
inline const QString MajorArcana = QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID");

// learn.dll in the program folder: a portable run's card database.
QString besideProgram();
// Copies the learn.dll the build made (78 real cards) into the program folder.
bool installBuiltDatabase();
// Writes the cards as learn.dll into the program folder.
bool installDeck(const std::vector<carddb::CardSource>& cards);
// The made-up cards with IDs 1..count, each valid.
std::vector<carddb::CardSource> madeUpCards(int count);
// Opens learn.dll and the card set of the query as db.CardRecordset (test failure if not).
bool openCardSet(modDB& db, const QString& query = EveryCard);

} // namespace tarot_decks
