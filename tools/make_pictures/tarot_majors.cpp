#include "tarot_majors.h"

#include "tarot_major_parts.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <array>

namespace pictures::tarot {

QPainterPath letterPath(const QString& text, double size, const QPointF& centre, bool bold)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(bold);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(size / box.height(), size / box.height());
    place.translate(-box.center().x(), -box.center().y());
    return place.map(path);
}

QPainterPath infinityLine(const QPointF& centre, double halfWidth)
{
    QPainterPath line;
    constexpr int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const double t = 2.0 * M_PI * i / steps;
        const double d = 1.0 + std::sin(t) * std::sin(t);
        const QPointF p = centre + QPointF(halfWidth * std::cos(t) / d, halfWidth * std::sin(t) * std::cos(t) / d * 1.2);
        if (i == 0)
            line.moveTo(p);
        else
            line.lineTo(p);
    }
    return line;
}

void paintTiltedChalice(QPainter& painter, const QPointF& centre, double height, double degrees, const QColor& ink)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    paintChalice(painter, QPointF(0, 0), height, ink);
    painter.restore();
}

namespace {

// A jester's cap with three belled points over a smiling face and a ruff.
void paintFoolCap(QPainter& painter, const QColor& ink)
{
    struct Point {
        QPointF base1, c1, c2, tip, c3, c4, base2;
        QColor colour;
    };
    const std::array<Point, 3> horns = {{
        {{-34, 12}, {-38, -14}, {-42, -24}, {-45, -12}, {-40, -36}, {-16, -40}, {-8, 8}, kCrimson},
        {{34, 12}, {38, -14}, {42, -24}, {45, -12}, {40, -36}, {16, -40}, {8, 8}, QColor(48, 120, 80)},
        {{-13, 8}, {-15, -22}, {-8, -48}, {6, -60}, {4, -42}, {12, -20}, {13, 8}, kCrimson},
    }};
    for (const Point& horn : horns) {
        QPainterPath path(horn.base1);
        path.cubicTo(horn.c1, horn.c2, horn.tip);
        path.cubicTo(horn.c3, horn.c4, horn.base2);
        path.closeSubpath();
        QLinearGradient shade(path.boundingRect().topLeft(), path.boundingRect().bottomRight());
        shade.setColorAt(0.0, horn.colour.lighter(135));
        shade.setColorAt(1.0, horn.colour.darker(125));
        paintShape(painter, path, shade, ink);
        QPainterPath bell;
        bell.addEllipse(horn.tip + QPointF(0, 4), 5.5, 5.5);
        paintMetal(painter, bell, Metal::Gold, ink);
    }
}

} // namespace

void paintFool(QPainter& painter, const QColor& ink)
{
    painter.save();
    painter.translate(0, -4);
    // Ruff collar of white points under the chin.
    QPolygonF ruff;
    for (int i = 0; i <= 12; ++i)
        ruff << QPointF(-32 + i * 64.0 / 12, (i % 2 == 0) ? 58 : 70);
    ruff << QPointF(24, 52) << QPointF(-24, 52);
    QPainterPath ruffPath;
    ruffPath.addPolygon(ruff);
    ruffPath.closeSubpath();
    paintShape(painter, ruffPath, kIvory, ink);

    QPainterPath face;
    face.addEllipse(QPointF(0, 36), 19, 22);
    paintShape(painter, face, kSkin, ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 140, 140, 150));
    painter.drawEllipse(QPointF(-11, 42), 4, 3);
    painter.drawEllipse(QPointF(11, 42), 4, 3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    QPainterPath eyes;
    eyes.moveTo(-11, 33);
    eyes.quadTo(-7, 29, -3, 33);
    eyes.moveTo(3, 33);
    eyes.quadTo(7, 29, 11, 33);
    painter.drawPath(eyes);
    QPainterPath smile;
    smile.moveTo(-9, 44);
    smile.quadTo(0, 53, 9, 44);
    painter.drawPath(smile);

    paintFoolCap(painter, ink);
    QPainterPath band;
    band.moveTo(-38, 8);
    band.quadTo(0, 0, 38, 8);
    band.lineTo(37, 22);
    band.quadTo(0, 14, -37, 22);
    band.closeSubpath();
    paintMetal(painter, band, Metal::Gold, ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCrimson);
    for (int i = -3; i <= 3; ++i) {
        const QPointF c(i * 10.0, 11.0 + std::abs(i) * 0.35);
        painter.drawPolygon(QPolygonF{c + QPointF(0, -4), c + QPointF(3, 0), c + QPointF(0, 4), c + QPointF(-3, 0)});
    }
    painter.restore();
}

void paintMagician(QPainter& painter, const QColor& ink)
{
    paintGlow(painter, QPointF(0, -46), 30, QColor(255, 236, 170, 120));
    paintMetal(painter, thickLine(infinityLine(QPointF(0, -46), 30), 5.0), Metal::Gold, ink, 1.0);

    // Raised wand, white with gold ends.
    paintShape(painter, thickLine(QPointF(0, -24), QPointF(0, 30), 6.0), kIvory, ink);
    for (const double y : {-26.0, 32.0}) {
        QPainterPath knob;
        knob.addEllipse(QPointF(0, y), 4.5, 4.5);
        paintMetal(painter, knob, Metal::Gold, ink);
    }

    // His table with the four tools of the suits.
    QPainterPath cloth;
    cloth.moveTo(-41, 46);
    cloth.lineTo(41, 46);
    cloth.lineTo(37, 61);
    cloth.lineTo(-37, 61);
    cloth.closeSubpath();
    QLinearGradient red(0, 46, 0, 61);
    red.setColorAt(0.0, kCrimson.lighter(120));
    red.setColorAt(1.0, kCrimson.darker(140));
    paintShape(painter, cloth, red, ink);
    QPainterPath top;
    top.addRoundedRect(QRectF(-43, 42, 86, 6), 2, 2);
    paintMetal(painter, top, Metal::Wood, ink);
    paintChalice(painter, QPointF(-30, 33), 17, ink);
    paintCoin(painter, QPointF(-14, 35), 14, ink);
    paintSword(painter, QPointF(14, 30), 23, ink);
    paintStaff(painter, QPointF(30, 30), 23, ink);
}

void paintHighPriestess(QPainter& painter, const QColor& ink)
{
    // Veil hung between the pillars, dotted with pomegranates.
    const QRectF veil(-23, -50, 46, 102);
    QLinearGradient veilShade(veil.topLeft(), veil.bottomLeft());
    veilShade.setColorAt(0.0, QColor(44, 104, 118));
    veilShade.setColorAt(1.0, QColor(20, 56, 70));
    QPainterPath veilPath;
    veilPath.addRect(veil);
    paintShape(painter, veilPath, veilShade, ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(226, 74, 84));
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 3; ++col)
            painter.drawEllipse(QPointF(-14 + col * 14 + (row % 2) * 7 - 3.5, -42 + row * 18), 2.2, 2.2);

    const struct {
        double x;
        QColor light;
        QColor dark;
        QColor letter;
        const char* text;
    } pillars[] = {{-30, QColor(84, 80, 96), QColor(22, 20, 28), kIvory, "B"},
                   {30, QColor(255, 253, 246), QColor(190, 184, 170), QColor(30, 28, 36), "J"}};
    for (const auto& pillar : pillars) {
        QLinearGradient stone(pillar.x - 7, 0, pillar.x + 7, 0);
        stone.setColorAt(0.0, pillar.dark);
        stone.setColorAt(0.4, pillar.light);
        stone.setColorAt(1.0, pillar.dark);
        QPainterPath shaft;
        shaft.addRect(QRectF(pillar.x - 7, -54, 14, 108));
        paintShape(painter, shaft, stone, ink);
        for (const double y : {-57.0, 57.0}) {
            QPainterPath block;
            block.addRoundedRect(QRectF(pillar.x - 10, y - 4, 20, 8), 1.5, 1.5);
            paintMetal(painter, block, Metal::Gold, ink, 1.0);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(pillar.letter);
        painter.drawPath(letterPath(QString::fromLatin1(pillar.text), 10, QPointF(pillar.x, -38)));
    }

    // Waxing, full and waning moon: her crown.
    const QPointF c(0, -20);
    paintGlow(painter, c, 26, QColor(230, 236, 255, 140));
    QPainterPath full;
    full.addEllipse(c, 7.5, 7.5);
    paintShape(painter, full, kPaleMoon, ink, 1.1);
    for (const int side : {-1, 1}) {
        QPainterPath disc;
        disc.addEllipse(c + QPointF(side * 14, 0), 7.5, 7.5);
        QPainterPath bite;
        bite.addEllipse(c + QPointF(side * 18, 0), 6.5, 6.5);
        paintShape(painter, disc.subtracted(bite), kPaleMoon, ink, 1.1);
    }
    // The crescent at her feet.
    QPainterPath low;
    low.addEllipse(QPointF(0, 32), 13, 13);
    QPainterPath lowBite;
    lowBite.addEllipse(QPointF(0, 25), 12.5, 12.5);
    paintShape(painter, low.subtracted(lowBite), kPaleMoon, ink);
}

void paintEmpress(QPainter& painter, const QColor& ink)
{
    // Crown of twelve stars over a heart-shaped shield bearing the sign of Venus, with wheat.
    for (int i = 0; i < 12; ++i) {
        const double angle = -160.0 + i * 140.0 / 11;
        QPainterPath star;
        star.addPolygon(starPolygon(polar(QPointF(0, 8), 50, angle), 6, 5.2, 2.4));
        star.closeSubpath();
        paintMetal(painter, star, Metal::Gold, ink, 0.8);
    }

    for (const int side : {-1, 1}) {
        QPainterPath stalk;
        stalk.moveTo(side * 8, 66);
        stalk.quadTo(side * 30, 52, side * 40, 22);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(196, 150, 60), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(stalk);
        for (int k = 0; k < 6; ++k) {
            const double t = 0.45 + k * 0.1;
            const QPointF at = stalk.pointAtPercent(t);
            const double slope = stalk.angleAtPercent(t);
            for (const int lean : {-1, 1}) {
                painter.save();
                painter.translate(at);
                painter.rotate(-slope + lean * 28);
                QPainterPath grain;
                grain.addEllipse(QPointF(4.5, 0), 4.5, 2.2);
                paintMetal(painter, grain, Metal::Gold, ink, 0.6);
                painter.restore();
            }
        }
    }

    const QPainterPath heart = heartPath(QPointF(0, 14), 64, 60);
    QLinearGradient copper(-32, -16, 32, 44);
    copper.setColorAt(0.0, QColor(244, 170, 160));
    copper.setColorAt(1.0, QColor(170, 60, 70));
    paintShape(painter, heart, copper, ink, 1.8);
    QPainterPath venus;
    venus.addEllipse(QPointF(0, 4), 10, 10);
    venus.moveTo(0, 14);
    venus.lineTo(0, 34);
    venus.moveTo(-8, 25);
    venus.lineTo(8, 25);
    paintMetal(painter, thickLine(venus, 4.2, Qt::FlatCap), Metal::Gold, ink, 1.0);
}

void paintEmperor(QPainter& painter, const QColor& ink)
{
    // Stone cube of his throne with the ram's sign, the orb with its cross upon it.
    QPainterPath top;
    top.addPolygon(QPolygonF{{-32, 20}, {32, 20}, {24, 10}, {-24, 10}});
    top.closeSubpath();
    QPainterPath front;
    front.addRect(QRectF(-32, 20, 64, 44));
    QLinearGradient stone(-32, 10, 32, 64);
    stone.setColorAt(0.0, QColor(190, 190, 200));
    stone.setColorAt(1.0, QColor(100, 100, 116));
    paintShape(painter, front, stone, ink);
    paintShape(painter, top, QColor(214, 214, 222), ink);

    QPainterPath ram;
    ram.moveTo(0, 58);
    ram.lineTo(0, 38);
    ram.cubicTo(0, 26, -8, 24, -12, 27);
    ram.cubicTo(-16, 30, -14, 37, -9, 37);
    ram.moveTo(0, 38);
    ram.cubicTo(0, 26, 8, 24, 12, 27);
    ram.cubicTo(16, 30, 14, 37, 9, 37);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kCrimson.darker(115), 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(ram);

    QPainterPath orb;
    orb.addEllipse(QPointF(0, -14), 22, 22);
    paintMetal(painter, orb, Metal::Gold, ink);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 100, 30), 3.0));
    painter.drawArc(QRectF(-22, -22, 44, 16), 180 * 16, 180 * 16);
    painter.drawLine(QPointF(0, -36), QPointF(0, -6));
    paintShape(painter, [] {
        QPainterPath gem;
        gem.addEllipse(QPointF(0, -6), 3.2, 3.2);
        return gem;
    }(), kCrimson, ink, 0.9);
    QPainterPath cross;
    cross.moveTo(0, -36);
    cross.lineTo(0, -64);
    cross.moveTo(-9, -54);
    cross.lineTo(9, -54);
    paintMetal(painter, thickLine(cross, 5.0, Qt::SquareCap), Metal::Gold, ink, 1.0);
}

namespace {

// A key lying along the x axis from its bow (at the origin) to the end of its bit.
QPainterPath keyPath(double length)
{
    QPainterPath bow;
    bow.addEllipse(QPointF(0, 0), 8, 8);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 4, 4);
    QPainterPath key = bow.subtracted(hole);
    QPainterPath shaft;
    shaft.addRect(QRectF(7, -2.2, length - 7, 4.4));
    QPainterPath bit;
    bit.addPolygon(QPolygonF{{length - 14, 1}, {length - 14, 11}, {length - 9, 11}, {length - 9, 7},
                             {length - 5, 7}, {length - 5, 11}, {length, 11}, {length, 1}});
    bit.closeSubpath();
    return key.united(shaft).united(bit);
}

} // namespace

void paintHierophant(QPainter& painter, const QColor& ink)
{
    // Triple cross above two crossed keys, one gold and one silver.
    QPainterPath cross;
    cross.moveTo(0, -64);
    cross.lineTo(0, 24);
    for (const auto& [y, half] : {std::pair{-52.0, 8.0}, std::pair{-41.0, 13.0}, std::pair{-30.0, 18.0}}) {
        cross.moveTo(-half, y);
        cross.lineTo(half, y);
    }
    paintGlow(painter, QPointF(0, -42), 34, QColor(255, 236, 170, 90));
    paintMetal(painter, thickLine(cross, 5.0, Qt::SquareCap), Metal::Gold, ink, 1.0);

    const double length = 66.0;
    for (const auto& [angle, metal] : {std::pair{45.0, Metal::Silver}, std::pair{135.0, Metal::Gold}}) {
        painter.save();
        painter.translate(0, 38);
        painter.rotate(angle);
        painter.translate(-length / 2, 0);
        if (angle > 90)
            painter.scale(1, -1);
        paintMetal(painter, keyPath(length), metal, ink);
        painter.restore();
    }
}

void paintLovers(QPainter& painter, const QColor& ink)
{
    // The sun above two hearts pierced by one arrow.
    const QPointF sun(0, -44);
    paintGlow(painter, sun, 30, QColor(255, 220, 120, 130));
    QPainterPath rays;
    rays.addPolygon(starPolygon(sun, 12, 21, 11));
    rays.closeSubpath();
    paintMetal(painter, rays, Metal::Gold, ink, 1.0);
    QPainterPath disc;
    disc.addEllipse(sun, 10, 10);
    paintShape(painter, disc, QColor(255, 214, 90), ink);

    const QPainterPath right = heartPath(QPointF(13, 20), 46, 42);
    const QPainterPath left = heartPath(QPointF(-13, 14), 46, 42);
    QLinearGradient pink(0, -8, 30, 42);
    pink.setColorAt(0.0, kRose.lighter(115));
    pink.setColorAt(1.0, kRose.darker(130));
    paintShape(painter, right, pink, ink);
    QLinearGradient red(-30, -8, 0, 36);
    red.setColorAt(0.0, kCrimson.lighter(135));
    red.setColorAt(1.0, kCrimson.darker(125));
    paintShape(painter, left, red, ink);

    const QPointF tail(-44, 44);
    const QPointF head(42, -6);
    paintMetal(painter, thickLine(tail, head - QPointF(6, -4.2), 3.0, Qt::FlatCap), Metal::Gold, ink, 0.9);
    const QPointF dir = (head - tail) / std::hypot(head.x() - tail.x(), head.y() - tail.y());
    const QPointF normal(-dir.y(), dir.x());
    QPainterPath point;
    point.addPolygon(QPolygonF{head, head - dir * 12 + normal * 6, head - dir * 12 - normal * 6});
    point.closeSubpath();
    paintMetal(painter, point, Metal::Silver, ink, 1.0);
    for (const double along : {2.0, 8.0}) {
        const QPointF base = tail + dir * along;
        QPainterPath feather;
        feather.addPolygon(QPolygonF{base, base + dir * 8 + normal * 6, base + dir * 12, base + dir * 8 - normal * 6});
        feather.closeSubpath();
        paintShape(painter, feather, kIvory, ink, 0.9);
    }
}

void paintChariot(QPainter& painter, const QColor& ink)
{
    // Canopy of stars on four posts over the car, one great wheel and the shaft.
    for (const double x : {-30.0, 24.0}) {
        paintMetal(painter, thickLine(QPointF(x, -14), QPointF(x, -42), 3.0, Qt::FlatCap), Metal::Gold, ink, 0.9);
    }
    QPainterPath canopy;
    canopy.moveTo(-38, -42);
    canopy.quadTo(-4, -66, 32, -42);
    for (int i = 0; i < 5; ++i) {
        const double x0 = 32 - i * 14.0;
        canopy.quadTo(x0 - 7, -34, x0 - 14, -42);
    }
    canopy.closeSubpath();
    QLinearGradient blue(0, -60, 0, -36);
    blue.setColorAt(0.0, kRobeBlue.lighter(130));
    blue.setColorAt(1.0, kRobeBlue.darker(120));
    paintShape(painter, canopy, blue, ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 226, 140));
    for (const QPointF& at : {QPointF(-22, -46), QPointF(-8, -52), QPointF(6, -50), QPointF(18, -45), QPointF(-2, -42)})
        painter.drawPolygon(starPolygon(at, 5, 3.2, 1.3));

    paintMetal(painter, thickLine(QPointF(30, 8), QPointF(47, 20), 4.0), Metal::Wood, ink, 1.0);
    QPainterPath car;
    car.moveTo(-36, -16);
    car.lineTo(26, -16);
    car.cubicTo(38, -16, 42, 2, 34, 16);
    car.lineTo(-36, 16);
    car.closeSubpath();
    paintMetal(painter, car, Metal::Gold, ink);

    // Winged disc on the side of the car.
    for (const int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(0, -2);
        wing.quadTo(side * 12, -10, side * 22, -6);
        wing.quadTo(side * 14, 0, 0, 3);
        wing.closeSubpath();
        paintShape(painter, wing, kIvory, ink, 0.9);
    }
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), 5, 5);
    paintShape(painter, disc, kCrimson, ink, 1.0);

    const QPointF hub(-6, 32);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(110, 66, 28), 3.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i)
        painter.drawLine(polar(hub, 5, i * 45.0), polar(hub, 21, i * 45.0));
    QPainterPath rim;
    rim.addEllipse(hub, 25, 25);
    QPainterPath inner;
    inner.addEllipse(hub, 20, 20);
    paintMetal(painter, rim.subtracted(inner), Metal::Wood, ink, 1.0);
    QPainterPath boss;
    boss.addEllipse(hub, 6, 6);
    paintMetal(painter, boss, Metal::Gold, ink, 1.0);
}

void paintStrength(QPainter& painter, const QColor& ink)
{
    // The infinity sign over a lion's head.
    paintMetal(painter, thickLine(infinityLine(QPointF(0, -54), 18), 3.6), Metal::Gold, ink, 0.9);

    const QPointF c(0, 10);
    QPainterPath mane;
    constexpr int tufts = 18;
    for (int i = 0; i <= tufts; ++i) {
        const double angle = -90.0 + i * 360.0 / tufts;
        const QPointF outer = polar(c, 44, angle);
        if (i == 0) {
            mane.moveTo(outer);
            continue;
        }
        const QPointF dip = polar(c, 36, angle - 180.0 / tufts);
        const QPointF bulge = polar(c, 48, angle - 90.0 / tufts);
        mane.quadTo(dip, bulge);
        mane.quadTo(bulge, outer);
    }
    mane.closeSubpath();
    QRadialGradient fur(c, 48);
    fur.setColorAt(0.0, QColor(240, 170, 60));
    fur.setColorAt(1.0, QColor(168, 86, 24));
    paintShape(painter, mane, fur, ink);

    for (const int side : {-1, 1}) {
        QPainterPath ear;
        ear.addEllipse(c + QPointF(side * 20, -20), 7, 7);
        paintShape(painter, ear, QColor(226, 168, 90), ink);
    }
    QPainterPath face;
    face.moveTo(c + QPointF(0, -26));
    face.cubicTo(c + QPointF(20, -26), c + QPointF(26, -6), c + QPointF(22, 10));
    face.cubicTo(c + QPointF(18, 24), c + QPointF(8, 30), c + QPointF(0, 30));
    face.cubicTo(c + QPointF(-8, 30), c + QPointF(-18, 24), c + QPointF(-22, 10));
    face.cubicTo(c + QPointF(-26, -6), c + QPointF(-20, -26), c + QPointF(0, -26));
    QLinearGradient tan(c + QPointF(0, -26), c + QPointF(0, 30));
    tan.setColorAt(0.0, QColor(248, 206, 128));
    tan.setColorAt(1.0, QColor(222, 160, 80));
    paintShape(painter, face, tan, ink);

    for (const int side : {-1, 1}) {
        QPainterPath muzzle;
        muzzle.addEllipse(c + QPointF(side * 6, 17), 7, 6);
        paintShape(painter, muzzle, QColor(252, 232, 196), ink, 1.0);
        QPainterPath eye;
        eye.moveTo(c + QPointF(side * 4, -4));
        eye.quadTo(c + QPointF(side * 10, -9), c + QPointF(side * 15, -4));
        eye.quadTo(c + QPointF(side * 10, -1), c + QPointF(side * 4, -4));
        paintShape(painter, eye, QColor(70, 50, 20), ink, 1.0);
    }
    QPainterPath nose;
    nose.addPolygon(QPolygonF{c + QPointF(-6, 8), c + QPointF(6, 8), c + QPointF(0, 14)});
    nose.closeSubpath();
    paintShape(painter, nose, QColor(90, 50, 30), ink, 1.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c + QPointF(0, 14), c + QPointF(0, 19));
}

void paintHermit(QPainter& painter, const QColor& ink)
{
    // Lantern with the six-pointed star, hanging from the crook of his staff.
    QPainterPath staff;
    staff.moveTo(26, 66);
    staff.lineTo(26, -46);
    staff.cubicTo(26, -66, 2, -66, 2, -52);
    paintMetal(painter, thickLine(staff, 5.0), Metal::Wood, ink, 1.0);
    painter.setPen(QPen(QColor(160, 140, 100), 1.6));
    painter.drawLine(QPointF(2, -52), QPointF(0, -38));

    const QPointF c(0, -6);
    paintGlow(painter, c, 48, QColor(255, 220, 120, 150));
    QPainterPath cap;
    cap.addPolygon(QPolygonF{c + QPointF(-16, -24), c + QPointF(16, -24), c + QPointF(8, -32), c + QPointF(-8, -32)});
    cap.closeSubpath();
    QPainterPath ring;
    ring.addEllipse(c + QPointF(0, -34), 3.5, 3.5);
    QPainterPath base;
    base.addPolygon(QPolygonF{c + QPointF(-16, 20), c + QPointF(16, 20), c + QPointF(10, 27), c + QPointF(-10, 27)});
    base.closeSubpath();
    const QRectF glass(c.x() - 14, c.y() - 24, 28, 44);
    QRadialGradient light(c, 24);
    light.setColorAt(0.0, QColor(255, 252, 220));
    light.setColorAt(1.0, QColor(250, 196, 80));
    QPainterPath glassPath;
    glassPath.addRect(glass);
    paintShape(painter, glassPath, light, ink);
    QPainterPath star;
    star.addPolygon(QPolygonF{polar(c, 10, -90), polar(c, 10, 30), polar(c, 10, 150)});
    star.closeSubpath();
    star.addPolygon(QPolygonF{polar(c, 10, 90), polar(c, 10, 210), polar(c, 10, 330)});
    star.closeSubpath();
    star.setFillRule(Qt::WindingFill);
    paintShape(painter, star.simplified(), QColor(255, 255, 255), QColor(214, 140, 30), 1.0);
    painter.setPen(QPen(QColor(120, 80, 30), 1.4));
    painter.drawLine(QPointF(c.x() - 7, glass.top()), QPointF(c.x() - 7, glass.bottom()));
    painter.drawLine(QPointF(c.x() + 7, glass.top()), QPointF(c.x() + 7, glass.bottom()));
    paintMetal(painter, cap, Metal::Gold, ink);
    paintMetal(painter, base, Metal::Gold, ink);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.6));
    painter.drawPath(ring);

    // The snow-capped height he stands on.
    QPainterPath peak;
    peak.moveTo(-42, 62);
    peak.lineTo(-18, 40);
    peak.lineTo(-9, 46);
    peak.lineTo(4, 34);
    peak.lineTo(38, 62);
    peak.closeSubpath();
    QLinearGradient snow(0, 34, 0, 62);
    snow.setColorAt(0.0, QColor(246, 248, 255));
    snow.setColorAt(1.0, QColor(150, 160, 190));
    paintShape(painter, peak, snow, ink);
}

void paintWheel(QPainter& painter, const QColor& ink)
{
    const QPointF c(0, 0);
    paintGlow(painter, c, 62, QColor(255, 226, 150, 70));
    QPainterPath rim;
    rim.addEllipse(c, 49, 49);
    QPainterPath hollow;
    hollow.addEllipse(c, 32, 32);
    paintMetal(painter, rim.subtracted(hollow), Metal::Gold, ink);
    QPainterPath band;
    band.addEllipse(c, 46, 46);
    QPainterPath bandInner;
    bandInner.addEllipse(c, 35, 35);
    QRadialGradient blue(c, 46);
    blue.setColorAt(0.7, kRobeBlue.lighter(115));
    blue.setColorAt(1.0, kRobeBlue.darker(130));
    paintShape(painter, band.subtracted(bandInner), blue, ink, 0.9);

    QPainterPath spokes;
    for (int i = 0; i < 8; ++i) {
        spokes.moveTo(polar(c, 10, i * 45.0));
        spokes.lineTo(polar(c, 32.5, i * 45.0));
    }
    paintMetal(painter, thickLine(spokes, 4.0, Qt::FlatCap), Metal::Gold, ink, 1.0);
    QPainterPath middle;
    middle.addEllipse(c, 21, 21);
    QPainterPath middleInner;
    middleInner.addEllipse(c, 18, 18);
    paintMetal(painter, middle.subtracted(middleInner), Metal::Gold, ink, 1.0);
    QPainterPath hub;
    hub.addEllipse(c, 10, 10);
    paintMetal(painter, hub, Metal::Gold, ink);
    QPainterPath pin;
    pin.addEllipse(c, 3.5, 3.5);
    paintShape(painter, pin, kCrimson, ink, 0.8);

    // T A R O in the blue band, read clockwise from the top; small stars between them.
    const char* letters = "TARO";
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        painter.save();
        painter.translate(c);
        painter.rotate(i * 90.0);
        painter.setBrush(kIvory);
        painter.drawPath(letterPath(QString(QLatin1Char(letters[i])), 7.5, QPointF(0, -40.5)));
        painter.setBrush(QColor(255, 226, 140));
        painter.drawPolygon(starPolygon(polar(QPointF(0, 0), 40.5, -45), 4, 3.4, 1.2));
        painter.restore();
    }
}

void paintMajorEmblem(QPainter& painter, int number, const QColor& ink)
{
    using Painter = void (*)(QPainter&, const QColor&);
    static const std::array<Painter, kMajorCount> painters = {
        paintFool,     paintMagician,  paintHighPriestess, paintEmpress, paintEmperor,  paintHierophant,
        paintLovers,   paintChariot,   paintStrength,      paintHermit,  paintWheel,    paintJustice,
        paintHangedMan, paintDeath,    paintTemperance,    paintDevil,   paintTower,    paintStar,
        paintMoon,     paintSun,       paintJudgement,     paintWorld};
    if (number < 0 || number >= kMajorCount)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painters[static_cast<size_t>(number)](painter, ink);
    painter.restore();
}

} // namespace pictures::tarot
