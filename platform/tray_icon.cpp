#include "platform/tray_icon.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace platform {
namespace {

struct Seam {
    TrayIconMaker maker;
    bool available = true;
};

Seam& seam()
{
    static Seam s;
    return s;
}

// The system's tray through QSystemTrayIcon.
class SystemTrayIcon : public TrayIcon {
public:
    SystemTrayIcon()
    {
        connect(&m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { report(eventFor(reason)); });
    }

    void add(const QIcon& icon, const QString& toolTip) override
    {
        m_icon.setIcon(icon);
        m_icon.setToolTip(toolTip);
        m_icon.show();
    }
    void remove() override { m_icon.hide(); }
    bool isAdded() const override { return m_icon.isVisible(); }
    void popUpMenu(QMenu* menu, QAction* defaultItem) override { PopUpMenuAtPointer(menu, defaultItem); }

private:
    QSystemTrayIcon m_icon;
};

} // namespace

TrayIcon::Event TrayIcon::eventFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: return Event::Clicked;
    case QSystemTrayIcon::DoubleClick: return Event::DoubleClicked;
    case QSystemTrayIcon::Context: return Event::MenuRequested;
    default: return Event::None;
    }
}

void TrayIcon::report(Event event)
{
    switch (event) {
    case Event::Clicked: emit clicked(); break;
    case Event::DoubleClicked: emit doubleClicked(); break;
    case Event::MenuRequested: emit menuRequested(); break;
    case Event::None: break;
    }
}

void PopUpMenuAtPointer(QMenu* menu, QAction* defaultItem)
{
    if (!menu)
        return;
    menu->setDefaultAction(defaultItem);
    if (defaultItem) {
        QFont bold = defaultItem->font();
        bold.setBold(true);
        defaultItem->setFont(bold);
    }
    menu->popup(QCursor::pos(), defaultItem);
}

std::unique_ptr<TrayIcon> CreateTrayIcon()
{
    if (seam().maker)
        return seam().maker();
    return std::make_unique<SystemTrayIcon>();
}

bool SystemTrayAvailable() { return seam().maker ? seam().available : QSystemTrayIcon::isSystemTrayAvailable(); }

void setTrayIconMaker(TrayIconMaker maker, bool trayAvailable)
{
    seam().maker = std::move(maker);
    seam().available = trayAvailable;
}

} // namespace platform
