#pragma once
// A window's icon in the notification area (the tray). A window adds and removes its icon,
// hears a left double-click and a request for the icon's menu (the right button released),
// and pops its own menu at the pointer. A single left click is reported too; windows that
// do nothing on it simply do not listen. Tests put a recording fake in place of the tray.
#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace platform {

class TrayIcon : public QObject {
    Q_OBJECT
public:
    enum class Event { None, Clicked, DoubleClicked, MenuRequested };

    virtual void add(const QIcon& icon, const QString& toolTip) = 0;
    virtual void remove() = 0;
    virtual bool isAdded() const = 0;
    // Pops the menu up at the pointer, its default item drawn bold.
    virtual void popUpMenu(QMenu* menu, QAction* defaultItem) = 0;

    // What the tray's activation means for a window.
    static Event eventFor(QSystemTrayIcon::ActivationReason reason);

signals:
    void clicked();
    void doubleClicked();
    void menuRequested();

protected:
    void report(Event event);
};

// Marks the default item of a menu (bold) and pops the menu up at the pointer.
void PopUpMenuAtPointer(QMenu* menu, QAction* defaultItem);

// A new tray icon: the system's, or what tests installed.
std::unique_ptr<TrayIcon> CreateTrayIcon();
// Whether the desktop has a tray to show icons in.
bool SystemTrayAvailable();

using TrayIconMaker = std::function<std::unique_ptr<TrayIcon>()>;
// Replaces the tray (tests): icons come from maker, and the tray counts as there or not; an
// empty maker restores the system's tray.
void setTrayIconMaker(TrayIconMaker maker, bool trayAvailable = true);

} // namespace platform
