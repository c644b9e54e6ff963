// Loading and turning the rune stone pictures.
#include "courses/runes/rune_pictures.h"

#include <QLabel>
#include <QPainter>

#include "courses/runes/logic/modLearnRunes.h"

// The pictures live in the runes library, which is static, so its resources must be
// registered once by hand; Q_INIT_RESOURCE has to stand outside any namespace.
static void initRuneResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(runes);
        return true;
    }();
    Q_UNUSED(done);
}

namespace modLearnRunes {

QPixmap StonePicture(int rune)
{
    initRuneResources();
    const QString key = StoneImageKey(rune);
    if (key.isEmpty())
        return {};
    return QPixmap(QStringLiteral(":/runes/") + key);
}

void DrawReversedStone(QLabel* box)
{
    if (!box)
        return;
    const QPixmap upright = box->pixmap();
    if (upright.isNull())
        return;
    const QSize area = box->width() > 0 && box->height() > 0 ? box->size() : upright.size();
    QPixmap turned(area);
    turned.fill(Qt::transparent);
    {
        QPainter painter(&turned);
        // Corner at the far end of the box with negative extents: mirrored both ways.
        painter.translate(area.width(), area.height());
        painter.scale(-1, -1);
        painter.drawPixmap(QRect(QPoint(0, 0), area), upright);
    }
    box->setPixmap(turned);
}

} // namespace modLearnRunes
