#include "courses/tarot/card_picture.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace card_picture {

QImage TurnedPicture(const QImage& upright)
{
    if (upright.isNull())
        return {};
    QImage turned(upright.size(), QImage::Format_ARGB32_Premultiplied);
    turned.fill(Qt::transparent);
    QPainter painter(&turned);
    painter.translate(upright.width(), upright.height());
    painter.rotate(180);
    painter.drawImage(0, 0, upright);
    return turned;
}

void ShowPicture(QLabel* box, const QImage& picture, bool turned)
{
    ShowPicture(box, picture, turned, box->devicePixelRatioF());
}

void ShowPicture(QLabel* box, const QImage& picture, bool turned, qreal pixelRatio)
{
    if (picture.isNull()) {
        box->clear();
        return;
    }
    pixelRatio = std::max<qreal>(pixelRatio, 1.0);
    QImage shown = turned ? TurnedPicture(picture) : picture;
    // The size on screen, in the box's own units: the picture's size, or less when it does not fit.
    const QSize room = box->contentsRect().size();
    QSize onScreen = shown.size();
    if (!room.isEmpty() && (onScreen.width() > room.width() || onScreen.height() > room.height()))
        onScreen = onScreen.scaled(room, Qt::KeepAspectRatio);
    // The screen's pixels for that size; a picture with more pixels is scaled down to them, one
    // with fewer keeps its own and is shown enlarged.
    const QSize devicePixels = (QSizeF(onScreen) * pixelRatio).toSize();
    if (shown.width() > devicePixels.width() || shown.height() > devicePixels.height())
        shown = shown.scaled(devicePixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(shown);
    pixmap.setDevicePixelRatio(qreal(shown.width()) / onScreen.width());
    box->setPixmap(pixmap);
}

} // namespace card_picture
