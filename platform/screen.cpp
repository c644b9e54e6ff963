#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/twips.h"

namespace platform {
namespace {
int& fixedWidth()
{
    static int w = 0;
    return w;
}
QSize screenSize()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}
} // namespace

double ScreenWidthTwips() { return pixelsToTwips(fixedWidth() ? fixedWidth() : screenSize().width()); }

void setScreenWidthForTests(int pixels) { fixedWidth() = pixels; }

} // namespace platform
