#include "bench_probe.h"

#include "bench_common.h"
#include "bench_tarot.h"
#include "bench_tarot_db.h"

#include <QApplication>
#include <QTimer>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

#include "courses/runes/logic/modLearnRunesTest.h"
#include "platform/process.h"

namespace {

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

void reportRunes(const std::vector<double>& openTimes)
{
    using modLearnRunesTest::TestKind;
    std::printf("runes-open-ms %.2f\n", median(openTimes));
    std::printf("keyword-question-us %.2f %.2f\n", questionMicros(TestKind::Keywords, 0),
                questionMicros(TestKind::Keywords, 1));
    std::printf("meaning-question-us %.2f %.2f\n", questionMicros(TestKind::Meanings, 0),
                questionMicros(TestKind::Meanings, 1));
    std::fflush(stdout);
    platform::EndProcess();
}

// Prints the median and slowest open of the named course and ends the program.
void reportOpens(const char* key, const std::vector<double>& openTimes)
{
    std::printf("%s %.2f %.2f %zu\n", key, median(openTimes), slowest(openTimes), openTimes.size());
    std::fflush(stdout);
    platform::EndProcess();
}

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
    // The runes course is the fourth course button, astrology the first, numerology the second.
    if (mode == QLatin1String("runes"))
        qApp->installEventFilter(new CourseOpenTimer(3, QStringLiteral("frmLearnRunesMain"), reportRunes));
    if (mode == QLatin1String("astrology"))
        qApp->installEventFilter(new CourseOpenTimer(0, QStringLiteral("frmLearnAstrologyMain"), [](const auto& times) {
            reportOpens("astrology-open-ms", times);
        }));
    if (mode == QLatin1String("numerology"))
        qApp->installEventFilter(new CourseOpenTimer(1, QStringLiteral("frmLearnNumerologyMain"), [](const auto& times) {
            reportOpens("numerology-open-ms", times);
        }));
}
