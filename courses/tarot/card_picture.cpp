#include "courses/tarot/card_picture.h"

#include <QCache>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

namespace card_picture {

namespace {

// A picture fitted to a box: its pixels and the size they cover on screen.
struct Fitted {
    QImage pixels;
    QSize onScreen;
    // The box size and pixel ratio it was fitted for.
    QSize room;
    qreal pixelRatio = 1.0;
};

// Room for the fitted pictures of a whole deck on a plain screen, both pages sharing them.
constexpr qsizetype KeptKiB = 16 * 1024;

// The picture fitted into room, the box's own units, at the screen's pixel ratio: its own size,
// or less when it does not fit; a picture with more pixels than the screen gives is scaled down.
Fitted Fit(const QImage& picture, QSize room, qreal pixelRatio)
{
    Fitted fitted{picture, picture.size(), room, pixelRatio};
    if (!room.isEmpty() && (fitted.onScreen.width() > room.width() || fitted.onScreen.height() > room.height()))
        fitted.onScreen = fitted.onScreen.scaled(room, Qt::KeepAspectRatio);
    const QSize devicePixels = (QSizeF(fitted.onScreen) * pixelRatio).toSize();
    if (picture.width() > devicePixels.width() || picture.height() > devicePixels.height())
        fitted.pixels = picture.scaled(devicePixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return fitted;
}

void Show(QLabel* box, const Fitted& fitted, bool turned)
{
    QPixmap pixmap = QPixmap::fromImage(turned ? TurnedPicture(fitted.pixels) : fitted.pixels);
    pixmap.setDevicePixelRatio(qreal(fitted.pixels.width()) / fitted.onScreen.width());
    box->setPixmap(pixmap);
}

qreal PixelRatio(qreal pixelRatio) { return std::max<qreal>(pixelRatio, 1.0); }

} // namespace

QImage TurnedPicture(const QImage& upright)
{
    // Turning by 180 degrees moves each pixel whole, so the picture keeps its format: an
    // opaque picture stays opaque and is copied, not blended, when it is drawn.
    return upright.mirrored(true, true);
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
    Show(box, Fit(picture, box->contentsRect().size(), PixelRatio(pixelRatio)), turned);
}

void ShowStoredPicture(QLabel* box, const QByteArray& stored, bool turned)
{
    // Cards come back as the user steps through a set and its tests: each stored picture is
    // decoded and fitted once for the box's size and screen, and kept while there is room.
    static QCache<QByteArray, Fitted> kept(KeptKiB);
    const qreal ratio = PixelRatio(box->devicePixelRatioF());
    const QSize room = box->contentsRect().size();
    const Fitted* fitted = kept.object(stored);
    if (!fitted || fitted->room != room || fitted->pixelRatio != ratio) {
        const QImage picture = QImage::fromData(stored);
        if (picture.isNull()) {
            box->clear();
            return;
        }
        Fitted made = Fit(picture, room, ratio);
        Show(box, made, turned);
        const qsizetype kib = made.pixels.sizeInBytes() / 1024 + 1;
        kept.insert(stored, new Fitted(std::move(made)), kib);
        return;
    }
    Show(box, *fitted, turned);
}

} // namespace card_picture
