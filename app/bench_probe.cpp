#include "bench_probe.h"

#include "bench_tarot.h"
#include "bench_tarot_db.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "courses/runes/logic/modLearnRunesTest.h"
#include "platform/forms.h"
#include "platform/process.h"
#include "shell/main_window.h"

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

bool insideWindowNamed(QObject* object, const QString& name)
{
    for (QObject* o = object; o; o = o->parent())
        if (o->objectName() == name)
            return true;
    return false;
}

// Microseconds per question, median over many builds.
double questionMicros(modLearnRunesTest::TestKind kind, int level)
{
    using namespace modLearnRunesTest;
    TestRun run;
    run.ShuffleQuestionOrder();
    run.TestLevel = level;
    run.StonePositions = {PositionAsked, PositionAsked, PositionAsked, 0};
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < 2400; ++i) {
        const int n = i % QuestionCount + 1;
        timer.start();
        if (kind == TestKind::Keywords) {
            run.KeywordQuestionNo = n;
            run.BuildKeywordQuestion();
        } else {
            run.MeaningQuestionNo = n;
            run.BuildMeaningQuestion();
        }
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    return median(times);
}

class Probe : public QObject {
public:
    explicit Probe(bool runes) : m_runes(runes) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        if (!m_mainShown && insideWindowNamed(watched, QStringLiteral("frmMDI"))) {
            m_mainShown = true;
            std::printf("main-window-shown-epoch-ms %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            if (m_runes)
                QTimer::singleShot(300, this, [this] { openRunes(); });
        } else if (m_waitingForRunes && insideWindowNamed(watched, QStringLiteral("frmLearnRunesMain"))) {
            m_waitingForRunes = false;
            m_openTimes.push_back(m_clock.nsecsElapsed() / 1e6);
            // Close it again, so that every open starts from the start page.
            QTimer::singleShot(30, this, [] { platform::Forms::unload(QStringLiteral("frmLearnRunesMain")); });
            QTimer::singleShot(80, this, [this] { openRunes(); });
        }
        return false;
    }

private:
    void openRunes()
    {
        if (m_openTimes.size() == 21) {
            m_openTimes.erase(m_openTimes.begin()); // the first open also loads fonts and pictures
            report();
            return;
        }
        auto* main = platform::Forms::find<frmMDI>();
        auto* button = main ? main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_3")) : nullptr;
        if (!button)
            return;
        m_waitingForRunes = true;
        m_clock.start();
        button->click();
    }

    void report()
    {
        using modLearnRunesTest::TestKind;
        std::printf("runes-open-ms %.2f\n", median(m_openTimes));
        std::printf("keyword-question-us %.2f %.2f\n", questionMicros(TestKind::Keywords, 0),
                    questionMicros(TestKind::Keywords, 1));
        std::printf("meaning-question-us %.2f %.2f\n", questionMicros(TestKind::Meanings, 0),
                    questionMicros(TestKind::Meanings, 1));
        std::fflush(stdout);
        platform::EndProcess();
    }

    bool m_runes;
    bool m_mainShown = false;
    bool m_waitingForRunes = false;
    QElapsedTimer m_clock;
    std::vector<double> m_openTimes;
};

} // namespace

void InstallBenchProbe()
{
    const QString mode = qEnvironmentVariable("ORVANEL_BENCH");
    if (mode.isEmpty())
        return;
    if (mode == QLatin1String("tarot")) {
        qApp->installEventFilter(MakeTarotBench());
        return;
    }
    if (mode == QLatin1String("tarot-db")) {
        QTimer::singleShot(0, qApp, [] { MeasureCardDatabase(); });
        return;
    }
    qApp->installEventFilter(new Probe(mode == QLatin1String("runes")));
}
