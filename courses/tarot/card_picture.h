#pragma once
// Card pictures in their boxes, upright or turned by 180 degrees.
#include <QImage>

class QLabel;

namespace card_picture {

// The picture drawn rotated by 180 degrees: the same as flipping it top to bottom and then
// left to right.
QImage TurnedPicture(const QImage& upright);
// Shows the picture in the box, turned or not, scaled down when it is larger than the box;
// a null picture leaves the box empty.
void ShowPicture(QLabel* box, const QImage& picture, bool turned = false);

} // namespace card_picture
