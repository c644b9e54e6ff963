#include "shell/course_tabs.h"

#include <QSignalBlocker>
#include <QTabBar>

CourseTabs::CourseTabs(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("SSTab1"));
    setAccessibleName(QStringLiteral("Course pages"));
    connect(this, &QTabWidget::currentChanged, this, &CourseTabs::shownTabChanged);
}

void CourseTabs::showTab(int index) { setCurrentIndex(index); }

void CourseTabs::setTabEnabled(int index, bool enabled)
{
    const int shown = currentIndex();
    // The tab bar moves away from a shown tab that is disabled; it is moved back unseen, so
    // neither the page nor the Click notification changes.
    const QSignalBlocker quiet(tabBar());
    QTabWidget::setTabEnabled(index, enabled);
    if (tabBar()->currentIndex() != shown)
        tabBar()->setCurrentIndex(shown);
}

void CourseTabs::shownTabChanged(int index)
{
    const int previous = m_shown;
    m_shown = index;
    // The first tab added becomes the shown one as the window is built; that is no change.
    if (previous != -1 && index != previous)
        emit Click(previous);
}
