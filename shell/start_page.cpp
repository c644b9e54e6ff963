#include "shell/start_page.h"

#include <QObject>
#include <QPointer>

namespace start_page {
namespace {
struct Installed {
    QPointer<const QObject> owner;
    std::function<void(bool)> setVisible;
};

Installed& installed()
{
    static Installed i;
    return i;
}
} // namespace

void Install(const QObject* owner, std::function<void(bool visible)> setVisible)
{
    installed() = {owner, std::move(setVisible)};
}

void SetVisible(bool visible)
{
    const Installed& i = installed();
    if (i.owner && i.setVisible)
        i.setVisible(visible);
}

} // namespace start_page
