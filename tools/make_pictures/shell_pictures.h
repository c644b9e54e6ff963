#pragma once
// Pictures of the main window and dialogs: banner, section emblems, about, exit and icon.
#include "picture_common.h"

#include <QDir>

namespace pictures {

// Writes shell/*.png; returns the entries written.
bool writeShellPictures(const QDir& resources, std::vector<Resource>& written);

} // namespace pictures
