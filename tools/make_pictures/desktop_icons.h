#pragma once
// The program icon for the desktop's icon theme, drawn natively at each size it installs.
#include "picture_common.h"

#include <QDir>

namespace pictures {

// Writes icons/hicolor/<N>x<N>/apps/net.orvanel.orvanel.png, laid out as the installed theme
// folder; returns false when a file cannot be written.
bool writeDesktopIcons(const QDir& resources, std::vector<Resource>& written);

} // namespace pictures
