#pragma once
// Opens a web address in the default browser; tests record the addresses instead.
#include <QString>
#include <functional>

namespace platform {

void OpenWebPage(const QString& address);

using WebPageOpener = std::function<void(const QString& address)>;
// Replaces the browser (tests); an empty opener restores it.
void setWebPageOpener(WebPageOpener opener);

} // namespace platform
