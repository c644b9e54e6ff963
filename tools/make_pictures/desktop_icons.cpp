#include "desktop_icons.h"

#include "shell_pictures.h"

#include <QImage>
#include <QPainter>

namespace pictures {

namespace {
// The desktop file's name without .desktop; the theme looks icons up by it.
const QString kAppId = QStringLiteral("net.orvanel.orvanel");
constexpr int kSizes[] = {32, 48, 64, 128, 256};
} // namespace

bool writeDesktopIcons(const QDir& resources, std::vector<Resource>& written)
{
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        if (!resources.mkpath(folder))
            return false;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        // Up to 48 px the beads and the thin inner ring would only blur the disc.
        paintEmblem(painter, QRectF(0, 0, size, size), size <= 48 ? EmblemStyle::Small : EmblemStyle::Bold);
        painter.end();
        const QString file = QStringLiteral("%1/%2.png").arg(folder, kAppId);
        if (!image.save(resources.filePath(file), "PNG"))
            return false;
        written.push_back({kAppId, file});
    }
    return true;
}

} // namespace pictures
