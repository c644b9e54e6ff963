#pragma once
// The court cards' figures, drawn in the design box (see tarot_shapes.h): the Page standing, the
// Knight on his horse, the Queen and the King on their thrones, each holding the suit's object.
#include "tarot_minors.h"

namespace pictures::tarot {

void paintPage(QPainter& painter, Suit suit, const MinorColours& colours);
void paintKnight(QPainter& painter, Suit suit, const MinorColours& colours);
void paintQueen(QPainter& painter, Suit suit, const MinorColours& colours);
void paintKing(QPainter& painter, Suit suit, const MinorColours& colours);

} // namespace pictures::tarot
