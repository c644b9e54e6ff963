#include "bench_common.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "platform/forms.h"
#include "shell/main_window.h"

namespace {
constexpr std::size_t Opens = 21;

bool insideWindowNamed(QObject* object, const QString& name)
{
    for (QObject* o = object; o; o = o->parent())
        if (o->objectName() == name)
            return true;
    return false;
}
} // namespace

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

double slowest(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

CourseOpenTimer::CourseOpenTimer(int courseButton, QString window,
                                 std::function<void(const std::vector<double>&)> coursesOpened)
    : m_button(courseButton), m_window(std::move(window)), m_coursesOpened(std::move(coursesOpened))
{
}

bool CourseOpenTimer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return false;
    if (!m_mainPainted && insideWindowNamed(watched, QStringLiteral("frmMDI"))) {
        m_mainPainted = true;
        QTimer::singleShot(300, this, [this] { openCourse(); });
    } else if (m_waiting && insideWindowNamed(watched, m_window)) {
        m_waiting = false;
        m_openTimes.push_back(m_clock.nsecsElapsed() / 1e6);
        // Close it again, so that every open starts from the start page; the last one stays.
        QTimer::singleShot(30, this, [this] {
            if (m_openTimes.size() < Opens)
                platform::Forms::unload(m_window);
        });
        QTimer::singleShot(80, this, [this] { openCourse(); });
    }
    return false;
}

void CourseOpenTimer::openCourse()
{
    if (m_openTimes.size() == Opens) {
        m_openTimes.erase(m_openTimes.begin());
        m_coursesOpened(m_openTimes);
        return;
    }
    auto* main = platform::Forms::find<frmMDI>();
    auto* button = main ? main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(m_button)) : nullptr;
    if (!button)
        return;
    m_waiting = true;
    m_clock.start();
    button->click();
}
