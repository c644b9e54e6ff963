#pragma once
#include <QPixmap>
#include <QStringList>

// Registers the shell's embedded pictures (":/shell/..."); the library is static, so this
// is done by hand before first use. Safe to call any number of times.
void InitShellResources();

// Starts decoding the named shell pictures on a worker thread, so that the main window,
// built meanwhile, takes them ready. Called once, after the application object exists.
void PreloadShellPictures(const QStringList& names);

// One of the shell's pictures, ":/shell/<name>": the preloaded one when there is one, else
// decoded now. They are all PNG: naming the format spares asking every image plug-in whether
// it reads a file whose name has no suffix. Pixmaps are not kept in the pixmap cache, since
// each picture is shown by one window.
QPixmap ShellPicture(const QString& name);
