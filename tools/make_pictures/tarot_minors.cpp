#include "tarot_minors.h"

#include "tarot_court.h"

#include <algorithm>
#include <vector>

namespace pictures::tarot {

namespace {

// Centres of the pips of rank 1..10 and their height, in design units.
struct PipLayout {
    std::vector<QPointF> centres;
    double height = 0.0;
};

// Tallest pip a rank's layout leaves room for: two rows (Two, Four), three rows (Three, Five to
// Eight; the middle pips of the Seven and Eight sit between the side columns) or four (Nine, Ten).
double roomForPips(int rank)
{
    switch (rank) {
    case 2:
    case 4:
        return 58.0;
    case 9:
    case 10:
        return 31.0;
    default:
        return 41.0;
    }
}

// Largest pip of a suit: the staff and the sword are slim and may stand tall; the cup and the coin
// are broad and stay smaller.
double largestPip(Suit suit)
{
    switch (suit) {
    case Suit::Cups:
        return 40.0;
    case Suit::Pentacles:
        return 37.0;
    case Suit::Wands:
    case Suit::Swords:
        return 58.0;
    }
    return 40.0;
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
    const double h = std::min(roomForPips(rank), largestPip(suit));
    layout.height = h;
    const double x = 28.0;
    // Two and Four stand in two rows nearer the middle; the others reach the top and bottom.
    const double y = (rank == 2 || rank == 4) ? 34.0 : kDesignHeight / 2.0 - h / 2.0 - 1.0;
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
