#include "tarot_court.h"

#include "tarot_figures.h"

#include <QLinearGradient>

namespace pictures::tarot {

namespace {

const QColor kBrownHair(110, 70, 36);
const QColor kFairHair(214, 170, 84);
const QColor kGreyHair(170, 164, 156);
const QColor kChestnut(156, 94, 52);
const QColor kErmine(250, 248, 240);

// How tall the suit's object stands in a hand, for a cup `size` tall, and how far below its
// middle the hand closes on it (as a part of its height): the staff and the sword are held low
// on the shaft or by the grip, the cup by its stem, the coin at its lower rim.
struct Grip {
    double height;
    double below;
};

Grip gripOf(Suit suit, double size)
{
    switch (suit) {
    case Suit::Cups:
        return {size, 0.3};
    case Suit::Wands:
        return {size * 2.5, 0.12};
    case Suit::Pentacles:
        return {size * 1.05, 0.4};
    case Suit::Swords:
        return {size * 2.6, 0.3};
    }
    return {size, 0.3};
}

// The suit's object in the hand at `hand` of a figure `figureHeight` tall; the hand closes over it.
void paintHeldObject(QPainter& painter, Suit suit, const QPointF& hand, double size, double figureHeight,
                     const QColor& ink)
{
    const Grip grip = gripOf(suit, size);
    paintSuitObject(painter, suit, hand - QPointF(0, grip.below * grip.height), grip.height, ink);
    paintHand(painter, hand, figureHeight, ink);
}

QLinearGradient upholstery(const QRectF& rect, const MinorColours& colours)
{
    QLinearGradient brush(rect.topLeft(), rect.bottomRight());
    brush.setColorAt(0.0, colours.light);
    brush.setColorAt(1.0, colours.deep);
    return brush;
}

// The throne behind a seated figure: an arched back for the Queen, a square one with finials for
// the King; gold posts, a seat and a footstool.
void paintThrone(QPainter& painter, bool arched, const MinorColours& colours)
{
    QPainterPath back;
    if (arched) {
        back.moveTo(-30, 24);
        back.lineTo(-30, -40);
        back.cubicTo(-30, -62, -12, -68, 0, -68);
        back.cubicTo(12, -68, 30, -62, 30, -40);
        back.lineTo(30, 24);
    } else {
        back.addRect(QRectF(-32, -62, 64, 86));
    }
    back.closeSubpath();
    paintShape(painter, back, upholstery(back.boundingRect(), colours), colours.ink);

    for (const double x : {-35.0, 35.0}) {
        QPainterPath post;
        post.addRoundedRect(QRectF(x - 4, arched ? -46 : -62, 8, arched ? 108 : 124), 2, 2);
        paintMetal(painter, post, Metal::Gold, colours.ink);
        QPainterPath knob;
        if (arched)
            knob.addEllipse(QPointF(x, -50), 5.5, 5.5);
        else
            knob.addPolygon(QPolygonF{{x, -76}, {x + 5, -66}, {x, -62}, {x - 5, -66}});
        knob.closeSubpath();
        paintMetal(painter, knob, Metal::Gold, colours.ink);
    }
    QPainterPath seat;
    seat.addRoundedRect(QRectF(-38, 20, 76, 10), 3, 3);
    paintShape(painter, seat, upholstery(seat.boundingRect(), colours), colours.ink);
    QPainterPath footstool;
    footstool.addRoundedRect(QRectF(-26, 60, 52, 7), 2, 2);
    paintMetal(painter, footstool, Metal::Gold, colours.ink);
}

// A soft cap with a feather on the Page's head.
void paintCap(QPainter& painter, const Head& head, const MinorColours& colours)
{
    const QPointF c = head.centre;
    const double r = head.radius;
    QPainterPath feather;
    feather.moveTo(c + QPointF(r * 0.4, -r * 0.9));
    feather.cubicTo(c + QPointF(r * 1.2, -r * 2.2), c + QPointF(r * 2.2, -r * 2.0), c + QPointF(r * 2.4, -r * 1.5));
    feather.cubicTo(c + QPointF(r * 1.8, -r * 1.5), c + QPointF(r * 1.2, -r * 1.2), c + QPointF(r * 0.7, -r * 0.7));
    feather.closeSubpath();
    paintShape(painter, feather, colours.trim, colours.ink, 1.0);
    QPainterPath cap;
    cap.addEllipse(c + QPointF(-r * 0.15, -r * 0.85), r * 1.25, r * 0.5);
    paintShape(painter, cap, colours.deep, colours.ink, 1.1);
}

// The Knight's helmet with its plume, over his head.
void paintHelmet(QPainter& painter, const Head& head, const MinorColours& colours)
{
    const QPointF c = head.centre;
    const double r = head.radius;
    QPainterPath plume;
    plume.moveTo(c + QPointF(0, -r * 1.1));
    plume.cubicTo(c + QPointF(r * 0.6, -r * 2.4), c + QPointF(r * 2.2, -r * 2.2), c + QPointF(r * 2.6, -r * 0.8));
    plume.cubicTo(c + QPointF(r * 1.8, -r * 1.5), c + QPointF(r * 1.0, -r * 1.5), c + QPointF(r * 0.5, -r * 0.8));
    plume.closeSubpath();
    paintShape(painter, plume, colours.light, colours.ink, 1.0);
    QPainterPath dome;
    dome.moveTo(c + QPointF(-r * 1.08, -r * 0.05));
    dome.cubicTo(c + QPointF(-r * 1.1, -r * 1.45), c + QPointF(r * 1.1, -r * 1.45), c + QPointF(r * 1.08, -r * 0.05));
    dome.lineTo(c + QPointF(r * 1.08, r * 0.15));
    dome.lineTo(c + QPointF(-r * 1.08, r * 0.15));
    dome.closeSubpath();
    paintMetal(painter, dome, Metal::Silver, colours.ink, 1.1);
}

// A horse walking to the left with one foreleg raised, under its saddle cloth.
void paintHorse(QPainter& painter, const MinorColours& colours)
{
    const QColor ink = colours.ink;
    const QLinearGradient coat = verticalGradient(0, 40, kChestnut.lighter(125), kChestnut.darker(125));

    // Far legs first, a little darker.
    for (const auto& [hip, knee, hoof] : {std::tuple{QPointF(-12, 28), QPointF(-12, 46), QPointF(-10, 64)},
                                          std::tuple{QPointF(22, 28), QPointF(26, 46), QPointF(24, 64)}}) {
        QPainterPath leg(hip);
        leg.lineTo(knee);
        leg.lineTo(hoof);
        paintShape(painter, thickLine(leg, 6.0), kChestnut.darker(140), ink, 1.0);
    }
    QPainterPath tail;
    tail.moveTo(34, 14);
    tail.cubicTo(46, 16, 48, 36, 42, 50);
    tail.cubicTo(40, 38, 38, 26, 32, 20);
    tail.closeSubpath();
    paintShape(painter, tail, kChestnut.darker(170), ink, 1.0);

    QPainterPath body;
    body.addEllipse(QPointF(8, 22), 30, 14);
    QPainterPath neck;
    neck.moveTo(-24, 18);
    neck.cubicTo(-28, 6, -34, -6, -36, -14);
    neck.lineTo(-24, -16);
    neck.cubicTo(-18, -4, -10, 4, -4, 12);
    neck.closeSubpath();
    QPainterPath head;
    head.moveTo(-36, -18);
    head.cubicTo(-42, -16, -48, -2, -49, 4);
    head.cubicTo(-49, 9, -42, 10, -38, 6);
    head.cubicTo(-34, 0, -28, -6, -22, -12);
    head.closeSubpath();
    QPainterPath ear;
    ear.addPolygon(QPolygonF{{-30, -16}, {-28, -25}, {-24, -14}});
    ear.closeSubpath();
    paintShape(painter, body.united(neck).united(head).united(ear), coat, ink);

    // Near legs: the foreleg lifted and bent, the hind leg standing.
    for (const auto& [hip, knee, hoof] : {std::tuple{QPointF(-18, 28), QPointF(-30, 40), QPointF(-24, 52)},
                                          std::tuple{QPointF(28, 26), QPointF(32, 44), QPointF(30, 64)}}) {
        QPainterPath leg(hip);
        leg.lineTo(knee);
        leg.lineTo(hoof);
        paintShape(painter, thickLine(leg, 6.5), coat, ink, 1.0);
    }

    QPainterPath mane;
    mane.moveTo(-36, -16);
    mane.cubicTo(-32, -4, -22, 8, -14, 14);
    mane.lineTo(-10, 10);
    mane.cubicTo(-18, 2, -24, -8, -26, -18);
    mane.closeSubpath();
    paintShape(painter, mane, kChestnut.darker(170), ink, 1.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(-36, -8), 1.6, 1.6);

    // Saddle cloth in the suit's colour and the reins.
    QPainterPath cloth;
    cloth.moveTo(-8, 8);
    cloth.lineTo(20, 8);
    cloth.lineTo(22, 30);
    cloth.quadTo(7, 34, -10, 30);
    cloth.closeSubpath();
    paintShape(painter, cloth, upholstery(cloth.boundingRect(), colours), ink, 1.1);
    painter.setPen(QPen(colours.trim, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(-9, 27), QPointF(21, 27));
}

Clothes clothesOf(const QColor& robe, const QColor& hair, const MinorColours& colours)
{
    return {robe, colours.trim, hair, colours.deep};
}

} // namespace

void paintPage(QPainter& painter, Suit suit, const MinorColours& colours)
{
    Person page;
    page.leftFoot = QPointF(-9, 64);
    page.rightFoot = QPointF(9, 64);
    page.height = 118;
    page.leftHand = QPointF(-18, 2);
    page.rightHand = QPointF(24, -10);
    page.clothes = clothesOf(colours.light, kBrownHair, colours);
    page.look = 0.3;
    const Head head = paintPerson(painter, page, colours.ink);
    paintCap(painter, head, colours);
    paintHeldObject(painter, suit, page.rightHand, 30, page.height, colours.ink);
}

void paintKnight(QPainter& painter, Suit suit, const MinorColours& colours)
{
    paintHorse(painter, colours);
    Person rider;
    rider.leftFoot = QPointF(4, 44);
    rider.rightFoot = QPointF(4, 44);
    rider.height = 96;
    rider.leftHand = QPointF(-16, 4);
    rider.rightHand = QPointF(28, -18);
    rider.clothes = clothesOf(colours.deep, kBrownHair, colours);
    rider.clothes.hose = QColor(122, 132, 152);
    rider.look = -1.0;
    const Head head = paintPerson(painter, rider, colours.ink);
    paintHelmet(painter, head, colours);
    paintHeldObject(painter, suit, rider.rightHand, 26, rider.height, colours.ink);
    painter.setPen(QPen(QColor(70, 40, 20), 1.2));
    painter.drawLine(rider.leftHand, QPointF(-40, 0));
}

void paintQueen(QPainter& painter, Suit suit, const MinorColours& colours)
{
    paintThrone(painter, true, colours);
    Person queen;
    queen.leftFoot = QPointF(-9, 62);
    queen.rightFoot = QPointF(9, 62);
    queen.height = 104;
    queen.dress = Dress::SeatedGown;
    queen.leftHand = QPointF(-10, 20);
    queen.rightHand = QPointF(25, 10);
    queen.clothes = clothesOf(colours.light.lighter(112), kFairHair, colours);
    queen.longHair = true;
    const Head head = paintPerson(painter, queen, colours.ink);
    paintCrown(painter, head.centre - QPointF(0, head.radius * 0.75), head.radius * 1.6, head.radius * 1.1, 3, true,
               colours.ink);
    paintHeldObject(painter, suit, queen.rightHand, 26, queen.height, colours.ink);
}

void paintKing(QPainter& painter, Suit suit, const MinorColours& colours)
{
    paintThrone(painter, false, colours);
    Person king;
    king.leftFoot = QPointF(-10, 62);
    king.rightFoot = QPointF(10, 62);
    king.height = 106;
    king.dress = Dress::SeatedGown;
    king.leftHand = QPointF(-16, 24);
    king.rightHand = QPointF(22, 4);
    king.clothes = clothesOf(colours.deep, kGreyHair, colours);
    king.clothes.trim = kErmine;
    king.beard = true;
    const Head head = paintPerson(painter, king, colours.ink);
    paintCrown(painter, head.centre - QPointF(0, head.radius * 0.7), head.radius * 1.9, head.radius * 1.3, 5, false,
               colours.ink);
    paintHeldObject(painter, suit, king.rightHand, 26, king.height, colours.ink);
}

} // namespace pictures::tarot
