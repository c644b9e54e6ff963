#include "rune_glyphs.h"

#include <initializer_list>

namespace pictures {

namespace {

QPolygonF line(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

std::vector<RuneGlyph> buildFuthark()
{
    std::vector<RuneGlyph> runes;
    // Fehu: stave with two twigs rising to the right.
    runes.push_back({"Fehu",
                     {line({{0.0, 0.0}, {0.0, 1.0}}),
                      line({{0.0, 0.30}, {0.42, 0.02}}),
                      line({{0.0, 0.58}, {0.42, 0.30}})}});
    // Uruz: tall left stave, roof sloping down to a shorter right stave.
    runes.push_back({"Uruz", {line({{0.0, 1.0}, {0.0, 0.0}, {0.46, 0.34}, {0.46, 1.0}})}});
    // Thurisaz: stave with a thorn pointing right.
    runes.push_back({"Thurisaz",
                     {line({{0.0, 0.0}, {0.0, 1.0}}), line({{0.0, 0.25}, {0.38, 0.5}, {0.0, 0.75}})}});
    // Ansuz: stave with two twigs falling to the right.
    runes.push_back({"Ansuz",
                     {line({{0.0, 0.0}, {0.0, 1.0}}),
                      line({{0.0, 0.02}, {0.42, 0.30}}),
                      line({{0.0, 0.30}, {0.42, 0.58}})}});
    // Raidho: angular R.
    runes.push_back({"Raidho", {line({{0.0, 1.0}, {0.0, 0.0}, {0.40, 0.25}, {0.0, 0.50}, {0.44, 1.0}})}});
    // Kenaz: an open angle pointing left.
    runes.push_back({"Kenaz", {line({{0.42, 0.12}, {0.0, 0.5}, {0.42, 0.88}})}});
    // Gebo: a cross of two diagonals.
    runes.push_back({"Gebo", {line({{0.0, 0.0}, {0.62, 1.0}}), line({{0.62, 0.0}, {0.0, 1.0}})}});
    // Wunjo: stave with a small flag at the top.
    runes.push_back({"Wunjo", {line({{0.0, 1.0}, {0.0, 0.0}, {0.38, 0.21}, {0.0, 0.42}})}});
    // Hagalaz: two staves joined by one slanted bar.
    runes.push_back({"Hagalaz",
                     {line({{0.0, 0.0}, {0.0, 1.0}}),
                      line({{0.50, 0.0}, {0.50, 1.0}}),
                      line({{0.0, 0.36}, {0.50, 0.64}})}});
    // Nauthiz: stave crossed by a short slanted bar.
    runes.push_back({"Nauthiz", {line({{0.0, 0.0}, {0.0, 1.0}}), line({{-0.26, 0.36}, {0.26, 0.62}})}});
    // Isa: a single stave.
    runes.push_back({"Isa", {line({{0.0, 0.0}, {0.0, 1.0}})}});
    // Jera: two hooked angles, one high on the left, one low on the right.
    runes.push_back({"Jera",
                     {line({{0.22, 0.0}, {0.0, 0.30}, {0.22, 0.60}}),
                      line({{0.28, 0.40}, {0.50, 0.70}, {0.28, 1.0}})}});
    // Eihwaz: stave with a hook to the right at the top and to the left at the bottom.
    runes.push_back({"Eihwaz",
                     {line({{0.30, 0.24}, {0.0, 0.0}, {0.0, 1.0}, {-0.30, 0.76}})}});
    // Perthro: stave with a cup opening to the right.
    runes.push_back({"Perthro",
                     {line({{0.0, 0.0}, {0.0, 1.0}}),
                      line({{0.0, 0.0}, {0.24, 0.30}, {0.44, 0.06}}),
                      line({{0.0, 1.0}, {0.24, 0.70}, {0.44, 0.94}})}});
    // Algiz: stave with two arms raised from its middle.
    runes.push_back({"Algiz",
                     {line({{0.0, 0.0}, {0.0, 1.0}}),
                      line({{-0.34, 0.06}, {0.0, 0.44}, {0.34, 0.06}})}});
    // Sowilo: a zigzag lightning bolt.
    runes.push_back({"Sowilo", {line({{0.34, 0.0}, {0.0, 0.38}, {0.34, 0.62}, {0.0, 1.0}})}});
    // Tiwaz: an upward arrow.
    runes.push_back({"Tiwaz",
                     {line({{0.0, 0.0}, {0.0, 1.0}}), line({{-0.32, 0.30}, {0.0, 0.0}, {0.32, 0.30}})}});
    // Berkano: angular B.
    runes.push_back({"Berkano",
                     {line({{0.0, 0.0}, {0.0, 1.0}, {0.38, 0.75}, {0.0, 0.5}, {0.38, 0.25}, {0.0, 0.0}})}});
    // Ehwaz: an M of two staves with a V between their tops.
    runes.push_back({"Ehwaz", {line({{0.0, 1.0}, {0.0, 0.0}, {0.26, 0.30}, {0.52, 0.0}, {0.52, 1.0}})}});
    // Mannaz: two staves joined by a cross at the top.
    runes.push_back({"Mannaz",
                     {line({{0.0, 1.0}, {0.0, 0.0}, {0.52, 0.46}}),
                      line({{0.52, 1.0}, {0.52, 0.0}, {0.0, 0.46}})}});
    // Laguz: stave with a twig falling to the right from the top.
    runes.push_back({"Laguz", {line({{0.0, 1.0}, {0.0, 0.0}, {0.38, 0.32}})}});
    // Ingwaz: a diamond.
    runes.push_back({"Ingwaz", {line({{0.28, 0.14}, {0.56, 0.5}, {0.28, 0.86}, {0.0, 0.5}, {0.28, 0.14}})}});
    // Dagaz: a bow tie between two staves.
    runes.push_back({"Dagaz", {line({{0.0, 0.0}, {0.62, 1.0}, {0.62, 0.0}, {0.0, 1.0}, {0.0, 0.0}})}});
    // Othala: a diamond whose lower sides cross into two legs.
    runes.push_back({"Othala",
                     {line({{0.0, 1.0}, {0.60, 0.34}, {0.30, 0.0}, {0.0, 0.34}, {0.60, 1.0}})}});
    return runes;
}

} // namespace

const std::vector<RuneGlyph>& elderFuthark()
{
    static const std::vector<RuneGlyph> runes = buildFuthark();
    return runes;
}

} // namespace pictures
