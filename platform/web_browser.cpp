#include "platform/web_browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {
namespace {
WebPageOpener& opener()
{
    static WebPageOpener o;
    return o;
}
} // namespace

void OpenWebPage(const QString& address)
{
    if (opener()) {
        opener()(address);
        return;
    }
    // Fails quietly when there is no browser: nothing is reported.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void setWebPageOpener(WebPageOpener o) { opener() = std::move(o); }

} // namespace platform
