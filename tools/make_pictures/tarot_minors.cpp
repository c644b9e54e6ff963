#include "tarot_minors.h"

#include <QLinearGradient>
#include <vector>

namespace pictures::tarot {

namespace {

const QColor kParchmentLight(252, 242, 210);
const QColor kParchmentDark(222, 196, 140);
const QColor kRuby(176, 30, 44);
const QColor kSapphire(40, 80, 170);
const QColor kEmerald(30, 130, 80);
const QColor kPearl(250, 248, 240);

// Centres of the pips of rank 1..10 and their height, in design units.
struct PipLayout {
    std::vector<QPointF> centres;
    double height = 0.0;
};

// Height of the pips of Two to Ten; the same for every rank of a suit.
double pipHeight(Suit suit)
{
    switch (suit) {
    case Suit::Cups:
        return 32.0;
    case Suit::Wands:
    case Suit::Swords:
        return 31.0;
    case Suit::Pentacles:
        return 32.0;
    }
    return 32.0;
}

// Height of the single large pip of the Ace.
double aceHeight(Suit suit)
{
    switch (suit) {
    case Suit::Cups:
        return 100.0;
    case Suit::Wands:
        return 118.0;
    case Suit::Pentacles:
        return 98.0;
    case Suit::Swords:
        return 124.0;
    }
    return 100.0;
}

// Height of the suit's object on a court card, where it shares the box with the court emblem.
double courtObjectHeight(Suit suit, double cupHeight)
{
    switch (suit) {
    case Suit::Cups:
        return cupHeight;
    case Suit::Wands:
    case Suit::Swords:
        return cupHeight * 1.16;
    case Suit::Pentacles:
        return cupHeight * 0.9;
    }
    return cupHeight;
}

QLinearGradient deepBrush(const QRectF& rect, const MinorColours& colours)
{
    QLinearGradient brush(rect.topLeft(), rect.bottomRight());
    brush.setColorAt(0.0, colours.light);
    brush.setColorAt(1.0, colours.deep);
    return brush;
}

// Rays of light behind the Ace.
void paintGlory(QPainter& painter, const MinorColours& colours)
{
    QColor glow = colours.trim;
    glow.setAlpha(110);
    paintGlow(painter, QPointF(0, 0), 54, glow);
    QColor ray = colours.trim;
    ray.setAlpha(150);
    painter.setBrush(ray);
    painter.setPen(Qt::NoPen);
    constexpr int rays = 24;
    for (int i = 0; i < rays; ++i) {
        const double angle = -90.0 + i * 360.0 / rays;
        const double length = (i % 2 == 0) ? 52.0 : 42.0;
        painter.drawPolygon(QPolygonF{polar(QPointF(0, 0), 22, angle - 4), polar(QPointF(0, 0), length, angle),
                                      polar(QPointF(0, 0), 22, angle + 4)});
    }
}

// A crown `width` wide whose band sits at `baseY`, with `points` spikes.
// Pearls on the tips make the queen's crown; the king's carries jewels in its band.
void paintCrown(QPainter& painter, double baseY, double width, double height, int points, bool pearls,
                const QColor& ink)
{
    const double half = width / 2.0;
    const double bandHeight = height * 0.26;
    const double valley = baseY - bandHeight - height * 0.18;
    QPainterPath crown;
    crown.moveTo(-half, baseY);
    crown.lineTo(-half * 1.04, baseY - bandHeight);
    for (int i = 0; i < points; ++i) {
        const double x = -half + width * i / (points - 1);
        // The middle spike is the tallest.
        const double rise = 1.0 - 0.22 * std::abs(x / half);
        const QPointF tip(x * 1.04, baseY - height * rise);
        if (i > 0) {
            const double prev = -half + width * (i - 1) / (points - 1);
            crown.quadTo(QPointF((prev + x) / 2.0, valley + height * 0.08), QPointF((prev + x) / 2.0, valley));
        }
        crown.lineTo(tip);
    }
    crown.lineTo(half * 1.04, baseY - bandHeight);
    crown.lineTo(half, baseY);
    crown.closeSubpath();
    paintMetal(painter, crown, Metal::Gold, ink);

    // Band across the foot of the spikes.
    painter.setPen(QPen(QColor(164, 114, 36), 1.2));
    painter.drawLine(QPointF(-half * 1.03, baseY - bandHeight), QPointF(half * 1.03, baseY - bandHeight));

    const double gemY = baseY - bandHeight / 2.0;
    const QColor gems[] = {kSapphire, kRuby, kEmerald, kRuby, kSapphire};
    for (int i = 0; i < points; ++i) {
        const double x = (-half + width * i / (points - 1)) * 1.04;
        const double rise = 1.0 - 0.22 * std::abs(x / half);
        const double tipR = pearls ? height * 0.1 : height * 0.085;
        QPainterPath ball;
        ball.addEllipse(QPointF(x, baseY - height * rise - tipR * 0.6), tipR, tipR);
        if (pearls)
            paintShape(painter, ball, kPearl, ink, 1.0);
        else
            paintMetal(painter, ball, Metal::Gold, ink, 1.0);
        if (!pearls) {
            QPainterPath gem;
            const double gx = x * 0.85;
            gem.addEllipse(QPointF(gx, gemY), bandHeight * 0.32, bandHeight * 0.28);
            paintShape(painter, gem, gems[i % 5], ink, 0.9);
        }
    }
}

void paintKing(QPainter& painter, Suit suit, const MinorColours& colours)
{
    paintCrown(painter, -14, 78, 48, 5, false, colours.ink);
    paintSuitObject(painter, suit, QPointF(0, 32), courtObjectHeight(suit, 64), colours.ink);
}

void paintQueen(QPainter& painter, Suit suit, const MinorColours& colours)
{
    // High-backed throne: two posts with knobs, an arched back with a cushion, seat and footrest.
    QPainterPath back;
    back.moveTo(-30, 18);
    back.lineTo(-30, -38);
    back.cubicTo(-30, -60, -12, -66, 0, -66);
    back.cubicTo(12, -66, 30, -60, 30, -38);
    back.lineTo(30, 18);
    back.closeSubpath();
    paintShape(painter, back, deepBrush(back.boundingRect(), colours), colours.ink);

    QPainterPath cushion;
    cushion.moveTo(-22, 14);
    cushion.lineTo(-22, -36);
    cushion.cubicTo(-22, -52, -9, -57, 0, -57);
    cushion.cubicTo(9, -57, 22, -52, 22, -36);
    cushion.lineTo(22, 14);
    cushion.closeSubpath();
    QColor cushionColour = colours.light.lighter(150);
    paintShape(painter, cushion, cushionColour, colours.ink, 1.0);

    for (const double x : {-34.0, 34.0}) {
        QPainterPath post;
        post.addRoundedRect(QRectF(x - 4, -44, 8, 102), 2, 2);
        paintMetal(painter, post, Metal::Gold, colours.ink);
        QPainterPath knob;
        knob.addEllipse(QPointF(x, -48), 5.5, 5.5);
        paintMetal(painter, knob, Metal::Gold, colours.ink);
    }
    QPainterPath seat;
    seat.addRoundedRect(QRectF(-38, 16, 76, 11), 3, 3);
    paintShape(painter, seat, deepBrush(seat.boundingRect(), colours), colours.ink);
    QPainterPath footrest;
    footrest.addRoundedRect(QRectF(-34, 48, 68, 6), 2, 2);
    paintMetal(painter, footrest, Metal::Gold, colours.ink);

    paintCrown(painter, -60, 28, 16, 3, true, colours.ink);
    const double height = courtObjectHeight(suit, 48);
    paintSuitObject(painter, suit, QPointF(0, 14 - height / 2.0 - 1), height, colours.ink);
}

// Horse head in profile facing left, the knight's crest, about 60 x 72 units around `c`.
void paintHorseHead(QPainter& painter, const QPointF& c, const MinorColours& colours)
{
    QPainterPath head;
    head.moveTo(c + QPointF(22, 36));
    head.cubicTo(c + QPointF(30, 8), c + QPointF(24, -16), c + QPointF(10, -28));
    head.lineTo(c + QPointF(8, -40));
    head.lineTo(c + QPointF(-1, -29));
    head.cubicTo(c + QPointF(-10, -27), c + QPointF(-16, -21), c + QPointF(-19, -13));
    head.cubicTo(c + QPointF(-23, -4), c + QPointF(-29, 1), c + QPointF(-31, 7));
    head.cubicTo(c + QPointF(-33, 13), c + QPointF(-27, 17), c + QPointF(-21, 15));
    head.cubicTo(c + QPointF(-15, 13), c + QPointF(-11, 9), c + QPointF(-6, 9));
    head.cubicTo(c + QPointF(-1, 11), c + QPointF(1, 15), c + QPointF(-3, 21));
    head.cubicTo(c + QPointF(-8, 27), c + QPointF(-10, 32), c + QPointF(-10, 36));
    head.closeSubpath();
    paintShape(painter, head, deepBrush(head.boundingRect(), colours), colours.ink);

    // Mane of gold tufts along the neck.
    QPainterPath mane;
    mane.moveTo(c + QPointF(8, -30));
    mane.cubicTo(c + QPointF(22, -18), c + QPointF(28, 6), c + QPointF(22, 34));
    mane.lineTo(c + QPointF(30, 30));
    for (int i = 0; i < 5; ++i) {
        const double t = i / 4.0;
        const QPointF inner = c + QPointF(20 - t * 10 + 6, 30 - t * 58);
        mane.quadTo(inner + QPointF(10, -4), inner + QPointF(2, -10));
    }
    mane.closeSubpath();
    paintMetal(painter, mane, Metal::Gold, colours.ink, 1.0);

    // Bridle, eye and nostril.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours.trim, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(c + QPointF(-2, -24), c + QPointF(-8, 10));
    painter.drawLine(c + QPointF(-24, 2), c + QPointF(-5, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 244, 226));
    painter.drawEllipse(c + QPointF(-10, -14), 3.2, 2.6);
    painter.setBrush(colours.ink);
    painter.drawEllipse(c + QPointF(-10.6, -14), 1.6, 1.6);
    painter.drawEllipse(c + QPointF(-26, 8), 1.6, 1.2);
}

void paintKnight(QPainter& painter, Suit suit, const MinorColours& colours)
{
    paintHorseHead(painter, QPointF(2, -34), colours);

    // Heater shield carrying the suit's object.
    QPainterPath shield;
    shield.moveTo(-32, -6);
    shield.lineTo(32, -6);
    shield.lineTo(32, 22);
    shield.cubicTo(32, 46, 14, 60, 0, 68);
    shield.cubicTo(-14, 60, -32, 46, -32, 22);
    shield.closeSubpath();
    paintShape(painter, shield, deepBrush(shield.boundingRect(), colours), colours.ink);
    QTransform inset;
    inset.translate(0, 25);
    inset.scale(0.84, 0.86);
    inset.translate(0, -25);
    paintShape(painter, inset.map(shield), colours.light.lighter(165), colours.trim, 1.4);
    paintSuitObject(painter, suit, QPointF(0, 24), courtObjectHeight(suit, 44), colours.ink);
}

void paintPage(QPainter& painter, Suit suit, const MinorColours& colours)
{
    // An unrolled scroll standing upright with a roll at each end.
    const QRectF sheet(-30, -54, 60, 108);
    QLinearGradient paper(sheet.topLeft(), sheet.topRight());
    paper.setColorAt(0.0, kParchmentDark);
    paper.setColorAt(0.3, kParchmentLight);
    paper.setColorAt(1.0, kParchmentDark);
    QPainterPath sheetPath;
    sheetPath.addRect(sheet);
    paintShape(painter, sheetPath, paper, colours.ink);

    for (const double y : {-58.0, 58.0}) {
        const QRectF roll(-38, y - 7, 76, 14);
        QLinearGradient shade(roll.topLeft(), roll.bottomLeft());
        shade.setColorAt(0.0, kParchmentLight);
        shade.setColorAt(0.5, kParchmentDark);
        shade.setColorAt(1.0, kParchmentDark.darker(125));
        QPainterPath rollPath;
        rollPath.addRoundedRect(roll, 7, 7);
        paintShape(painter, rollPath, shade, colours.ink);
        for (const double x : {-38.0, 38.0}) {
            QPainterPath end;
            end.addEllipse(QPointF(x, y), 4.5, 7);
            paintShape(painter, end, kParchmentDark, colours.ink, 1.0);
            painter.setPen(QPen(colours.ink, 0.9));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(x, y), 1.8, 3.0);
        }
    }
    // Faint lines of writing above and below the suit's object.
    QColor writing = colours.deep;
    writing.setAlpha(90);
    painter.setPen(QPen(writing, 1.0));
    for (const double y : {-40.0, 36.0}) {
        painter.drawLine(QPointF(-20, y), QPointF(20, y));
        painter.drawLine(QPointF(-16, y + 5), QPointF(16, y + 5));
    }
    paintSuitObject(painter, suit, QPointF(0, -2), courtObjectHeight(suit, 64), colours.ink);
}

PipLayout pipLayout(Suit suit, int rank)
{
    PipLayout layout;
    if (rank == 1) {
        layout.height = aceHeight(suit);
        layout.centres = {QPointF(0, 0)};
        return layout;
    }
    if (rank < 2 || rank > 10)
        return layout;
    const double h = pipHeight(suit);
    layout.height = h;
    const double x = 28.0;
    const double y = kDesignHeight / 2.0 - h / 2.0 - 1.0;
    auto& at = layout.centres;
    switch (rank) {
    case 2:
        at = {{0, -y}, {0, y}};
        break;
    case 3:
        at = {{0, -y}, {0, 0}, {0, y}};
        break;
    case 4:
        at = {{-x, -y}, {x, -y}, {-x, y}, {x, y}};
        break;
    case 5:
        at = {{-x, -y}, {x, -y}, {0, 0}, {-x, y}, {x, y}};
        break;
    case 6:
        at = {{-x, -y}, {x, -y}, {-x, 0}, {x, 0}, {-x, y}, {x, y}};
        break;
    case 7:
        at = {{-x, -y}, {x, -y}, {0, -y / 2}, {-x, 0}, {x, 0}, {-x, y}, {x, y}};
        break;
    case 8:
        at = {{-x, -y}, {x, -y}, {0, -y / 2}, {-x, 0}, {x, 0}, {0, y / 2}, {-x, y}, {x, y}};
        break;
    case 9:
        at = {{-x, -y}, {x, -y}, {-x, -y / 3}, {x, -y / 3}, {0, 0}, {-x, y / 3}, {x, y / 3}, {-x, y}, {x, y}};
        break;
    case 10:
        at = {{-x, -y},        {x, -y},    {0, -y * 2 / 3}, {-x, -y / 3}, {x, -y / 3},
              {-x, y / 3},     {x, y / 3}, {0, y * 2 / 3},  {-x, y},      {x, y}};
        break;
    }
    return layout;
}

} // namespace

void paintMinorEmblem(QPainter& painter, Suit suit, int rank, const MinorColours& colours)
{
    switch (rank) {
    case kPage:
        paintPage(painter, suit, colours);
        return;
    case kKnight:
        paintKnight(painter, suit, colours);
        return;
    case kQueen:
        paintQueen(painter, suit, colours);
        return;
    case kKing:
        paintKing(painter, suit, colours);
        return;
    default:
        break;
    }
    if (rank == 1)
        paintGlory(painter, colours);
    const PipLayout layout = pipLayout(suit, rank);
    for (const QPointF& centre : layout.centres)
        paintSuitObject(painter, suit, centre, layout.height, colours.ink);
}

} // namespace pictures::tarot
