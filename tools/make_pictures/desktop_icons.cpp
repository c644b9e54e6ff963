#include "desktop_icons.h"

#include "shell_pictures.h"

#include <QImage>

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
        const QImage image = makeProgramIcon(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, kAppId);
        if (!image.save(resources.filePath(file), "PNG"))
            return false;
        written.push_back({kAppId, file});
    }
    return true;
}

} // namespace pictures
