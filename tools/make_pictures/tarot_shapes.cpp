#include "tarot_shapes.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>

namespace pictures::tarot {

namespace {

const QColor kLeafGreen(92, 150, 64);
const QColor kLeafDark(40, 84, 30);
const QColor kCoinStar(150, 40, 30);
const QColor kGrip(92, 52, 36);

struct MetalShades {
    QColor light;
    QColor mid;
    QColor dark;
};

MetalShades shadesOf(Metal metal)
{
    switch (metal) {
    case Metal::Gold:
        return {QColor(252, 232, 160), QColor(226, 180, 72), QColor(164, 114, 36)};
    case Metal::Silver:
        return {QColor(250, 252, 255), QColor(196, 204, 218), QColor(122, 132, 152)};
    case Metal::Wood:
        return {QColor(208, 156, 96), QColor(166, 108, 52), QColor(110, 66, 28)};
    }
    return {};
}

// A small pointed leaf from `base` towards `degrees`, `length` long.
QPainterPath leafPath(const QPointF& base, double length, double degrees)
{
    const double width = length * 0.42;
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    leaf.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    QTransform place;
    place.translate(base.x(), base.y());
    place.rotate(degrees);
    return place.map(leaf);
}

} // namespace

QPointF polar(const QPointF& centre, double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
}

QPolygonF starPolygon(const QPointF& centre, int points, double outer, double inner, double startDegrees)
{
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i)
        star << polar(centre, (i % 2 == 0) ? outer : inner, startDegrees + i * 180.0 / points);
    return star;
}

QPainterPath heartPath(const QPointF& centre, double width, double height)
{
    // Unit heart in a 2 x 2 box: lobes at the top, point at the bottom.
    QPainterPath unit;
    unit.moveTo(0, -0.55);
    unit.cubicTo(0.15, -1.05, 1.0, -1.05, 1.0, -0.35);
    unit.cubicTo(1.0, 0.2, 0.35, 0.55, 0, 1.0);
    unit.cubicTo(-0.35, 0.55, -1.0, 0.2, -1.0, -0.35);
    unit.cubicTo(-1.0, -1.05, -0.15, -1.05, 0, -0.55);
    unit.closeSubpath();
    const QRectF box = unit.boundingRect();
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(width / box.width(), height / box.height());
    place.translate(-box.center().x(), -box.center().y());
    return place.map(unit);
}

QPainterPath thickLine(const QPainterPath& path, double width, Qt::PenCapStyle cap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCurveThreshold(0.05);
    return stroker.createStroke(path).simplified();
}

QPainterPath thickLine(const QPointF& from, const QPointF& to, double width, Qt::PenCapStyle cap)
{
    QPainterPath line(from);
    line.lineTo(to);
    return thickLine(line, width, cap);
}

QLinearGradient verticalGradient(double top, double bottom, const QColor& topColour, const QColor& bottomColour)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0.0, topColour);
    gradient.setColorAt(1.0, bottomColour);
    return gradient;
}

QLinearGradient metalBrush(const QRectF& rect, Metal metal)
{
    const MetalShades shades = shadesOf(metal);
    QLinearGradient brush(rect.topLeft(), rect.bottomRight());
    brush.setColorAt(0.0, shades.light);
    brush.setColorAt(0.45, shades.mid);
    brush.setColorAt(0.7, shades.light.darker(104));
    brush.setColorAt(1.0, shades.dark);
    return brush;
}

void paintShape(QPainter& painter, const QPainterPath& shape, const QBrush& brush, const QColor& ink, double inkWidth)
{
    painter.setBrush(brush);
    painter.setPen(QPen(ink, inkWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shape);
}

void paintMetal(QPainter& painter, const QPainterPath& shape, Metal metal, const QColor& ink, double inkWidth)
{
    paintShape(painter, shape, metalBrush(shape.boundingRect(), metal), ink, inkWidth);
}

void paintGlow(QPainter& painter, const QPointF& centre, double radius, const QColor& colour)
{
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, colour);
    QColor mid = colour;
    mid.setAlphaF(colour.alphaF() * 0.35);
    glow.setColorAt(0.5, mid);
    QColor clear = colour;
    clear.setAlpha(0);
    glow.setColorAt(1.0, clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);
}

void paintChalice(QPainter& painter, const QPointF& c, double h, const QColor& ink)
{
    const double w = h * 0.66;
    const double rimY = c.y() - h * 0.44;
    const double bowlBottom = c.y() + h * 0.06;

    QPainterPath bowl;
    bowl.moveTo(c.x() - w / 2, rimY);
    bowl.cubicTo(c.x() - w / 2, rimY + h * 0.36, c.x() - h * 0.14, bowlBottom, c.x(), bowlBottom);
    bowl.cubicTo(c.x() + h * 0.14, bowlBottom, c.x() + w / 2, rimY + h * 0.36, c.x() + w / 2, rimY);
    bowl.closeSubpath();

    QPainterPath foot;
    foot.moveTo(c.x() - h * 0.045, bowlBottom - h * 0.02);
    foot.lineTo(c.x() - h * 0.045, c.y() + h * 0.32);
    foot.quadTo(c.x() - h * 0.07, c.y() + h * 0.43, c.x() - h * 0.25, c.y() + h * 0.45);
    foot.lineTo(c.x() - h * 0.25, c.y() + h * 0.5);
    foot.lineTo(c.x() + h * 0.25, c.y() + h * 0.5);
    foot.lineTo(c.x() + h * 0.25, c.y() + h * 0.45);
    foot.quadTo(c.x() + h * 0.07, c.y() + h * 0.43, c.x() + h * 0.045, c.y() + h * 0.32);
    foot.lineTo(c.x() + h * 0.045, bowlBottom - h * 0.02);
    foot.closeSubpath();

    QPainterPath knot;
    knot.addEllipse(QPointF(c.x(), c.y() + h * 0.17), h * 0.09, h * 0.055);

    QPainterPath body = bowl.united(foot).united(knot);
    paintMetal(painter, body, Metal::Gold, ink);

    // Band of ornament across the bowl.
    painter.setPen(QPen(QColor(164, 114, 36), h * 0.025));
    painter.setBrush(Qt::NoBrush);
    QPainterPath band;
    band.moveTo(c.x() - w * 0.44, rimY + h * 0.12);
    band.quadTo(c.x(), rimY + h * 0.19, c.x() + w * 0.44, rimY + h * 0.12);
    painter.drawPath(band);

    // The opening: a dark ellipse with water in it.
    const QRectF rim(c.x() - w / 2, rimY - h * 0.06, w, h * 0.12);
    QLinearGradient water(rim.topLeft(), rim.bottomLeft());
    water.setColorAt(0.0, QColor(40, 80, 140));
    water.setColorAt(1.0, QColor(120, 180, 220));
    painter.setBrush(water);
    painter.setPen(QPen(ink, kInkWidth));
    painter.drawEllipse(rim);
}

void paintStaff(QPainter& painter, const QPointF& c, double h, const QColor& ink)
{
    const double top = c.y() - h * 0.5;
    const double bottom = c.y() + h * 0.5;
    // Stout enough to read as a staff when small, without growing into a log when large.
    const double topHalf = 2.0 + h * 0.05;
    const double bottomHalf = 2.6 + h * 0.062;

    // Leaves sprout from the sides of the staff, alternating, larger near the top; the top leaf
    // stays below the tip so the staff stands centred on its place.
    const struct {
        double y;
        double degrees;
        double length;
    } leaves[] = {{-0.34, -135.0, 0.27}, {-0.26, -45.0, 0.26}, {-0.08, -150.0, 0.23}, {0.1, -30.0, 0.22},
                  {0.27, -148.0, 0.2}};
    for (const auto& leaf : leaves) {
        const double x = c.x() + (leaf.degrees < -90 ? -topHalf : topHalf) * 0.5;
        const double length = 4.0 + h * (leaf.length - 0.1);
        QPainterPath shape = leafPath(QPointF(x, c.y() + h * leaf.y), length, leaf.degrees);
        QLinearGradient green(shape.boundingRect().topLeft(), shape.boundingRect().bottomRight());
        green.setColorAt(0.0, kLeafGreen.lighter(125));
        green.setColorAt(1.0, kLeafGreen.darker(115));
        paintShape(painter, shape, green, kLeafDark, kInkWidth * 0.8);
    }

    QPainterPath rod;
    rod.moveTo(c.x() - topHalf, top + topHalf);
    rod.quadTo(c.x() - topHalf, top, c.x(), top);
    rod.quadTo(c.x() + topHalf, top, c.x() + topHalf, top + topHalf);
    rod.lineTo(c.x() + bottomHalf, bottom - bottomHalf);
    rod.quadTo(c.x() + bottomHalf, bottom, c.x(), bottom);
    rod.quadTo(c.x() - bottomHalf, bottom, c.x() - bottomHalf, bottom - bottomHalf);
    rod.closeSubpath();
    paintMetal(painter, rod, Metal::Wood, ink);

    // Knots in the wood.
    painter.setPen(QPen(QColor(110, 66, 28), std::max(h * 0.022, 1.0), Qt::SolidLine, Qt::RoundCap));
    for (const double y : {-0.2, 0.08, 0.3}) {
        const double half = topHalf + (bottomHalf - topHalf) * (y + 0.5);
        painter.drawLine(QPointF(c.x() - half * 0.7, c.y() + h * y), QPointF(c.x() + half * 0.7, c.y() + h * (y - 0.02)));
    }
}

void paintCoin(QPainter& painter, const QPointF& c, double h, const QColor& ink)
{
    const double r = h * 0.42;
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    paintMetal(painter, disc, Metal::Gold, ink);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(164, 114, 36), h * 0.022));
    painter.drawEllipse(c, r * 0.84, r * 0.84);

    // Interlaced five-pointed star, one tip up.
    const double starR = r * 0.76;
    QPolygonF pentagram;
    for (int i = 0; i < 5; ++i)
        pentagram << polar(c, starR, -90.0 + i * 144.0);
    pentagram << pentagram.front();
    painter.setPen(QPen(kCoinStar, h * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.drawPolyline(pentagram);
}

void paintSword(QPainter& painter, const QPointF& c, double h, const QColor& ink)
{
    const double point = c.y() - h * 0.5;
    const double guardY = c.y() + h * 0.18;
    // A broad blade, wide enough to read as a sword even when small.
    const double half = std::max(h * 0.11, 3.6);

    QPainterPath blade;
    blade.moveTo(c.x(), point);
    blade.quadTo(c.x() + half, point + h * 0.06, c.x() + half, point + h * 0.15);
    blade.lineTo(c.x() + half * 0.9, guardY);
    blade.lineTo(c.x() - half * 0.9, guardY);
    blade.lineTo(c.x() - half, point + h * 0.15);
    blade.quadTo(c.x() - half, point + h * 0.06, c.x(), point);
    blade.closeSubpath();
    paintMetal(painter, blade, Metal::Silver, ink);
    // Fuller down the middle of the blade.
    painter.setPen(QPen(QColor(122, 132, 152), std::max(h * 0.024, 1.0), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(c.x(), point + h * 0.12), QPointF(c.x(), guardY - h * 0.03));

    const QPainterPath grip =
        thickLine(QPointF(c.x(), guardY), QPointF(c.x(), c.y() + h * 0.41), std::max(h * 0.095, 3.2), Qt::FlatCap);
    paintShape(painter, grip, kGrip, ink);

    QPainterPath guard;
    guard.moveTo(c.x() - h * 0.27, guardY - h * 0.04);
    guard.quadTo(c.x(), guardY + h * 0.01, c.x() + h * 0.27, guardY - h * 0.04);
    guard = thickLine(guard, std::max(h * 0.085, 3.0));
    paintMetal(painter, guard, Metal::Gold, ink);

    QPainterPath pommel;
    const double pommelR = std::max(h * 0.065, 2.4);
    pommel.addEllipse(QPointF(c.x(), c.y() + h * 0.44), pommelR, pommelR);
    paintMetal(painter, pommel, Metal::Gold, ink);
}

void paintSuitObject(QPainter& painter, Suit suit, const QPointF& centre, double height, const QColor& ink)
{
    switch (suit) {
    case Suit::Cups:
        paintChalice(painter, centre, height, ink);
        return;
    case Suit::Wands:
        paintStaff(painter, centre, height, ink);
        return;
    case Suit::Pentacles:
        paintCoin(painter, centre, height, ink);
        return;
    case Suit::Swords:
        paintSword(painter, centre, height, ink);
        return;
    }
}

} // namespace pictures::tarot
