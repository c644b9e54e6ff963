#pragma once
// Card pictures in their boxes, upright or turned by 180 degrees.
#include <QImage>

class QLabel;

namespace card_picture {

// The picture drawn rotated by 180 degrees: the same as flipping it top to bottom and then
// left to right.
QImage TurnedPicture(const QImage& upright);
// Shows the picture in the box, turned or not, fitted into the box when it is larger (never
// enlarged), at the box's device pixel ratio: a picture stored at twice the box's size keeps all
// its pixels on a screen at twice the scale. A null picture leaves the box empty.
void ShowPicture(QLabel* box, const QImage& picture, bool turned = false);
// The same for a screen of the given device pixel ratio.
void ShowPicture(QLabel* box, const QImage& picture, bool turned, qreal pixelRatio);

} // namespace card_picture
