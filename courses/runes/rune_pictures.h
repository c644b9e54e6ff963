#pragma once
// The rune stone pictures of the course (113 x 151, embedded under ":/runes/").
#include <QPixmap>

class QLabel;

namespace modLearnRunes {

inline constexpr int StonePictureWidth = 113;
inline constexpr int StonePictureHeight = 151;

// The upright picture of rune r (r = 24 gives the blank stone); null when it is missing.
QPixmap StonePicture(int rune);

// Turns the picture the box shows by 180 degrees, filling the box's area, and makes the
// turned image its picture. A box without a picture is left as it is.
void DrawReversedStone(QLabel* box);

} // namespace modLearnRunes
