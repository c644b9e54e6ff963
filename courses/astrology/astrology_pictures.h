#pragma once
// The glyph pictures of the astrology course: signs 40 x 36 and planets 40 x 41, embedded
// under ":/astrology/".
#include <QPixmap>

namespace modLearnAstrology {

inline constexpr int SignPictureWidth = 40;
inline constexpr int SignPictureHeight = 36;
inline constexpr int PlanetPictureWidth = 40;
inline constexpr int PlanetPictureHeight = 41;

// The glyph of sign 0..11 (list imgSign) or planet 0..9 (list imgPlanet); null when missing.
QPixmap SignPicture(int sign);
QPixmap PlanetPicture(int planet);

} // namespace modLearnAstrology
