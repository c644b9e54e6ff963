#pragma once
// The emblems of the 22 major cards, drawn in the design box (see tarot_shapes.h).
#include <QColor>
#include <QPainter>

namespace pictures::tarot {

constexpr int kMajorCount = 22;

// Emblem of major `number`, 0 (The Fool) .. 21 (The World); `ink` outlines the shapes.
void paintMajorEmblem(QPainter& painter, int number, const QColor& ink);

} // namespace pictures::tarot
