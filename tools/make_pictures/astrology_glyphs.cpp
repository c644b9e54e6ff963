#include "astrology_glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QRawFont>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

// Font outlines are taken at this pixel size; a full-height DejaVu symbol is then about 73 units tall.
constexpr int kFontPixelSize = 100;
constexpr double kFullSymbolHeight = 73.0;
// A full-height symbol fills this share of the picture height.
constexpr double kSymbolHeightRatio = 0.80;
// Hand-drawn centre lines: glyph unit to font unit, and the pen width in glyph units.
constexpr double kFallbackScale = 66.0;
constexpr double kFallbackStroke = 0.10;
// Room kept free between the symbol and the picture edge, in pixels.
constexpr double kSideMargin = 3.5;
constexpr double kTopMargin = 2.5;
// Line weight the set aims at, as a share of the picture height; thinner glyphs are emboldened
// by at most kMostExtraWeight pixels so the pictures read as one set.
constexpr double kTargetWeightRatio = 0.08;
constexpr double kMostExtraWeight = 1.0;

const QColor kInk(44, 34, 112);
const QColor kPaperCentre(255, 253, 247);
const QColor kPaperEdge(246, 240, 224);
const QColor kFrame(204, 180, 128);

QString dejaVuSans()
{
    return QStringLiteral("DejaVu Sans");
}

const QRawFont& symbolFont()
{
    static const QRawFont font = [] {
        QFont request(dejaVuSans());
        request.setPixelSize(kFontPixelSize);
        request.setStyleStrategy(QFont::NoFontMerging);
        return QRawFont::fromFont(request);
    }();
    return font;
}

// Keeps the subpath with the largest bounding box: the outer rim of a hollow shape.
QPainterPath outerContour(const QPainterPath& path)
{
    QPolygonF outer;
    double largest = -1.0;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        const QRectF box = polygon.boundingRect();
        const double area = box.width() * box.height();
        if (area > largest) {
            largest = area;
            outer = polygon;
        }
    }
    QPainterPath result;
    result.addPolygon(outer);
    result.closeSubpath();
    return result;
}

// Cubic helper so the centre lines below read as lists of points.
void curve(QPainterPath& path, QPointF c1, QPointF c2, QPointF end)
{
    path.cubicTo(c1, c2, end);
}

void segment(QPainterPath& path, QPointF from, QPointF to)
{
    path.moveTo(from);
    path.lineTo(to);
}

void circle(QPainterPath& path, QPointF centre, double radius)
{
    path.addEllipse(centre, radius, radius);
}

// The humps shared by Virgo and Scorpio: a first stave and two arches, each ending in a stave.
void mHumps(QPainterPath& p)
{
    segment(p, {0.10, 0.04}, {0.10, 0.80});
    p.moveTo(0.10, 0.26);
    curve(p, {0.10, 0.04}, {0.36, 0.04}, {0.36, 0.26});
    p.lineTo(0.36, 0.80);
    p.moveTo(0.36, 0.26);
    curve(p, {0.36, 0.04}, {0.62, 0.04}, {0.62, 0.26});
}

std::vector<AstrologyGlyph> buildZodiac()
{
    std::vector<AstrologyGlyph> signs;
    {
        // Aries: a stem splitting into two horns curling outwards.
        QPainterPath p;
        p.moveTo(0.5, 1.0);
        p.lineTo(0.5, 0.40);
        curve(p, {0.5, 0.10}, {0.35, 0.0}, {0.22, 0.0});
        curve(p, {0.10, 0.0}, {0.0, 0.10}, {0.0, 0.24});
        curve(p, {0.0, 0.36}, {0.08, 0.44}, {0.16, 0.46});
        p.moveTo(0.5, 0.40);
        curve(p, {0.5, 0.10}, {0.65, 0.0}, {0.78, 0.0});
        curve(p, {0.90, 0.0}, {1.0, 0.10}, {1.0, 0.24});
        curve(p, {1.0, 0.36}, {0.92, 0.44}, {0.84, 0.46});
        signs.push_back({QStringLiteral("aries"), U'\u2648', p});
    }
    {
        // Taurus: a circle under a pair of horns.
        QPainterPath p;
        circle(p, {0.5, 0.66}, 0.32);
        p.moveTo(0.0, 0.02);
        curve(p, {0.15, 0.02}, {0.20, 0.34}, {0.5, 0.34});
        curve(p, {0.80, 0.34}, {0.85, 0.02}, {1.0, 0.02});
        signs.push_back({QStringLiteral("taurus"), U'\u2649', p});
    }
    {
        // Gemini: two pillars between two bowed bars.
        QPainterPath p;
        p.moveTo(0.05, 0.02);
        curve(p, {0.30, 0.14}, {0.70, 0.14}, {0.95, 0.02});
        p.moveTo(0.05, 0.98);
        curve(p, {0.30, 0.86}, {0.70, 0.86}, {0.95, 0.98});
        segment(p, {0.32, 0.10}, {0.32, 0.90});
        segment(p, {0.68, 0.10}, {0.68, 0.90});
        signs.push_back({QStringLiteral("gemini"), U'\u264A', p});
    }
    {
        // Cancer: two small circles with tails, turned against each other.
        QPainterPath p;
        circle(p, {0.26, 0.30}, 0.13);
        p.moveTo(0.26, 0.17);
        curve(p, {0.50, 0.02}, {0.80, 0.04}, {1.0, 0.20});
        circle(p, {0.74, 0.60}, 0.13);
        p.moveTo(0.74, 0.73);
        curve(p, {0.50, 0.88}, {0.20, 0.86}, {0.0, 0.70});
        signs.push_back({QStringLiteral("cancer"), U'\u264B', p});
    }
    {
        // Leo: a small circle whose line arches over and ends in a curled tail.
        QPainterPath p;
        circle(p, {0.22, 0.64}, 0.16);
        p.moveTo(0.36, 0.56);
        curve(p, {0.22, 0.20}, {0.38, 0.0}, {0.60, 0.0});
        curve(p, {0.82, 0.0}, {0.90, 0.20}, {0.78, 0.45});
        curve(p, {0.64, 0.72}, {0.62, 0.98}, {0.82, 0.98});
        curve(p, {0.90, 0.98}, {0.95, 0.93}, {0.98, 0.86});
        signs.push_back({QStringLiteral("leo"), U'\u264C', p});
    }
    {
        // Virgo: an m whose last stave loops and sweeps down to the left.
        QPainterPath p;
        mHumps(p);
        p.lineTo(0.62, 0.66);
        curve(p, {0.62, 0.40}, {0.96, 0.34}, {0.94, 0.56});
        curve(p, {0.92, 0.80}, {0.70, 0.90}, {0.50, 1.05});
        signs.push_back({QStringLiteral("virgo"), U'\u264D', p});
    }
    {
        // Libra: a bar with a raised arch above a plain bar.
        QPainterPath p;
        segment(p, {0.0, 0.92}, {1.0, 0.92});
        p.moveTo(0.0, 0.66);
        p.lineTo(0.30, 0.66);
        curve(p, {0.16, 0.50}, {0.22, 0.12}, {0.50, 0.12});
        curve(p, {0.78, 0.12}, {0.84, 0.50}, {0.70, 0.66});
        p.lineTo(1.0, 0.66);
        signs.push_back({QStringLiteral("libra"), U'\u264E', p});
    }
    {
        // Scorpio: an m whose last stave ends in an arrow pointing right.
        QPainterPath p;
        mHumps(p);
        p.lineTo(0.62, 0.78);
        curve(p, {0.62, 0.90}, {0.68, 0.94}, {0.78, 0.94});
        p.lineTo(0.98, 0.94);
        p.moveTo(0.86, 0.82);
        p.lineTo(0.98, 0.94);
        p.lineTo(0.86, 1.06);
        signs.push_back({QStringLiteral("scorpio"), U'\u264F', p});
    }
    {
        // Sagittarius: an arrow to the upper right with a crossbar on its shaft.
        QPainterPath p;
        segment(p, {0.02, 0.98}, {0.98, 0.02});
        p.moveTo(0.50, 0.02);
        p.lineTo(0.98, 0.02);
        p.lineTo(0.98, 0.50);
        segment(p, {0.20, 0.50}, {0.50, 0.80});
        signs.push_back({QStringLiteral("sagittarius"), U'\u2650', p});
    }
    {
        // Capricorn: a V whose right arm ends in a loop and a tail.
        QPainterPath p;
        p.moveTo(0.02, 0.12);
        curve(p, {0.10, 0.06}, {0.16, 0.10}, {0.20, 0.22});
        p.lineTo(0.34, 0.82);
        p.lineTo(0.48, 0.20);
        curve(p, {0.52, 0.04}, {0.68, 0.04}, {0.68, 0.24});
        p.lineTo(0.66, 0.78);
        curve(p, {0.66, 1.0}, {0.98, 1.0}, {0.96, 0.76});
        curve(p, {0.94, 0.56}, {0.70, 0.56}, {0.66, 0.78});
        curve(p, {0.62, 0.96}, {0.50, 1.04}, {0.40, 1.06});
        signs.push_back({QStringLiteral("capricorn"), U'\u2651', p});
    }
    {
        // Aquarius: two zigzag waves.
        QPainterPath p;
        for (const double top : {0.22, 0.58}) {
            p.moveTo(0.0, top + 0.20);
            for (int i = 1; i <= 5; ++i)
                p.lineTo(0.2 * i, i % 2 == 1 ? top : top + 0.20);
        }
        signs.push_back({QStringLiteral("aquarius"), U'\u2652', p});
    }
    {
        // Pisces: two arcs back to back, joined by a bar.
        QPainterPath p;
        p.moveTo(0.10, 0.0);
        curve(p, {0.38, 0.25}, {0.38, 0.75}, {0.10, 1.0});
        p.moveTo(0.90, 0.0);
        curve(p, {0.62, 0.25}, {0.62, 0.75}, {0.90, 1.0});
        segment(p, {0.20, 0.50}, {0.80, 0.50});
        signs.push_back({QStringLiteral("pisces"), U'\u2653', p});
    }
    return signs;
}

std::vector<AstrologyGlyph> buildPlanets()
{
    std::vector<AstrologyGlyph> planets;
    {
        // Sun: a circle with a dot in the middle.
        QPainterPath p;
        circle(p, {0.5, 0.5}, 0.46);
        circle(p, {0.5, 0.5}, 0.04);
        planets.push_back({QStringLiteral("sun"), U'\u2609', p});
    }
    {
        // Moon: a crescent with its horns to the left.
        QPainterPath p;
        p.moveTo(0.30, 0.02);
        curve(p, {0.62, 0.10}, {0.78, 0.30}, {0.78, 0.50});
        curve(p, {0.78, 0.70}, {0.62, 0.90}, {0.30, 0.98});
        curve(p, {0.50, 0.80}, {0.56, 0.66}, {0.56, 0.50});
        curve(p, {0.56, 0.34}, {0.50, 0.20}, {0.30, 0.02});
        p.closeSubpath();
        planets.push_back({QStringLiteral("moon"), U'\u263D', p, true});
    }
    {
        // Jupiter: a curved stroke meeting a crossbar, like a figure four.
        QPainterPath p;
        segment(p, {0.08, 0.72}, {0.98, 0.72});
        segment(p, {0.74, 0.0}, {0.74, 1.0});
        p.moveTo(0.08, 0.72);
        curve(p, {0.40, 0.50}, {0.50, 0.20}, {0.38, 0.08});
        curve(p, {0.28, 0.0}, {0.14, 0.04}, {0.10, 0.16});
        planets.push_back({QStringLiteral("jupiter"), U'\u2643', p});
    }
    {
        // Mercury: horns over a circle over a cross.
        QPainterPath p;
        p.moveTo(0.22, 0.0);
        curve(p, {0.26, 0.16}, {0.38, 0.24}, {0.50, 0.24});
        curve(p, {0.62, 0.24}, {0.74, 0.16}, {0.78, 0.0});
        circle(p, {0.5, 0.46}, 0.22);
        segment(p, {0.5, 0.68}, {0.5, 1.0});
        segment(p, {0.32, 0.86}, {0.68, 0.86});
        planets.push_back({QStringLiteral("mercury"), U'\u263F', p});
    }
    {
        // Venus: a circle over a cross.
        QPainterPath p;
        circle(p, {0.5, 0.30}, 0.28);
        segment(p, {0.5, 0.58}, {0.5, 1.0});
        segment(p, {0.30, 0.80}, {0.70, 0.80});
        planets.push_back({QStringLiteral("venus"), U'\u2640', p});
    }
    {
        // Mars: a circle with an arrow to the upper right.
        QPainterPath p;
        circle(p, {0.36, 0.64}, 0.30);
        segment(p, {0.572, 0.428}, {0.96, 0.04});
        p.moveTo(0.60, 0.04);
        p.lineTo(0.96, 0.04);
        p.lineTo(0.96, 0.40);
        planets.push_back({QStringLiteral("mars"), U'\u2642', p});
    }
    {
        // Saturn: a cross whose stave bends into a sickle with a curled tail.
        QPainterPath p;
        segment(p, {0.10, 0.16}, {0.50, 0.16});
        segment(p, {0.30, 0.0}, {0.30, 0.82});
        p.moveTo(0.30, 0.55);
        curve(p, {0.40, 0.36}, {0.78, 0.34}, {0.78, 0.60});
        curve(p, {0.78, 0.76}, {0.62, 0.82}, {0.62, 0.90});
        curve(p, {0.62, 0.98}, {0.72, 1.0}, {0.82, 0.94});
        planets.push_back({QStringLiteral("saturn"), U'\u2644', p});
    }
    {
        // Uranus: an H with a middle stave ending in a small circle.
        QPainterPath p;
        segment(p, {0.12, 0.0}, {0.12, 0.62});
        segment(p, {0.88, 0.0}, {0.88, 0.62});
        segment(p, {0.12, 0.31}, {0.88, 0.31});
        segment(p, {0.5, 0.0}, {0.5, 0.74});
        circle(p, {0.5, 0.86}, 0.12);
        planets.push_back({QStringLiteral("uranus"), U'\u2645', p});
    }
    {
        // Neptune: a trident.
        QPainterPath p;
        p.moveTo(0.10, 0.04);
        curve(p, {0.10, 0.50}, {0.30, 0.60}, {0.50, 0.60});
        curve(p, {0.70, 0.60}, {0.90, 0.50}, {0.90, 0.04});
        segment(p, {0.5, 0.02}, {0.5, 1.0});
        segment(p, {0.30, 0.82}, {0.70, 0.82});
        planets.push_back({QStringLiteral("neptune"), U'\u2646', p});
    }
    {
        // Pluto: the letters P and L sharing one stave.
        QPainterPath p;
        p.moveTo(0.25, 0.02);
        p.lineTo(0.55, 0.02);
        curve(p, {0.80, 0.02}, {0.80, 0.46}, {0.55, 0.46});
        p.lineTo(0.25, 0.46);
        p.moveTo(0.25, 0.02);
        p.lineTo(0.25, 0.98);
        p.lineTo(0.78, 0.98);
        planets.push_back({QStringLiteral("pluto"), U'\u2647', p});
    }
    return planets;
}

// Scale that makes a full-height symbol kSymbolHeightRatio of the picture, reduced when the
// outline would otherwise come closer to the edge than the margins allow.
double fittingScale(const QRectF& box, QSize size)
{
    double scale = size.height() * kSymbolHeightRatio / kFullSymbolHeight;
    const double roomWide = size.width() - 2.0 * kSideMargin;
    const double roomHigh = size.height() - 2.0 * kTopMargin;
    if (box.width() * scale > roomWide)
        scale = roomWide / box.width();
    if (box.height() * scale > roomHigh)
        scale = roomHigh / box.height();
    return scale;
}

// Average line width of a filled outline, in the outline's units: twice its area over the length of
// its contours (a long thin shape of width w and length l has area w*l and contour length about 2l).
double lineWeight(const QPainterPath& outline)
{
    const QRectF box = outline.boundingRect();
    QImage coverage(qCeil(box.width()) + 2, qCeil(box.height()) + 2, QImage::Format_Grayscale8);
    coverage.fill(0);
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(1.0 - box.left(), 1.0 - box.top());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(outline);
    painter.end();

    double area = 0;
    for (int y = 0; y < coverage.height(); ++y) {
        const uchar* line = coverage.constScanLine(y);
        for (int x = 0; x < coverage.width(); ++x)
            area += line[x] / 255.0;
    }
    double contour = 0;
    for (const QPolygonF& polygon : outline.toSubpathPolygons()) {
        for (qsizetype i = 1; i < polygon.size(); ++i) {
            const QPointF step = polygon.at(i) - polygon.at(i - 1);
            contour += std::hypot(step.x(), step.y());
        }
    }
    return contour > 0 ? 2.0 * area / contour : 0.0;
}

void paintPaper(QPainter& painter, QSize size)
{
    const QRectF rect(0, 0, size.width(), size.height());
    QRadialGradient paper(rect.center(), std::max(rect.width(), rect.height()) * 0.72);
    paper.setColorAt(0.0, kPaperCentre);
    paper.setColorAt(1.0, kPaperEdge);
    painter.fillRect(rect, QColor(kPaperEdge));
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 5.0, 5.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFrame, 1.0));
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 5.0, 5.0);
}

bool writeSet(const QDir& resources, const std::vector<AstrologyGlyph>& glyphs, QSize size,
              std::vector<Resource>& written)
{
    int number = 0;
    for (const AstrologyGlyph& glyph : glyphs) {
        ++number;
        const QImage image = paintAstrologyPicture(astrologyGlyphOutline(glyph), size);
        const QString alias = QStringLiteral("%1%2.jpg").arg(number, 2, 10, QLatin1Char('0')).arg(glyph.stem);
        const QString file = QStringLiteral("astrology/") + alias;
        if (!image.save(resources.filePath(file), "JPG", 92))
            return false;
        written.push_back({alias, file});
    }
    return true;
}

} // namespace

const std::vector<AstrologyGlyph>& zodiacGlyphs()
{
    static const std::vector<AstrologyGlyph> signs = buildZodiac();
    return signs;
}

const std::vector<AstrologyGlyph>& planetGlyphs()
{
    static const std::vector<AstrologyGlyph> planets = buildPlanets();
    return planets;
}

QPainterPath astrologyFallbackOutline(const AstrologyGlyph& glyph)
{
    // Stroke in font units, where the stroker's curve flattening is fine enough to stay smooth.
    QTransform toFontUnits;
    toFontUnits.scale(kFallbackScale, kFallbackScale);
    const QPainterPath centreLine = toFontUnits.map(glyph.strokes);
    QPainterPathStroker stroker;
    stroker.setWidth(kFallbackStroke * kFallbackScale);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCurveThreshold(0.05);
    QPainterPath outline = stroker.createStroke(centreLine);
    if (glyph.solid)
        outline = outline.united(centreLine);
    outline.setFillRule(Qt::WindingFill);
    return outline.simplified();
}

QPainterPath astrologyGlyphOutline(const AstrologyGlyph& glyph, bool* fromFont)
{
    const QRawFont& font = symbolFont();
    const bool usable = font.isValid() && font.familyName() == dejaVuSans() && font.supportsCharacter(glyph.codePoint);
    if (usable) {
        const QList<quint32> indexes = font.glyphIndexesForString(QString::fromUcs4(&glyph.codePoint, 1));
        if (indexes.size() == 1 && indexes.front() != 0) {
            const QPainterPath path = font.pathForGlyph(indexes.front());
            if (!path.isEmpty()) {
                if (fromFont)
                    *fromFont = true;
                return glyph.solid ? outerContour(path) : path;
            }
        }
    }
    if (fromFont)
        *fromFont = false;
    return astrologyFallbackOutline(glyph);
}

QImage paintAstrologyPicture(const QPainterPath& outline, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintPaper(painter, size);

    const QRectF box = outline.boundingRect();
    const double scale = fittingScale(box, size);
    QTransform place;
    place.translate(size.width() / 2.0, size.height() / 2.0);
    place.scale(scale, scale);
    place.translate(-box.center().x(), -box.center().y());
    const QPainterPath placed = place.map(outline);

    // A pen along the outline thickens thin glyphs by half its width on each side.
    const double extra = std::clamp(size.height() * kTargetWeightRatio - lineWeight(outline) * scale, 0.0,
                                    kMostExtraWeight);
    if (extra > 0.05)
        painter.setPen(QPen(kInk, extra, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPath(placed);
    painter.end();
    return image;
}

bool writeAstrologyPictures(const QDir& resources, std::vector<Resource>& written)
{
    if (!resources.mkpath(QStringLiteral("astrology")))
        return false;
    return writeSet(resources, zodiacGlyphs(), kZodiacPictureSize, written)
           && writeSet(resources, planetGlyphs(), kPlanetPictureSize, written);
}

} // namespace pictures
