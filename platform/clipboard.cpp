#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <array>

namespace platform {
namespace {

// Which of the clipboard and the selection this program has emptied and has not seen change
// since. Emptying asks the window system twice (give up, then check the owner), and the
// courses empty on every text change and mouse move over a guarded box; an empty one is
// left alone until any program puts something in it, which the clipboard reports.
std::array<bool, 2>& knownEmpty(QClipboard* clipboard)
{
    static std::array<bool, 2> empty{};
    static QClipboard* watched = nullptr;
    if (watched != clipboard) {
        watched = clipboard;
        empty = {};
        QObject::connect(clipboard, &QClipboard::changed, clipboard, [](QClipboard::Mode mode) {
            if (mode == QClipboard::Clipboard || mode == QClipboard::Selection)
                empty[static_cast<std::size_t>(mode)] = false;
        });
    }
    return empty;
}

void clearMode(QClipboard* clipboard, QClipboard::Mode mode)
{
    bool& empty = knownEmpty(clipboard)[static_cast<std::size_t>(mode)];
    if (empty)
        return;
    clipboard->clear(mode);
    empty = true;
}

} // namespace

void ClearClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clearMode(clipboard, QClipboard::Clipboard);
    // On X11 a mouse selection is also offered as the primary selection.
    if (clipboard->supportsSelection())
        clearMode(clipboard, QClipboard::Selection);
}

} // namespace platform
