#pragma once
// The middle of the minor cards, drawn in the design box (see tarot_shapes.h): the pips of Ace to
// Ten and the court figures of Page, Knight, Queen and King.
#include "tarot_shapes.h"

namespace pictures::tarot {

// Ranks inside a suit: 1 Ace .. 10, then the court.
constexpr int kPage = 11;
constexpr int kKnight = 12;
constexpr int kQueen = 13;
constexpr int kKing = 14;

// Colours the minor emblems take from the suit's card: outlines, the suit's deep and light colour
// (clothes, thrones, saddle cloth) and the trim.
struct MinorColours {
    QColor ink;
    QColor deep;
    QColor light;
    QColor trim;
};

// Rank 1..10: the pips; 11..14: the court figure holding the suit's object.
void paintMinorEmblem(QPainter& painter, Suit suit, int rank, const MinorColours& colours);

} // namespace pictures::tarot
