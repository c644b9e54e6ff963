#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void ClearClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear(QClipboard::Clipboard);
    // On X11 a mouse selection is also offered as the primary selection.
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

} // namespace platform
