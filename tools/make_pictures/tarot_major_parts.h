#pragma once
// Pieces the major emblems share, and the emblems themselves, split over two files
// (0 The Fool .. X Wheel of Fortune, XI Justice .. XXI The World).
#include "tarot_shapes.h"

#include <QFont>

namespace pictures::tarot {

const QColor kCrimson(196, 38, 48);
const QColor kRose(236, 126, 146);
const QColor kSkin(248, 224, 194);
const QColor kIvory(250, 246, 230);
const QColor kLeaf(88, 150, 70);
const QColor kLeafInk(36, 78, 30);
const QColor kSkyBlue(92, 150, 222);
const QColor kRobeBlue(52, 84, 170);
const QColor kFlame(250, 150, 40);
const QColor kPaleMoon(246, 238, 196);

// Outline of `text` in the DejaVu Serif, `size` units tall, centred on `centre`.
QPainterPath letterPath(const QString& text, double size, const QPointF& centre, bool bold = true);

// Lemniscate (infinity sign) as a line, `halfWidth` from its centre to each end.
QPainterPath infinityLine(const QPointF& centre, double halfWidth);

// Chalice turned by `degrees` about its centre.
void paintTiltedChalice(QPainter& painter, const QPointF& centre, double height, double degrees, const QColor& ink);

void paintFool(QPainter& painter, const QColor& ink);
void paintMagician(QPainter& painter, const QColor& ink);
void paintHighPriestess(QPainter& painter, const QColor& ink);
void paintEmpress(QPainter& painter, const QColor& ink);
void paintEmperor(QPainter& painter, const QColor& ink);
void paintHierophant(QPainter& painter, const QColor& ink);
void paintLovers(QPainter& painter, const QColor& ink);
void paintChariot(QPainter& painter, const QColor& ink);
void paintStrength(QPainter& painter, const QColor& ink);
void paintHermit(QPainter& painter, const QColor& ink);
void paintWheel(QPainter& painter, const QColor& ink);
void paintJustice(QPainter& painter, const QColor& ink);
void paintHangedMan(QPainter& painter, const QColor& ink);
void paintDeath(QPainter& painter, const QColor& ink);
void paintTemperance(QPainter& painter, const QColor& ink);
void paintDevil(QPainter& painter, const QColor& ink);
void paintTower(QPainter& painter, const QColor& ink);
void paintStar(QPainter& painter, const QColor& ink);
void paintMoon(QPainter& painter, const QColor& ink);
void paintSun(QPainter& painter, const QColor& ink);
void paintJudgement(QPainter& painter, const QColor& ink);
void paintWorld(QPainter& painter, const QColor& ink);

} // namespace pictures::tarot
