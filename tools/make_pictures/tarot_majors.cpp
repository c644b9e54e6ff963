#include "tarot_majors.h"

#include "tarot_figures.h"
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

// The rock the Fool walks on, breaking off at its edge, with hills far below beyond it.
void paintCliff(QPainter& painter, const QColor& ink)
{
    QPainterPath hills;
    hills.moveTo(8, 80);
    hills.lineTo(14, 58);
    hills.lineTo(24, 50);
    hills.lineTo(32, 56);
    hills.lineTo(42, 46);
    hills.lineTo(60, 60);
    hills.lineTo(60, 80);
    hills.closeSubpath();
    const QLinearGradient distance = verticalGradient(46, 80, QColor(196, 214, 240), QColor(110, 136, 196));
    paintShape(painter, hills, distance, QColor(80, 96, 150), 1.0);

    QPainterPath rock;
    rock.moveTo(-60, 38);
    rock.lineTo(-30, 36);
    rock.lineTo(4, 39);
    rock.lineTo(16, 38);
    rock.lineTo(20, 44);
    rock.lineTo(14, 52);
    rock.lineTo(18, 62);
    rock.lineTo(10, 72);
    rock.lineTo(12, 82);
    rock.lineTo(-60, 82);
    rock.closeSubpath();
    QLinearGradient stone(-40, 36, 20, 82);
    stone.setColorAt(0.0, QColor(196, 176, 140));
    stone.setColorAt(1.0, QColor(112, 92, 70));
    paintShape(painter, rock, stone, ink);
    painter.setPen(QPen(QColor(96, 78, 58), 1.0));
    painter.drawLine(QPointF(-20, 50), QPointF(-6, 58));
    painter.drawLine(QPointF(0, 66), QPointF(8, 60));
    // Grass along the top of the rock.
    painter.setPen(QPen(kLeaf, 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-58, 38), QPointF(-30, 36.5));
    painter.drawLine(QPointF(-30, 36.5), QPointF(2, 39));
}

// A small white dog leaping at the Fool's heels.
void paintDog(QPainter& painter, const QPointF& at, const QColor& ink)
{
    const QColor coat(250, 248, 240);
    for (const auto& [from, to] : {std::pair{QPointF(-5, 3), QPointF(-9, 12)}, std::pair{QPointF(5, 3), QPointF(11, 8)},
                                   std::pair{QPointF(6, 2), QPointF(12, 2)}}) {
        paintShape(painter, thickLine(at + from, at + to, 2.6), coat, ink, 0.9);
    }
    QPainterPath tail;
    tail.moveTo(at + QPointF(-8, -1));
    tail.quadTo(at + QPointF(-14, -4), at + QPointF(-13, -11));
    paintShape(painter, thickLine(tail, 2.4), coat, ink, 0.9);
    QPainterPath body;
    body.addEllipse(at, 9, 5);
    QPainterPath head;
    head.addEllipse(at + QPointF(10, -6), 4.6, 4.2);
    QPainterPath snout;
    snout.addEllipse(at + QPointF(14, -5), 3.0, 2.2);
    paintShape(painter, body.united(head).united(snout), coat, ink, 1.0);
    QPainterPath ear;
    ear.addEllipse(at + QPointF(8, -9), 2.2, 3.4);
    paintShape(painter, ear, QColor(200, 150, 100), ink, 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(at + QPointF(11, -7), 0.9, 0.9);
    painter.drawEllipse(at + QPointF(16.6, -5.4), 1.0, 0.9);
}

// A small sun with short rays.
void paintSmallSun(QPainter& painter, const QPointF& at, double radius, const QColor& ink)
{
    paintGlow(painter, at, radius * 3.0, QColor(255, 226, 140, 150));
    QPainterPath rays;
    rays.addPolygon(starPolygon(at, 12, radius * 1.9, radius * 1.1));
    rays.closeSubpath();
    paintMetal(painter, rays, Metal::Gold, ink, 1.0);
    QPainterPath disc;
    disc.addEllipse(at, radius, radius);
    paintShape(painter, disc, QColor(255, 214, 90), ink);
}

} // namespace

void paintFool(QPainter& painter, const QColor& ink)
{
    // The traveller steps out at the edge of a cliff, his bundle on a staff over his shoulder and
    // a white rose in his hand, a small dog leaping at his heels.
    paintSmallSun(painter, QPointF(30, -50), 8, ink);
    paintCliff(painter, ink);

    Person fool;
    fool.leftFoot = QPointF(-12, 38);
    // The front foot is lifted over the edge.
    fool.rightFoot = QPointF(21, 33);
    fool.height = 96;
    fool.leftHand = QPointF(-2, -27);
    fool.rightHand = QPointF(30, -22);
    fool.clothes = {QColor(236, 110, 60), QColor(250, 214, 90), QColor(226, 180, 90), QColor(246, 206, 90)};
    fool.look = 1.0;
    paintPerson(painter, fool, ink);

    // The staff rests on his shoulder, the bundle hanging from it behind him.
    const QPointF staffFront(6, -20);
    const QPointF staffBack(-34, -56);
    paintMetal(painter, thickLine(staffFront, staffBack, 2.8), Metal::Wood, ink, 0.9);
    QPainterPath bundle;
    bundle.addEllipse(staffBack + QPointF(-2, 8), 10, 8.5);
    QLinearGradient sack(bundle.boundingRect().topLeft(), bundle.boundingRect().bottomRight());
    sack.setColorAt(0.0, QColor(236, 96, 80));
    sack.setColorAt(1.0, QColor(150, 40, 40));
    paintShape(painter, bundle, sack, ink);
    painter.setPen(QPen(QColor(250, 220, 120), 1.4));
    painter.drawLine(staffBack + QPointF(-4, 0), staffBack + QPointF(3, 3));
    paintHand(painter, fool.leftHand, fool.height, ink);

    // The white rose.
    const QPointF rose = fool.rightHand + QPointF(4, -6);
    for (int i = 0; i < 5; ++i) {
        QPainterPath petal;
        petal.addEllipse(polar(rose, 2.6, -90 + i * 72.0), 2.8, 2.8);
        paintShape(painter, petal, kIvory, ink, 0.7);
    }
    paintDog(painter, QPointF(-34, 22), ink);
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
    const QLinearGradient red = verticalGradient(46, 61, kCrimson.lighter(120), kCrimson.darker(140));
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
    // A man and a woman reach for each other's hands under the sun, on a green hill.
    paintSmallSun(painter, QPointF(0, -52), 9, ink);

    QPainterPath hill;
    hill.moveTo(-60, 62);
    hill.quadTo(0, 50, 60, 62);
    hill.lineTo(60, 82);
    hill.lineTo(-60, 82);
    hill.closeSubpath();
    const QLinearGradient grass = verticalGradient(52, 82, kLeaf.lighter(130), kLeaf.darker(130));
    paintShape(painter, hill, grass, kLeafInk);

    Person man;
    man.leftFoot = QPointF(-31, 62);
    man.rightFoot = QPointF(-17, 62);
    man.height = 94;
    man.leftHand = QPointF(-37, 16);
    man.rightHand = QPointF(-4, 2);
    man.clothes = {kCrimson, QColor(250, 214, 90), QColor(96, 60, 30), QColor(70, 60, 110)};
    man.look = 0.8;
    paintPerson(painter, man, ink);

    Person woman;
    woman.leftFoot = QPointF(16, 62);
    woman.rightFoot = QPointF(30, 62);
    woman.height = 90;
    woman.dress = Dress::Gown;
    woman.leftHand = QPointF(4, 2);
    woman.rightHand = QPointF(37, 16);
    woman.clothes = {kIvory, QColor(226, 184, 86), QColor(190, 96, 40), QColor(226, 184, 86)};
    woman.longHair = true;
    woman.look = -0.8;
    paintPerson(painter, woman, ink);
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
    const QLinearGradient blue = verticalGradient(-60, -36, kRobeBlue.lighter(130), kRobeBlue.darker(120));
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
    const QLinearGradient snow = verticalGradient(34, 62, QColor(246, 248, 255), QColor(150, 160, 190));
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
