#pragma once
// Glyph pictures of the astrology course: the twelve zodiac signs and the ten planets.
#include "picture_common.h"

#include <QDir>
#include <QImage>
#include <QPainterPath>
#include <QSize>
#include <vector>

namespace pictures {

// One astrological symbol: the file stem it is written under, its Unicode code point and a
// hand-drawn centre line used when no installed DejaVu font carries the code point.
struct AstrologyGlyph {
    QString stem;
    char32_t codePoint;
    // Centre line in glyph units, y running down; a full-height symbol spans 0 to 1.
    QPainterPath strokes;
    // Keep only the outer contour of the font outline (a solid crescent instead of a hollow one).
    bool solid = false;
};

// Picture sizes of the two sets.
inline constexpr QSize kZodiacPictureSize(40, 36);
inline constexpr QSize kPlanetPictureSize(40, 41);

// The signs from Aries to Pisces.
const std::vector<AstrologyGlyph>& zodiacGlyphs();

// The planets in course order: Sun, Moon, Jupiter, Mercury, Venus, Mars, Saturn, Uranus, Neptune, Pluto.
const std::vector<AstrologyGlyph>& planetGlyphs();

// Filled outline of the symbol in font units (y down, about 1 unit per pixel at a 100 px font),
// taken from DejaVu Sans when it carries the code point. `fromFont` tells which source was used.
QPainterPath astrologyGlyphOutline(const AstrologyGlyph& glyph, bool* fromFont = nullptr);

// Filled outline made from the hand-drawn centre line alone, in the same units as the font outline.
QPainterPath astrologyFallbackOutline(const AstrologyGlyph& glyph);

// Paints one finished picture of `size` around the given outline.
QImage paintAstrologyPicture(const QPainterPath& outline, QSize size);

// Writes astrology/NNname.jpg for every sign and planet; returns the entries written.
bool writeAstrologyPictures(const QDir& resources, std::vector<Resource>& written);

} // namespace pictures
