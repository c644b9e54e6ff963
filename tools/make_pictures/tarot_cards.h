#pragma once
// The 78 tarot card faces: number at the top, name at the bottom, emblem or pips in the middle,
// framed in the colours of the majors or of the suit. Written as tarot/pictures/NN.jpg for the card
// database tool.
#include "picture_common.h"

#include <QDir>
#include <QImage>

namespace pictures {

constexpr int kTarotCardCount = 78;

// Card `id`, 1..78: the majors 0..XXI, then Cups, Wands, Pentacles and Swords, Ace to King each.
QString tarotCardName(int id);
// What the top of the card shows: a Roman numeral ("0" for The Fool), "ACE" to "X", or the court title.
QString tarotCardNumeral(int id);

// The face of card `id`: laid out for 150 x 260 and drawn at twice that, 300 x 520 pixels.
QImage paintTarotCard(int id);

// Writes tarot/pictures/01.jpg .. 78.jpg; returns the files written.
bool writeTarotPictures(const QDir& resources, std::vector<Resource>& written);

} // namespace pictures
