// Loading the sign and planet glyphs.
#include "courses/astrology/astrology_pictures.h"

#include "courses/astrology/logic/modLearnAstrology.h"

// The pictures live in the astrology library, which is static, so its resources must be
// registered once by hand; Q_INIT_RESOURCE has to stand outside any namespace.
static void initAstrologyResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(astrology);
        return true;
    }();
    Q_UNUSED(done);
}

namespace modLearnAstrology {
namespace {

QPixmap pictureOf(const QString& key)
{
    initAstrologyResources();
    if (key.isEmpty())
        return {};
    return QPixmap(QStringLiteral(":/astrology/") + key);
}

} // namespace

QPixmap SignPicture(int sign)
{
    return sign >= 0 && sign < SignCount ? pictureOf(SignPictureKey(sign)) : QPixmap();
}

QPixmap PlanetPicture(int planet)
{
    return planet >= 0 && planet < PlanetCount ? pictureOf(PlanetPictureKey(planet)) : QPixmap();
}

} // namespace modLearnAstrology
