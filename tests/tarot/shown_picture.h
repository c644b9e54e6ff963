#pragma once
// What a card picture box shows, compared with a stored card picture.
#include <QImage>
#include <QString>

class QLabel;

namespace shown_picture {

// Empty when `box` shows `picture` (turned by 180 degrees when `turned`) at whatever size the box
// gives it; otherwise what differs. Scaling blurs a little, so a small mean difference passes.
QString differenceFrom(const QLabel* box, const QImage& picture, bool turned = false);

} // namespace shown_picture
