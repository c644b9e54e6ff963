#pragma once
#include <QPixmap>

// Registers the shell's embedded pictures (":/shell/..."); the library is static, so this
// is done by hand before first use. Safe to call any number of times.
void InitShellResources();

// One of the shell's pictures, ":/shell/<name>". They are all PNG: naming the format spares
// asking every image plug-in whether it reads a file whose name has no suffix.
QPixmap ShellPicture(const QString& name);
