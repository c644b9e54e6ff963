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
// ShowPicture for a picture as the card database stores it (its encoded bytes), at the box's
// own screen. The picture fitted to the box is kept, so a card shown again is neither decoded
// nor scaled again. Bytes that are no picture leave the box empty.
void ShowStoredPicture(QLabel* box, const QByteArray& stored, bool turned = false);

} // namespace card_picture
