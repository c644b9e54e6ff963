#include "courses/tarot/card_picture.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

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
    if (picture.isNull()) {
        box->clear();
        return;
    }
    QImage shown = turned ? TurnedPicture(picture) : picture;
    const QSize room = box->contentsRect().size();
    if (!room.isEmpty() && (shown.width() > room.width() || shown.height() > room.height()))
        shown = shown.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    box->setPixmap(QPixmap::fromImage(shown));
}

} // namespace card_picture
