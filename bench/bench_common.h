#pragma once
// What the benchmark probes share: medians, and timing the opening of a course from the
// main window's launcher.
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

double median(std::vector<double> values);
double slowest(const std::vector<double>& values);

// Installed as the application's event filter: once the main window is first painted it
// clicks the course button 21 times, each time from the start page, timing each click until
// the course window named window is first painted. The first open, which also loads fonts and pictures, is dropped;
// coursesOpened gets the other 20 times in milliseconds with the last window still open.
class CourseOpenTimer : public QObject {
public:
    CourseOpenTimer(int courseButton, QString window, std::function<void(const std::vector<double>&)> coursesOpened);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openCourse();

    int m_button;
    QString m_window;
    std::function<void(const std::vector<double>&)> m_coursesOpened;
    bool m_mainPainted = false;
    bool m_waiting = false;
    QElapsedTimer m_clock;
    std::vector<double> m_openTimes;
};
