#pragma once
// The user's base folders by the XDG rules: a variable's value where it is an absolute path,
// otherwise the default.
#include <QString>
#include <QStringList>

namespace platform {

// $XDG_CONFIG_HOME, or ~/.config.
QString XdgConfigHome();
// $XDG_DATA_HOME, or ~/.local/share.
QString XdgDataHome();
// The absolute folders of $XDG_DATA_DIRS, or /usr/local/share and /usr/share.
QStringList XdgDataDirs();

} // namespace platform
