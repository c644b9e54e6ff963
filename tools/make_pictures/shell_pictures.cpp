#include "shell_pictures.h"

#include "rune_glyphs.h"
#include "rune_stone.h"

#include <QConicalGradient>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <functional>

namespace pictures {

namespace {

const QColor kGoldLight(250, 226, 150);
const QColor kGold(224, 178, 72);
const QColor kGoldDark(160, 112, 36);
const QColor kNightTop(34, 26, 84);
const QColor kNightDeep(8, 6, 26);

QPointF polar(const QPointF& centre, double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
}

QFont serifBold(double pixelSize)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    return font;
}

QFont sans(double pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    return font;
}

// Metallic gold brush running across `rect`.
QLinearGradient goldBrush(const QRectF& rect)
{
    QLinearGradient gold(rect.topLeft(), rect.bottomRight());
    gold.setColorAt(0.0, kGoldLight);
    gold.setColorAt(0.45, kGold);
    gold.setColorAt(0.7, kGoldLight);
    gold.setColorAt(1.0, kGoldDark);
    return gold;
}

// Text path whose bounding box is centred on `centre`.
QPainterPath centredText(const QString& text, const QFont& font, const QPointF& centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    return path;
}

// Star with `points` tips, alternating between outer and inner radius.
QPolygonF starPolygon(const QPointF& centre, int points, double outer, double inner, double startDegrees)
{
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        star << polar(centre, radius, startDegrees + i * 180.0 / points);
    }
    return star;
}

// Twinkling stars scattered over `area`.
void paintStars(QPainter& painter, const QRectF& area, int count, quint32 seed, double scale,
                const std::function<bool(const QPointF&)>& skip = {})
{
    SeededRandom random(seed);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.uniform(area.left(), area.right()), random.uniform(area.top(), area.bottom()));
        const double size = random.uniform(0.35, 1.0) * scale;
        const int alpha = static_cast<int>(random.uniform(90, 230));
        const bool warm = random.uniform(0, 1) < 0.25;
        if (skip && skip(at))
            continue;
        const QColor colour = warm ? QColor(255, 236, 190, alpha) : QColor(225, 230, 255, alpha);
        painter.setBrush(colour);
        painter.drawEllipse(at, size, size);
        if (size > 0.85 * scale) {
            // Brightest stars get a small sparkle cross.
            QColor ray = colour;
            ray.setAlpha(alpha / 3);
            painter.setPen(QPen(ray, 0.6 * scale));
            painter.drawLine(at - QPointF(size * 3.2, 0), at + QPointF(size * 3.2, 0));
            painter.drawLine(at - QPointF(0, size * 3.2), at + QPointF(0, size * 3.2));
            painter.setPen(Qt::NoPen);
        }
    }
}

// Crescent moon with a soft glow; the lit side faces left.
void paintCrescent(QPainter& painter, const QPointF& centre, double radius)
{
    QRadialGradient glow(centre, radius * 2.4);
    glow.setColorAt(0.0, QColor(255, 236, 170, 70));
    glow.setColorAt(0.45, QColor(255, 226, 150, 22));
    glow.setColorAt(1.0, QColor(255, 226, 150, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2.4, radius * 2.4);

    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.45, -radius * 0.22), radius * 0.86, radius * 0.86);
    const QPainterPath crescent = disc.subtracted(bite);

    QLinearGradient light(centre + QPointF(-radius, -radius), centre + QPointF(radius * 0.3, radius));
    light.setColorAt(0.0, QColor(255, 246, 210));
    light.setColorAt(1.0, QColor(236, 190, 96));
    painter.setBrush(light);
    painter.drawPath(crescent);
}

} // namespace

void paintEmblem(QPainter& painter, const QRectF& rect, EmblemStyle style)
{
    const bool bold = style != EmblemStyle::Fine;
    const bool small = style == EmblemStyle::Small;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = rect.center();
    const double R = std::min(rect.width(), rect.height()) / 2.0;

    const double ringWidth = R * (small ? 0.13 : bold ? 0.10 : 0.075);
    const double ringRadius = R * 0.985 - ringWidth / 2;
    // Without beads the star takes the room they had.
    const double innerRing = ringRadius - ringWidth * (small ? 0.9 : 1.7);

    QRadialGradient back(c - QPointF(R * 0.25, R * 0.3), R * 1.1);
    back.setColorAt(0.0, QColor(58, 48, 140));
    back.setColorAt(0.6, QColor(28, 22, 78));
    back.setColorAt(1.0, QColor(12, 9, 36));
    painter.setPen(Qt::NoPen);
    painter.setBrush(back);
    painter.drawEllipse(c, ringRadius, ringRadius);

    // Warm glow behind the star.
    QRadialGradient glow(c, innerRing * 0.8);
    glow.setColorAt(0.0, QColor(255, 220, 140, 90));
    glow.setColorAt(1.0, QColor(255, 220, 140, 0));
    painter.setBrush(glow);
    painter.drawEllipse(c, innerRing * 0.8, innerRing * 0.8);

    QConicalGradient metal(c, 45);
    metal.setColorAt(0.0, kGoldLight);
    metal.setColorAt(0.25, kGoldDark);
    metal.setColorAt(0.5, kGoldLight);
    metal.setColorAt(0.75, kGoldDark);
    metal.setColorAt(1.0, kGoldLight);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(metal), ringWidth));
    painter.drawEllipse(c, ringRadius, ringRadius);
    if (!small) {
        painter.setPen(QPen(QBrush(metal), std::max(1.0, ringWidth * 0.35)));
        painter.drawEllipse(c, innerRing, innerRing);

        // Twelve beads between the rings, one per sign.
        painter.setPen(Qt::NoPen);
        painter.setBrush(kGoldLight);
        const double beadRadius = ringRadius - ringWidth * 1.0;
        for (int i = 0; i < 12; ++i)
            painter.drawEllipse(polar(c, beadRadius, i * 30.0 + 15.0), ringWidth * 0.28, ringWidth * 0.28);
    }

    // Star: long cardinal tips, shorter diagonal ones, each split into a light and a dark facet.
    const double longTip = innerRing * 0.98;
    // A wider waist keeps a small star from thinning into lines.
    const double shortTip = innerRing * (small ? 0.74 : bold ? 0.72 : 0.62);
    const double waist = innerRing * (small ? 0.44 : bold ? 0.36 : 0.22);
    for (int i = 0; i < 8; ++i) {
        const double angle = -90.0 + i * 45.0;
        const double tipRadius = (i % 2 == 0) ? longTip : shortTip;
        const QPointF tip = polar(c, tipRadius, angle);
        const QPointF left = polar(c, waist, angle - 22.5);
        const QPointF right = polar(c, waist, angle + 22.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush((i % 2 == 0) ? kGoldLight : QColor(240, 210, 130));
        painter.drawPolygon(QPolygonF({c, left, tip}));
        painter.setBrush((i % 2 == 0) ? kGold : kGoldDark);
        painter.drawPolygon(QPolygonF({c, tip, right}));
    }
    // Thin dark seam along the star outline keeps the tips crisp.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(110, 72, 20, small ? 60 : bold ? 90 : 140), std::max(0.6, R * 0.012), Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    QPolygonF outline;
    for (int i = 0; i < 16; ++i) {
        const double angle = -90.0 + i * 22.5;
        if (i % 2 == 1)
            outline << polar(c, waist, angle);
        else
            outline << polar(c, (i / 2) % 2 == 0 ? longTip : shortTip, angle);
    }
    painter.drawPolygon(outline);

    // Centre jewel.
    QRadialGradient jewel(c - QPointF(R * 0.03, R * 0.03), R * 0.11);
    jewel.setColorAt(0.0, QColor(255, 255, 240));
    jewel.setColorAt(0.5, QColor(250, 226, 150));
    jewel.setColorAt(1.0, QColor(190, 135, 40));
    painter.setPen(QPen(QColor(110, 72, 20, 160), std::max(0.6, R * 0.015)));
    painter.setBrush(jewel);
    painter.drawEllipse(c, R * 0.09, R * 0.09);
    painter.restore();
}

namespace {

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage makeBanner()
{
    const int w = 900;
    const int h = 90;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    // Sky: indigo at the top left, fading to near black.
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, kNightTop);
    sky.setColorAt(0.6, QColor(16, 12, 46));
    sky.setColorAt(1.0, QColor(2, 2, 8));
    p.fillRect(image.rect(), sky);
    QRadialGradient haze(QPointF(w * 0.18, 0), w * 0.5);
    haze.setColorAt(0.0, QColor(90, 70, 170, 70));
    haze.setColorAt(1.0, QColor(90, 70, 170, 0));
    p.fillRect(image.rect(), haze);

    // Zodiac wheel on the right; stars keep clear of it and of the title.
    const QPointF wheel(828, 45);
    const double outer = 40;
    const QRectF titleZone(70, 8, 330, 74);
    paintStars(p, QRectF(0, 0, w, h * 0.8), 90, 2024, 1.2, [&](const QPointF& at) {
        const QPointF d = at - wheel;
        return titleZone.contains(at) || std::hypot(d.x(), d.y()) < outer + 6;
    });

    const double inner = 27;
    const QColor faintGold(224, 184, 96, 110);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(faintGold, 1.4));
    p.drawEllipse(wheel, outer, outer);
    p.setPen(QPen(faintGold, 1.0));
    p.drawEllipse(wheel, inner, inner);
    p.drawEllipse(wheel, 9, 9);
    for (int i = 0; i < 12; ++i) {
        p.drawLine(polar(wheel, inner, i * 30.0), polar(wheel, outer, i * 30.0));
        p.drawLine(polar(wheel, 9, i * 30.0 + 15.0), polar(wheel, inner, i * 30.0 + 15.0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 196, 110, 150));
    const QFont signFont = sans(10);
    for (int i = 0; i < 12; ++i) {
        const QString sign(QChar(0x2648 + i));
        // Aries at the left, signs running counter-clockwise as on a chart.
        p.drawPath(centredText(sign, signFont, polar(wheel, (outer + inner) / 2.0, 180.0 - i * 30.0 - 15.0)));
    }
    p.setBrush(QColor(240, 210, 130, 150));
    p.drawPolygon(starPolygon(wheel, 8, 7.5, 3.0, -90));

    // Bottom edge fades into the black page below.
    QLinearGradient fade(0, h * 0.5, 0, h);
    fade.setColorAt(0.0, QColor(0, 0, 0, 0));
    fade.setColorAt(1.0, QColor(0, 0, 0, 255));
    p.fillRect(QRectF(0, h * 0.5, w, h * 0.5 + 1), fade);

    paintCrescent(p, QPointF(44, 42), 21);

    // Title and subtitle.
    const QFont titleFont = serifBold(40);
    QPainterPath title;
    title.addText(86, 50, titleFont, QStringLiteral("Orvanel"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(title.translated(1.5, 2));
    QLinearGradient titleGold(0, 18, 0, 52);
    titleGold.setColorAt(0.0, QColor(255, 240, 180));
    titleGold.setColorAt(0.5, QColor(232, 188, 82));
    titleGold.setColorAt(1.0, QColor(190, 138, 44));
    p.setBrush(titleGold);
    p.drawPath(title);

    QFont subtitleFont = sans(13);
    subtitleFont.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    p.setFont(subtitleFont);
    p.setPen(QColor(205, 205, 235));
    p.drawText(QPointF(89, 73), QStringLiteral("Astrology  -  Numerology  -  Tarot  -  Runes"));

    p.end();
    return image;
}

QImage makeAstrologyIcon()
{
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c(16, 16);
    // Night disc with a gold wheel of twelve houses.
    QRadialGradient back(c - QPointF(3, 3), 16);
    back.setColorAt(0.0, QColor(60, 50, 140));
    back.setColorAt(1.0, QColor(18, 14, 52));
    p.setPen(QPen(goldBrush(QRectF(0, 0, 32, 32)), 2.0));
    p.setBrush(back);
    p.drawEllipse(c, 14.5, 14.5);
    p.setPen(QPen(QColor(224, 178, 72, 200), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 10.5, 10.5);
    for (int i = 0; i < 12; ++i)
        p.drawLine(polar(c, 10.5, i * 30.0), polar(c, 13.5, i * 30.0));
    // Sun in the centre.
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldLight);
    p.drawPolygon(starPolygon(c, 8, 8.5, 4.0, -90));
    QRadialGradient sun(c - QPointF(1, 1), 4.5);
    sun.setColorAt(0.0, QColor(255, 250, 220));
    sun.setColorAt(1.0, QColor(232, 170, 50));
    p.setBrush(sun);
    p.setPen(QPen(QColor(150, 100, 30), 0.8));
    p.drawEllipse(c, 3.6, 3.6);
    p.end();
    return image;
}

QImage makeTarotIcon()
{
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF card(6.5, 1.5, 19, 29);
    // Cream card with a gold edge and a night-blue face.
    p.setPen(QPen(QColor(120, 84, 30), 1.0));
    p.setBrush(QColor(246, 236, 208));
    p.drawRoundedRect(card, 2.2, 2.2);
    const QRectF face = card.adjusted(2.5, 2.5, -2.5, -2.5);
    QLinearGradient night(face.topLeft(), face.bottomLeft());
    night.setColorAt(0.0, QColor(52, 44, 128));
    night.setColorAt(1.0, QColor(20, 16, 58));
    p.setPen(QPen(kGold, 0.9));
    p.setBrush(night);
    p.drawRect(face);
    // Star with a small sun below it.
    const QPointF starCentre(face.center().x(), face.top() + face.height() * 0.40);
    p.setPen(QPen(QColor(150, 100, 30), 0.6));
    p.setBrush(goldBrush(face));
    p.drawPolygon(starPolygon(starCentre, 5, 6.0, 2.5, -90));
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldLight);
    p.drawEllipse(QPointF(face.center().x(), face.bottom() - 3.6), 1.6, 1.6);
    p.setBrush(QColor(230, 230, 255, 200));
    p.drawEllipse(QPointF(face.left() + 2.2, face.top() + 2.2), 0.7, 0.7);
    p.drawEllipse(QPointF(face.right() - 2.2, face.top() + 3.4), 0.6, 0.6);
    p.end();
    return image;
}

QImage makeNumerologyIcon()
{
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c(16, 16);
    QRadialGradient back(c - QPointF(4, 4), 18);
    back.setColorAt(0.0, QColor(120, 88, 196));
    back.setColorAt(1.0, QColor(44, 26, 96));
    p.setPen(QPen(goldBrush(QRectF(0, 0, 32, 32)), 1.8));
    p.setBrush(back);
    p.drawEllipse(c, 14.6, 14.6);
    const QPainterPath nine = centredText(QStringLiteral("9"), serifBold(21), c + QPointF(0, 0.3));
    p.setPen(QPen(QColor(70, 40, 10, 180), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nine.translated(0.4, 0.6));
    p.setPen(Qt::NoPen);
    QLinearGradient gold(0, 6, 0, 26);
    gold.setColorAt(0.0, QColor(255, 240, 180));
    gold.setColorAt(1.0, QColor(226, 170, 60));
    p.setBrush(gold);
    p.drawPath(nine);
    p.end();
    return image;
}

QImage makeRunesIcon()
{
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    paintRuneStone(p, QRectF(4, 0, 24, 32), 1, &elderFuthark().front());
    p.end();
    return image;
}

QImage makeAbout()
{
    QImage image = transparentImage(120, 120);
    QPainter p(&image);
    paintEmblem(p, QRectF(0, 0, 120, 120), EmblemStyle::Fine);
    p.end();
    return image;
}

QImage makeExit()
{
    const int w = 160;
    const int h = 200;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(30, 24, 82));
    sky.setColorAt(0.65, QColor(14, 11, 44));
    sky.setColorAt(1.0, QColor(6, 5, 18));
    p.fillRect(image.rect(), sky);
    paintStars(p, QRectF(6, 6, w - 12, h * 0.62), 55, 77, 1.0);
    paintCrescent(p, QPointF(108, 50), 20);

    // Dark hill the stones rest on.
    QPainterPath hill;
    hill.moveTo(0, 150);
    hill.cubicTo(40, 132, 110, 128, w, 146);
    hill.lineTo(w, h);
    hill.lineTo(0, h);
    hill.closeSubpath();
    QLinearGradient ground(0, 130, 0, h);
    ground.setColorAt(0.0, QColor(48, 42, 92));
    ground.setColorAt(1.0, QColor(10, 9, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawPath(hill);

    const auto& runes = elderFuthark();
    paintRuneStone(p, QRectF(22, 132, 30, 40), 3, &runes[23]);
    paintRuneStone(p, QRectF(63, 126, 34, 46), 5, &runes[0]);
    paintRuneStone(p, QRectF(108, 134, 30, 40), 9, &runes[22]);

    // Gold frame with a thin dark inner line.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(goldBrush(QRectF(0, 0, w, h)), 4.0));
    p.drawRect(QRectF(2, 2, w - 4, h - 4));
    p.setPen(QPen(QColor(90, 60, 20), 1.0));
    p.drawRect(QRectF(4.5, 4.5, w - 9, h - 9));
    p.setPen(QPen(QColor(224, 178, 72, 120), 1.0));
    p.drawRect(QRectF(6.5, 6.5, w - 13, h - 13));
    p.end();
    return image;
}

} // namespace

QImage makeProgramIcon(int size)
{
    QImage image = transparentImage(size, size);
    QPainter p(&image);
    // Up to 48 px the beads and the thin inner ring would only blur the disc.
    paintEmblem(p, QRectF(0, 0, size, size), size <= 48 ? EmblemStyle::Small : EmblemStyle::Bold);
    p.end();
    return image;
}

bool writeShellPictures(const QDir& resources, std::vector<Resource>& written)
{
    if (!resources.mkpath(QStringLiteral("shell")))
        return false;

    const std::vector<std::pair<QString, std::function<QImage()>>> makers = {
        {QStringLiteral("banner"), makeBanner},
        {QStringLiteral("astrology"), makeAstrologyIcon},
        {QStringLiteral("tarot"), makeTarotIcon},
        {QStringLiteral("numerology"), makeNumerologyIcon},
        {QStringLiteral("runes"), makeRunesIcon},
        {QStringLiteral("about"), makeAbout},
        {QStringLiteral("exit"), makeExit},
        // The window icon at the sizes window managers show.
        {QStringLiteral("icon-32"), [] { return makeProgramIcon(32); }},
        {QStringLiteral("icon-64"), [] { return makeProgramIcon(64); }},
    };
    for (const auto& [alias, make] : makers) {
        const QString file = QStringLiteral("shell/%1.png").arg(alias);
        if (!make().save(resources.filePath(file), "PNG"))
            return false;
        written.push_back({alias, file});
    }
    return true;
}

} // namespace pictures
