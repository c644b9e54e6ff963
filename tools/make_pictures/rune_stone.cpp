#include "rune_stone.h"

#include <QImage>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <limits>

namespace pictures {

namespace {

constexpr int kStoneWidth = 113;
constexpr int kStoneHeight = 151;

// Height of a full stave relative to the stone height.
constexpr double kGlyphHeightRatio = 0.60;
// Stroke width relative to the stave height.
constexpr double kStrokeRatio = 0.105;

QRectF boundsOf(const RuneGlyph& glyph)
{
    double left = std::numeric_limits<double>::max();
    double top = left;
    double right = std::numeric_limits<double>::lowest();
    double bottom = right;
    for (const QPolygonF& stroke : glyph.strokes) {
        for (const QPointF& p : stroke) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void paintGlyph(QPainter& painter, const QRectF& stoneRect, const RuneGlyph& glyph)
{
    const double scale = stoneRect.height() * kGlyphHeightRatio;
    const QRectF bounds = boundsOf(glyph);
    const QPointF centre = stoneRect.center();

    QPainterPath path;
    for (const QPolygonF& stroke : glyph.strokes) {
        QPolygonF placed;
        for (const QPointF& p : stroke)
            placed << centre + (p - bounds.center()) * scale;
        path.addPolygon(placed);
    }

    // Small stones (icons) keep a stroke thick enough to read.
    const double width = std::max(scale * kStrokeRatio, 2.6);
    painter.setBrush(Qt::NoBrush);
    // A soft dark rim so the white reads as painted into the stone.
    painter.setPen(QPen(QColor(25, 55, 95, 45), width + width * 0.55, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(QColor(25, 55, 95, 70), width + width * 0.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

QString runeFileStem(int number, const QString& name)
{
    return QStringLiteral("%1_%2").arg(number, 2, 10, QLatin1Char('0')).arg(name);
}

QString runeAlias(int number, const QString& name)
{
    return QStringLiteral("%1 %2").arg(number, 2, 10, QLatin1Char('0')).arg(name);
}

} // namespace

QPainterPath stoneOutline(const QRectF& frame, quint32 seed)
{
    SeededRandom random(seed);
    // Only even harmonics, so the outline maps onto itself when turned half a circle.
    const double amp2 = random.uniform(0.010, 0.030);
    const double phase2 = random.uniform(0.0, 2.0 * M_PI);
    const double amp4 = random.uniform(0.008, 0.020);
    const double phase4 = random.uniform(0.0, 2.0 * M_PI);
    const double amp6 = random.uniform(0.000, 0.008);
    const double phase6 = random.uniform(0.0, 2.0 * M_PI);
    const double exponent = random.uniform(2.3, 2.7);

    constexpr int steps = 360;
    QPolygonF points;
    for (int i = 0; i < steps; ++i) {
        const double t = 2.0 * M_PI * i / steps;
        const double c = std::cos(t);
        const double s = std::sin(t);
        // Superellipse radius: between an ellipse and a rounded box.
        const double r = 1.0 / std::pow(std::pow(std::abs(c), exponent) + std::pow(std::abs(s), exponent),
                                        1.0 / exponent);
        const double wobble = 1.0 + amp2 * std::cos(2 * t + phase2) + amp4 * std::cos(4 * t + phase4)
                              + amp6 * std::cos(6 * t + phase6);
        points << QPointF(c * r * wobble, s * r * wobble);
    }

    // Stretch the unit shape so it fills the frame exactly.
    const QRectF unit = points.boundingRect();
    QPolygonF placed;
    for (const QPointF& p : points) {
        placed << QPointF(frame.left() + (p.x() - unit.left()) / unit.width() * frame.width(),
                          frame.top() + (p.y() - unit.top()) / unit.height() * frame.height());
    }
    QPainterPath path;
    path.addPolygon(placed);
    path.closeSubpath();
    return path;
}

void paintRuneStone(QPainter& painter, const QRectF& frame, quint32 seed, const RuneGlyph* glyph)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    const double size = std::min(frame.width(), frame.height());
    const double margin = std::max(1.0, size * 0.035);
    const QRectF stoneRect = frame.adjusted(margin, margin, -margin, -margin);
    const QPainterPath outline = stoneOutline(stoneRect, seed);

    // Soft shadow all around, so the stone sits well either way up.
    painter.setBrush(Qt::NoBrush);
    const int shadowSteps = 4;
    for (int i = shadowSteps; i >= 1; --i) {
        painter.setPen(QPen(QColor(40, 50, 70, 14), margin * 2.0 * i / shadowSteps, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(outline);
    }

    // Body: light blue dome, brighter towards the upper left.
    QRadialGradient body(stoneRect.left() + stoneRect.width() * 0.42, stoneRect.top() + stoneRect.height() * 0.40,
                         stoneRect.height() * 0.62);
    body.setColorAt(0.0, QColor(160, 198, 232));
    body.setColorAt(0.55, QColor(128, 172, 218));
    body.setColorAt(0.85, QColor(104, 150, 200));
    body.setColorAt(1.0, QColor(82, 124, 176));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(outline);

    painter.setClipPath(outline);

    // Grain: faint dots in lighter and darker blue.
    SeededRandom grain(seed * 7919u + 17u);
    const int dots = static_cast<int>(stoneRect.width() * stoneRect.height() / 40.0);
    for (int i = 0; i < dots; ++i) {
        const QPointF at(grain.uniform(stoneRect.left(), stoneRect.right()),
                         grain.uniform(stoneRect.top(), stoneRect.bottom()));
        const double radius = grain.uniform(0.3, 0.9) * size / 100.0;
        const bool light = grain.uniform(0.0, 1.0) < 0.5;
        const int alpha = static_cast<int>(grain.uniform(14, 34));
        painter.setBrush(light ? QColor(220, 236, 250, alpha) : QColor(40, 80, 130, alpha));
        painter.drawEllipse(at, radius, radius);
    }

    // Darker rim inside the edge.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(40, 75, 125, 50), margin * 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(40, 75, 125, 60), margin * 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);

    // Subtle sheen near the upper left.
    const QPointF sheenCentre(stoneRect.left() + stoneRect.width() * 0.34, stoneRect.top() + stoneRect.height() * 0.20);
    QRadialGradient sheen(sheenCentre, stoneRect.width() * 0.30);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.save();
    painter.translate(sheenCentre);
    painter.scale(1.0, 0.65);
    painter.translate(-sheenCentre);
    painter.drawEllipse(sheenCentre, stoneRect.width() * 0.30, stoneRect.width() * 0.30);
    painter.restore();

    painter.setClipping(false);
    if (glyph)
        paintGlyph(painter, stoneRect, *glyph);
    painter.restore();
}

bool writeRunePictures(const QDir& resources, std::vector<Resource>& written)
{
    if (!resources.mkpath(QStringLiteral("runes")))
        return false;

    const std::vector<RuneGlyph>& runes = elderFuthark();
    const int count = static_cast<int>(runes.size()) + 1;
    for (int number = 1; number <= count; ++number) {
        const bool blank = number == count;
        const QString name = blank ? QStringLiteral("Blank") : runes[static_cast<size_t>(number - 1)].name;

        // Transparent around the stone, so it sits on whatever the window's background is.
        QImage image(kStoneWidth, kStoneHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintRuneStone(painter, QRectF(0, 0, kStoneWidth, kStoneHeight), static_cast<quint32>(number),
                       blank ? nullptr : &runes[static_cast<size_t>(number - 1)]);
        painter.end();

        const QString file = QStringLiteral("runes/%1.png").arg(runeFileStem(number, name));
        if (!image.save(resources.filePath(file), "PNG"))
            return false;
        written.push_back({runeAlias(number, name), file});
    }
    return true;
}

} // namespace pictures
