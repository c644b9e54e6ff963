#include "shown_picture.h"

#include <QLabel>
#include <QPixmap>
#include <cmath>

namespace shown_picture {

QString differenceFrom(const QLabel* box, const QImage& picture, bool turned)
{
    const QImage shown = box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.isNull() || picture.isNull())
        return QStringLiteral("no picture to compare");
    const QImage expected = (turned ? picture.mirrored(true, true) : picture)
                                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = shown.pixel(x, y);
            const QRgb q = expected.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    const double mean = sum / (3.0 * shown.width() * shown.height());
    if (mean < 2.0)
        return {};
    return QStringLiteral("%1 shows a picture that differs by %2 per channel").arg(box->objectName()).arg(mean);
}

} // namespace shown_picture
