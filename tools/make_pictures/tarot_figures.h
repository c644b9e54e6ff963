#pragma once
// Simple people for the tarot faces, drawn in the design box (see tarot_shapes.h): a figure seen
// from the front in a tunic or a gown, standing, striding or seated, with its hands where the
// picture needs them; and the crowns the rulers wear.
#include "tarot_shapes.h"

namespace pictures::tarot {

struct Clothes {
    QColor robe;  // tunic or gown
    QColor trim;  // belt and hem
    QColor hair;
    QColor hose;  // legs and shoes under a tunic
};

enum class Dress { Tunic, Gown, SeatedGown };

// A person from the front. The feet stand on the ground (left and right as the viewer sees
// them); `height` runs from the ground to the top of the head.
struct Person {
    QPointF leftFoot;
    QPointF rightFoot;
    double height = 100.0;
    Dress dress = Dress::Tunic;
    QPointF leftHand;
    QPointF rightHand;
    Clothes clothes;
    bool longHair = false;
    bool beard = false;
    // Where the face looks: -1 to the left, 0 ahead, 1 to the right.
    double look = 0.0;
};

// Where a head was drawn, for hats and crowns.
struct Head {
    QPointF centre;
    double radius = 0.0;
};

Head paintPerson(QPainter& painter, const Person& person, const QColor& ink);

// A hand at `at` for a figure `height` tall, drawn over what it holds.
void paintHand(QPainter& painter, const QPointF& at, double height, const QColor& ink);

// A crown whose band is `width` wide and sits centred on `base`, with `points` spikes: pearls on
// the tips (a queen's) or jewels in the band (a king's).
void paintCrown(QPainter& painter, const QPointF& base, double width, double height, int points, bool pearls,
                const QColor& ink);

} // namespace pictures::tarot
