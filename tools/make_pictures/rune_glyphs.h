#pragma once
// Stroke outlines of the 24 Elder Futhark runes.
#include <QPolygonF>
#include <QString>
#include <vector>

namespace pictures {

// A rune as polylines in glyph units: y runs 0 (top) to 1 (bottom) for a full-height stave.
struct RuneGlyph {
    QString name;
    std::vector<QPolygonF> strokes;
};

// The runes in futhark order, Fehu first.
const std::vector<RuneGlyph>& elderFuthark();

} // namespace pictures
