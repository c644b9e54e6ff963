#include "bench_tarot.h"

#include "bench_common.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <functional>
#include <vector>

#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/logic/tarot_questions.h"
#include "courses/tarot/logic/test_report.h"
#include "platform/forms.h"
#include "platform/process.h"
#include "shell/course_tabs.h"

namespace {

const QString EveryCard = QStringLiteral(
    "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID");

// Each line: median and slowest, in milliseconds, and the number of timings.
void print(const char* key, const std::vector<double>& values)
{
    std::printf("%s %.3f %.3f %zu\n", key, median(values), slowest(values), values.size());
}

// Milliseconds that action takes, with the window painted afterwards.
double timed(QWidget* window, const std::function<void()>& action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    window->repaint();
    return clock.nsecsElapsed() / 1e6;
}

template <typename T>
T* control(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

class TarotBench {
public:
    static void measureInWindow(const std::vector<double>& openTimes)
    {
        auto* window = platform::Forms::find<frmLearnTarotMain>();
        if (!window) {
            std::printf("tarot-failed no window\n");
            platform::EndProcess();
            return;
        }
        auto* tabs = control<CourseTabs>(window, "SSTab1");
        std::vector<double> study, next, showQuestion;
        for (int run = 0; run < 21; ++run) {
            tabs->showTab(1);
            study.push_back(timed(window, [window] { control<QPushButton>(window, "cmdSetOption")->click(); }));
            for (int card = 1; card < 78; ++card)
                next.push_back(timed(window, [window] { control<QPushButton>(window, "cmdNext")->click(); }));
        }
        study.erase(study.begin());

        // "Next Question" in a description test at Advanced, with the reversed card.
        tabs->showTab(1);
        control<QRadioButton>(window, "optTestType_0")->setChecked(true);
        control<QRadioButton>(window, "optDifficulty_2")->setChecked(true);
        control<QCheckBox>(window, "chkReversed")->setChecked(true);
        control<QPushButton>(window, "cmdStartTest2")->click();
        for (int question = 1; question < 78; ++question) {
            control<QRadioButton>(window, "optAnswer_0")->setChecked(true);
            showQuestion.push_back(timed(window, [window] { control<QPushButton>(window, "cmdNextQuestion")->click(); }));
        }

        print("tarot-open-ms", openTimes);
        print("tarot-study-start-ms", study);
        print("tarot-next-card-ms", next);
        print("tarot-show-question-ms", showQuestion);
        measureLogic();
        std::fflush(stdout);
        platform::EndProcess();
    }

    // The engine alone: one question of each kind, and the report of a 78-question run.
    static void measureLogic()
    {
        modDB db;
        if (!db.OpenConnection(db.CardConnection, modDB::CardDatabasePath()) ||
            !db.OpenRecordset(db.CardRecordset, db.CardConnection, EveryCard)) {
            std::printf("tarot-failed %s\n", qPrintable(db.lastError().replace(QLatin1Char('\n'), QLatin1Char(' '))));
            return;
        }
        tarot::TarotRun run;
        std::vector<double> description, keywords, report;
        QString problem;
        for (int i = 0; i < 390; ++i) {
            run.StartTest({tarot::TestType::Description, 2, true});
            run.CurrentCardId = 1 + i % 78;
            tarot::DescriptionQuestion d;
            QElapsedTimer clock;
            clock.start();
            tarot::BuildDescriptionQuestion(db.CardRecordset, run, d, problem);
            description.push_back(clock.nsecsElapsed() / 1e6);
            run.StartTest({tarot::TestType::Keywords, 2, false});
            tarot::KeywordQuestion k;
            clock.start();
            tarot::BuildKeywordQuestion(db, db.CardRecordset, run, k, problem);
            keywords.push_back(clock.nsecsElapsed() / 1e6);
        }
        for (int i = 0; i < 51; ++i) {
            run.StartTest({tarot::TestType::Keywords, 2, false});
            run.KeywordsToChoose = 7;
            for (int id = 1; id <= 78; ++id) {
                run.CurrentCardId = id;
                run.CurrentReversed = id % 3 == 0;
                run.RecordAnswer(id % 8);
            }
            tarot::TestReport written;
            QElapsedTimer clock;
            clock.start();
            tarot::WriteTestReport(db, QStringLiteral("Orvanel"), run, 78, written, problem);
            report.push_back(clock.nsecsElapsed() / 1e6);
        }
        print("tarot-description-question-ms", description);
        print("tarot-keyword-question-ms", keywords);
        print("tarot-report-ms", report);
    }

};

} // namespace

QObject* MakeTarotBench()
{
    // The tarot course is the third course button.
    return new CourseOpenTimer(2, QLatin1String(frmLearnTarotMain::FormName), &TarotBench::measureInWindow);
}
