#pragma once
// Painting of a blue rune stone, with or without a glyph.
#include "picture_common.h"
#include "rune_glyphs.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace pictures {

// Pebble outline filling `frame`; `seed` varies it slightly. Same shape when turned by 180 degrees.
QPainterPath stoneOutline(const QRectF& frame, quint32 seed);

// Draws the stone (shadow, shading, grain, highlight) and, when given, the white glyph on it.
void paintRuneStone(QPainter& painter, const QRectF& frame, quint32 seed, const RuneGlyph* glyph);

// Writes runes/NN_Name.png (transparent around the stone) for every rune plus the blank stone;
// returns the entries written.
bool writeRunePictures(const QDir& resources, std::vector<Resource>& written);

} // namespace pictures
