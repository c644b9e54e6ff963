#include "tarot_cards.h"

#include "tarot_majors.h"
#include "tarot_minors.h"
#include "tarot_shapes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <array>
#include <cmath>

namespace pictures {

namespace {

using tarot::Suit;

// The card is laid out at the size it is shown at, 150 x 260, and drawn at twice that so it stays
// sharp on a screen at twice the scale.
constexpr int kCardWidth = 150;
constexpr int kCardHeight = 260;
constexpr int kPixelRatio = 2;
constexpr int kJpegQuality = 85;
constexpr int kMajorsInDeck = tarot::kMajorCount;
constexpr int kRanksPerSuit = 14;

// Frame band, panel inside it and the plates that carry the number and the name.
constexpr double kFrameWidth = 7.0;
const QRectF kCardRect(0, 0, kCardWidth, kCardHeight);
const QPointF kEmblemCentre(kCardWidth / 2.0, kCardHeight / 2.0);
constexpr double kPlateHeight = 20.0;
constexpr double kPlateCentreFromEdge = 22.0;
constexpr double kNamePlateWidth = 130.0;
// Widest name that fits the plate at the height of its letters.
constexpr double kNameTextWidth = 120.0;
// Scale of the design box: the majors sit in a medallion, the minors use the whole panel.
constexpr double kMajorScale = 1.12;
constexpr double kMinorScale = 1.22;

const QString kNameFamily = QStringLiteral("DejaVu Serif Condensed");
const QString kNumeralFamily = QStringLiteral("DejaVu Serif");
constexpr int kNamePixels = 12;
constexpr int kSmallestNamePixels = 9;
constexpr int kNumeralPixels = 13;

struct CardPalette {
    QColor frameDeep;
    QColor frameLight;
    QColor trim;
    QColor panelCentre;
    QColor panelEdge;
    QColor plateText;
    QColor ink;
};

const QColor kGoldTrim(226, 184, 86);

const CardPalette kMajorPalette{QColor(44, 26, 80),    QColor(92, 62, 140), kGoldTrim,
                                QColor(50, 62, 132),   QColor(18, 20, 58),  QColor(252, 230, 160),
                                QColor(58, 38, 12)};

CardPalette suitPalette(Suit suit)
{
    const QColor cream(252, 244, 222);
    const QColor ink(48, 34, 24);
    switch (suit) {
    case Suit::Cups:
        return {QColor(22, 58, 106), QColor(60, 112, 166), kGoldTrim, QColor(240, 248, 252), QColor(172, 208, 230),
                cream, ink};
    case Suit::Wands:
        return {QColor(120, 38, 20), QColor(180, 84, 42), kGoldTrim, QColor(254, 244, 222), QColor(234, 196, 144),
                cream, ink};
    case Suit::Pentacles:
        return {QColor(32, 78, 40), QColor(78, 134, 74), kGoldTrim, QColor(246, 246, 226), QColor(200, 216, 164),
                cream, ink};
    case Suit::Swords:
        return {QColor(50, 54, 60), QColor(112, 118, 128), kGoldTrim, QColor(248, 248, 246), QColor(200, 202, 206),
                cream, ink};
    }
    return kMajorPalette;
}

const std::array<const char*, kMajorsInDeck> kMajorNames = {
    "The Fool",     "The Magician",   "The High Priestess", "The Empress",      "The Emperor",
    "The Hierophant", "The Lovers",   "The Chariot",        "Strength",         "The Hermit",
    "Wheel of Fortune", "Justice",    "The Hanged Man",     "Death",            "Temperance",
    "The Devil",    "The Tower",      "The Star",           "The Moon",         "The Sun",
    "Judgement",    "The World"};

const std::array<const char*, 4> kSuitNames = {"Cups", "Wands", "Pentacles", "Swords"};

const std::array<const char*, kRanksPerSuit> kRankNames = {"Ace",   "Two",  "Three", "Four",   "Five",
                                                           "Six",   "Seven", "Eight", "Nine",  "Ten",
                                                           "Page",  "Knight", "Queen", "King"};

bool isMajor(int id)
{
    return id >= 1 && id <= kMajorsInDeck;
}

Suit suitOf(int id)
{
    return static_cast<Suit>((id - kMajorsInDeck - 1) / kRanksPerSuit);
}

// 1 (Ace) .. 14 (King).
int rankOf(int id)
{
    return (id - kMajorsInDeck - 1) % kRanksPerSuit + 1;
}

QString romanNumeral(int value)
{
    if (value == 0)
        return QStringLiteral("0");
    static const std::array<std::pair<int, const char*>, 6> parts = {
        {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}, {0, ""}}};
    QString out;
    for (const auto& [amount, letters] : parts) {
        while (amount > 0 && value >= amount) {
            out += QLatin1String(letters);
            value -= amount;
        }
    }
    return out;
}

QFont plateFont(const QString& family, int pixels)
{
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The name font, shrunk step by step until `text` fits in `width`.
QFont fittingNameFont(const QString& text, double width)
{
    for (int pixels = kNamePixels; pixels > kSmallestNamePixels; --pixels) {
        const QFont font = plateFont(kNameFamily, pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    return plateFont(kNameFamily, kSmallestNamePixels);
}

// Gold-edged plate with pointed ends, centred on `centre`.
QPainterPath platePath(const QPointF& centre, double width)
{
    const double halfW = width / 2.0;
    const double halfH = kPlateHeight / 2.0;
    const double tip = halfH * 0.8;
    QPainterPath plate;
    plate.moveTo(centre.x() - halfW, centre.y());
    plate.lineTo(centre.x() - halfW + tip, centre.y() - halfH);
    plate.lineTo(centre.x() + halfW - tip, centre.y() - halfH);
    plate.lineTo(centre.x() + halfW, centre.y());
    plate.lineTo(centre.x() + halfW - tip, centre.y() + halfH);
    plate.lineTo(centre.x() - halfW + tip, centre.y() + halfH);
    plate.closeSubpath();
    return plate;
}

void paintPlate(QPainter& painter, const CardPalette& palette, const QPointF& centre, double width,
                const QString& text, const QFont& font)
{
    const QPainterPath plate = platePath(centre, width);
    QLinearGradient fill(centre.x(), centre.y() - kPlateHeight / 2, centre.x(), centre.y() + kPlateHeight / 2);
    fill.setColorAt(0.0, palette.frameLight);
    fill.setColorAt(0.5, palette.frameDeep);
    fill.setColorAt(1.0, palette.frameLight);
    painter.setBrush(fill);
    painter.setPen(QPen(palette.trim, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(plate);

    // Centred by the ink of the letters, and on the height of the capitals, so "IV" or a name with
    // descenders sits in the middle as the eye sees it.
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    painter.setFont(font);
    painter.setPen(palette.plateText);
    painter.drawText(QPointF(centre.x() - ink.center().x(), centre.y() + metrics.capHeight() / 2.0), text);
}

// Outer band, panel with its trim lines and small diamonds in the corners.
void paintFrame(QPainter& painter, const CardPalette& palette)
{
    QLinearGradient band(kCardRect.topLeft(), kCardRect.bottomRight());
    band.setColorAt(0.0, palette.frameDeep);
    band.setColorAt(0.5, palette.frameLight);
    band.setColorAt(1.0, palette.frameDeep);
    painter.fillRect(kCardRect, band);

    const QRectF panel = kCardRect.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    QRadialGradient field(kEmblemCentre, kCardHeight * 0.62);
    field.setColorAt(0.0, palette.panelCentre);
    field.setColorAt(1.0, palette.panelEdge);
    painter.setBrush(field);
    painter.setPen(QPen(palette.trim, 1.3));
    painter.drawRoundedRect(panel, 5, 5);

    QColor fine = palette.trim;
    fine.setAlpha(150);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(fine, 0.8));
    painter.drawRoundedRect(panel.adjusted(3, 3, -3, -3), 3, 3);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.trim);
    const double d = kFrameWidth / 2.0;
    for (const QPointF& corner : {QPointF(d, d), QPointF(kCardWidth - d, d), QPointF(d, kCardHeight - d),
                                  QPointF(kCardWidth - d, kCardHeight - d)}) {
        painter.drawPolygon(QPolygonF{corner + QPointF(0, -2.4), corner + QPointF(2.4, 0), corner + QPointF(0, 2.4),
                                      corner + QPointF(-2.4, 0)});
    }
}

// Rounded medallion behind a major's emblem: a superellipse, fuller than an oval in its corners.
QPainterPath medallionPath(double rx, double ry)
{
    constexpr int steps = 240;
    constexpr double exponent = 2.8;
    QPolygonF outline;
    for (int i = 0; i < steps; ++i) {
        const double t = 2.0 * M_PI * i / steps;
        const double c = std::cos(t);
        const double s = std::sin(t);
        outline << kEmblemCentre
                       + QPointF(rx * std::copysign(std::pow(std::abs(c), 2.0 / exponent), c),
                                 ry * std::copysign(std::pow(std::abs(s), 2.0 / exponent), s));
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// Half width and half height of a major's medallion.
constexpr double kMedallionRx = 61.0;
constexpr double kMedallionRy = 89.0;

void paintMedallion(QPainter& painter, const CardPalette& palette)
{
    const double rx = kMedallionRx;
    const double ry = kMedallionRy;
    QRadialGradient sky(kEmblemCentre, ry);
    sky.setColorAt(0.0, palette.panelCentre.lighter(135));
    sky.setColorAt(1.0, palette.panelCentre.darker(120));
    painter.setBrush(sky);
    painter.setPen(QPen(palette.trim, 1.6));
    painter.drawPath(medallionPath(rx, ry));
    QColor fine = palette.trim;
    fine.setAlpha(140);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(fine, 0.8));
    painter.drawPath(medallionPath(rx + 3, ry + 3));
}

// Maps the design box onto the card around the card's centre.
void enterDesignBox(QPainter& painter, double scale)
{
    painter.translate(kEmblemCentre);
    painter.scale(scale, scale);
}

} // namespace

QString tarotCardName(int id)
{
    if (isMajor(id))
        return QLatin1String(kMajorNames[static_cast<size_t>(id - 1)]);
    if (id < 1 || id > kTarotCardCount)
        return {};
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(kRankNames[static_cast<size_t>(rankOf(id) - 1)]),
             QLatin1String(kSuitNames[static_cast<size_t>(suitOf(id))]));
}

QString tarotCardNumeral(int id)
{
    if (isMajor(id))
        return romanNumeral(id - 1);
    if (id < 1 || id > kTarotCardCount)
        return {};
    const int rank = rankOf(id);
    if (rank == 1)
        return QStringLiteral("ACE");
    if (rank <= 10)
        return romanNumeral(rank);
    return QString::fromLatin1(kRankNames[static_cast<size_t>(rank - 1)]).toUpper();
}

QImage paintTarotCard(int id)
{
    if (id < 1 || id > kTarotCardCount)
        return {};
    QImage image(kCardWidth * kPixelRatio, kCardHeight * kPixelRatio, QImage::Format_RGB32);
    const bool major = isMajor(id);
    const CardPalette palette = major ? kMajorPalette : suitPalette(suitOf(id));

    QPainter painter(&image);
    painter.scale(kPixelRatio, kPixelRatio);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    paintFrame(painter, palette);
    if (major)
        paintMedallion(painter, palette);

    painter.save();
    if (major) {
        // A scene (ground, rock) ends at the medallion's edge.
        painter.setClipPath(medallionPath(kMedallionRx - 0.8, kMedallionRy - 0.8));
        enterDesignBox(painter, kMajorScale);
        tarot::paintMajorEmblem(painter, id - 1, palette.ink);
    } else {
        enterDesignBox(painter, kMinorScale);
        const tarot::MinorColours colours{palette.ink, palette.frameDeep, palette.frameLight, palette.trim};
        tarot::paintMinorEmblem(painter, suitOf(id), rankOf(id), colours);
    }
    painter.restore();

    const QString numeral = tarotCardNumeral(id);
    const QFont numeralFont = plateFont(kNumeralFamily, kNumeralPixels);
    const double numeralWidth = std::max(44.0, QFontMetricsF(numeralFont).horizontalAdvance(numeral) + 26.0);
    paintPlate(painter, palette, QPointF(kCardWidth / 2.0, kPlateCentreFromEdge), numeralWidth, numeral, numeralFont);

    const QString name = tarotCardName(id);
    const QFont nameFont = fittingNameFont(name, kNameTextWidth);
    paintPlate(painter, palette, QPointF(kCardWidth / 2.0, kCardHeight - kPlateCentreFromEdge), kNamePlateWidth, name,
               nameFont);
    painter.end();
    return image;
}

bool writeTarotPictures(const QDir& resources, std::vector<Resource>& written)
{
    const QString folder = QStringLiteral("tarot/pictures");
    if (!resources.mkpath(folder))
        return false;
    for (int id = 1; id <= kTarotCardCount; ++id) {
        const QString file = QStringLiteral("%1/%2.jpg").arg(folder).arg(id, 2, 10, QLatin1Char('0'));
        if (!paintTarotCard(id).save(resources.filePath(file), "JPG", kJpegQuality))
            return false;
        written.push_back({tarotCardName(id), file});
    }
    return true;
}

} // namespace pictures
