#pragma once
// Drawing pieces shared by the tarot card faces: metal brushes, outlined shapes, stars, hearts and
// the four suit objects (chalice, staff, coin, sword) that both the pips and some majors use.
//
// Emblems are drawn in a design box 100 units wide and 140 high, centred on the origin, y down;
// the card maps that box onto its picture, so every width below is in design units.
#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace pictures::tarot {

constexpr double kDesignHeight = 140.0;
// Outline width of emblem shapes.
constexpr double kInkWidth = 1.4;

enum class Metal { Gold, Silver, Wood };

enum class Suit { Cups, Wands, Pentacles, Swords };

QPointF polar(const QPointF& centre, double radius, double degrees);

// Star with `points` tips alternating between the outer and the inner radius; the first tip points
// in the direction `startDegrees` (-90 is straight up).
QPolygonF starPolygon(const QPointF& centre, int points, double outer, double inner, double startDegrees = -90.0);

// Heart whose bounding box is `width` x `height` centred on `centre`.
QPainterPath heartPath(const QPointF& centre, double width, double height);

// Outline of a line of `width` along `path`, so it can be filled and inked like any shape.
QPainterPath thickLine(const QPainterPath& path, double width, Qt::PenCapStyle cap = Qt::RoundCap);
QPainterPath thickLine(const QPointF& from, const QPointF& to, double width, Qt::PenCapStyle cap = Qt::RoundCap);

// Brush shading from `topColour` at y = `top` to `bottomColour` at y = `bottom`.
QLinearGradient verticalGradient(double top, double bottom, const QColor& topColour, const QColor& bottomColour);

// Shaded brush of a metal (or wood) running across `rect`, light at the upper left.
QLinearGradient metalBrush(const QRectF& rect, Metal metal);

// Fills `shape` and inks its outline.
void paintShape(QPainter& painter, const QPainterPath& shape, const QBrush& brush, const QColor& ink,
                double inkWidth = kInkWidth);
void paintMetal(QPainter& painter, const QPainterPath& shape, Metal metal, const QColor& ink,
                double inkWidth = kInkWidth);

// Soft round glow of `colour` fading out at `radius`.
void paintGlow(QPainter& painter, const QPointF& centre, double radius, const QColor& colour);

// The suit objects, `height` units tall, centred on `centre`, standing upright.
void paintChalice(QPainter& painter, const QPointF& centre, double height, const QColor& ink);
void paintStaff(QPainter& painter, const QPointF& centre, double height, const QColor& ink);
void paintCoin(QPainter& painter, const QPointF& centre, double height, const QColor& ink);
void paintSword(QPainter& painter, const QPointF& centre, double height, const QColor& ink);
void paintSuitObject(QPainter& painter, Suit suit, const QPointF& centre, double height, const QColor& ink);

} // namespace pictures::tarot
