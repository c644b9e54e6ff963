#pragma once
// The tab frame of a course window (SSTab1). Its Click notification follows every change of
// the shown tab, whether by a click, the keyboard or the program, once per change, and
// passes the tab shown before. Unlike a bare QTabWidget, disabling the shown tab leaves it
// shown; a disabled tab can be shown by program (and its page stays disabled until enabled).
#include <QTabWidget>

class CourseTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit CourseTabs(QWidget* parent = nullptr);

    // The shown tab, numbered from 0.
    int tab() const { return currentIndex(); }
    // Shows a tab, enabled or not; showing the tab already shown changes nothing.
    void showTab(int index);
    // Enables or disables a tab; the shown tab stays shown. Use this, not the QTabWidget
    // function of the same name, which moves away from a disabled shown tab.
    void setTabEnabled(int index, bool enabled);

signals:
    // After every change of the shown tab; the window connects its SSTab1_Click rule here.
    void Click(int previousTab);

private:
    void shownTabChanged(int index);

    int m_shown = -1;
};
