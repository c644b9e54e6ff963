#pragma once
// A tray that records instead of showing: what was added and removed, and the menus popped
// up; the test plays the user's clicks on the icon. FakeTray installs it for its lifetime.
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QStringList>

#include "platform/tray_icon.h"

class FakeTrayIcon : public platform::TrayIcon {
public:
    bool added = false;
    QIcon icon;
    QString toolTip;
    QStringList log;
    QPointer<QMenu> poppedMenu;
    QPointer<QAction> defaultItem;

    void add(const QIcon& i, const QString& tip) override
    {
        added = true;
        icon = i;
        toolTip = tip;
        log << QStringLiteral("add ") + tip;
    }
    void remove() override
    {
        added = false;
        log << QStringLiteral("remove");
    }
    bool isAdded() const override { return added; }
    void popUpMenu(QMenu* menu, QAction* item) override
    {
        poppedMenu = menu;
        defaultItem = item;
        log << QStringLiteral("menu");
    }

    // The user's actions on the icon.
    void leftClick() { report(Event::Clicked); }
    void leftDoubleClick() { report(Event::DoubleClicked); }
    void rightButtonRelease() { report(Event::MenuRequested); }
};

class FakeTray {
public:
    explicit FakeTray(bool trayAvailable = true)
    {
        platform::setTrayIconMaker(
            [this] {
                auto icon = std::make_unique<FakeTrayIcon>();
                last = icon.get();
                ++made;
                return icon;
            },
            trayAvailable);
    }
    ~FakeTray() { platform::setTrayIconMaker({}); }
    FakeTray(const FakeTray&) = delete;
    FakeTray& operator=(const FakeTray&) = delete;

    QPointer<FakeTrayIcon> last;
    int made = 0;
};
