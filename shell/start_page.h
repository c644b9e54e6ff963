#pragma once
// The main window's start page, as course windows see it: they show it again when they
// unload and the runes course hides it when its meaning test takes the course window's place.
// The main window installs how it is done, so the courses need not know the main window.
#include <functional>

class QObject;

namespace start_page {

// Installs how the start page is shown or hidden; it lasts as long as owner does.
void Install(const QObject* owner, std::function<void(bool visible)> setVisible);
// Shows or hides the start page; does nothing while no main window is there.
void SetVisible(bool visible);

} // namespace start_page
