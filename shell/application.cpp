#include "shell/application.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "shell/contrast_style.h"
#include "shell/shell_resources.h"

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orvanel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.orvanel.orvanel"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallContrastStyle();
}

void SetApplicationIcon()
{
    if (!QApplication::windowIcon().isNull())
        return;
    // Window managers show the icon at task-bar and switcher sizes; only those are handed over.
    QIcon icon;
    for (const char* size : {"icon-32", "icon-64"})
        icon.addPixmap(ShellPicture(QLatin1String(size)));
    // Every window shows this icon unless it sets its own.
    QApplication::setWindowIcon(icon);
}

namespace {
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* window, std::function<void()> work) : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_work) {
            QTimer::singleShot(0, watched, std::move(m_work));
            m_work = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};
} // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> work) { new FirstPaintWatcher(window, std::move(work)); }

void ReleaseStartUpMemory()
{
#ifdef __GLIBC__
    // The pictures' decoding and the window icon's copies for the window system leave freed
    // blocks in the heap that the allocator would otherwise keep.
    malloc_trim(0);
#endif
}
