#pragma once
// Writes cards into an SQLite card database: tblCards (ID, Name, Group, normalmeaning,
// reversedmeaning, PictureData) and tblKeywords (CardID, Keyword), one keyword row per keyword
// in the card's order. It writes what it is given; the checks live in card_source.h.
#include <QString>
#include <vector>

#include "card_source.h"

namespace carddb {

// Writes a new database to a temporary file beside path and then renames it over path, so a
// failed or interrupted build never leaves a half-written database. On failure returns false,
// leaves any older file at path untouched and puts the reason in error.
bool writeCardDatabase(const QString& path, const std::vector<CardSource>& cards, QString* error);

} // namespace carddb
