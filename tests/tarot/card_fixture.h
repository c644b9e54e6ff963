#pragma once
// Made-up decks for the card database tests: valid cards with plain JPEG pictures, written as
// card sources (texts and pictures) or straight into a database file.
#include <QByteArray>
#include <QSize>
#include <QString>
#include <vector>

#include "card_source.h"

namespace card_fixture {

// A JPEG picture in a colour of its own for each id, by default of a card picture's size.
QByteArray jpegPicture(int id, QSize size = QSize(carddb::PictureWidth, carddb::PictureHeight));
// A card that passes every check: the group of its id, seven keywords of its own, meanings of
// about 300 characters and a picture.
carddb::CardSource validCard(int id);
// All 78 valid cards in ID order.
std::vector<carddb::CardSource> fullDeck();

// Writes the cards as source texts (five files, by group) into folder/cards and their pictures
// into folder/pictures.
void writeSources(const QString& folder, const std::vector<carddb::CardSource>& cards);
// One card as its source block, without the empty line after it.
QString sourceBlock(const carddb::CardSource& card);

// Writes the cards into a new database file at path; false (with a test failure message) when
// that fails.
bool writeDatabase(const QString& path, const std::vector<carddb::CardSource>& cards);

} // namespace card_fixture
