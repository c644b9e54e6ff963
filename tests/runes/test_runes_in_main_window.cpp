// The runes windows inside the main window: opened by the launcher, the meaning test in the
// course window's place, and the start page shown again when the course closes.
#include "../../courses/runes/frmLearnRunesMain.h"
#include "../../courses/runes/frmLearnRunesMeaningTest.h"
#include "../../courses/runes/logic/modLearnRunesTest.h"
#include "../../courses/runes/runes_course.h"
#include "../common/fixtures.h"
#include "../common/test_registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStackedWidget>
#include <QTest>

#include "controls.h"
#include "platform/forms.h"
#include "shell/main_window.h"

using namespace modLearnRunesTest;

namespace {

frmMDI* openMainWindow()
{
    RegisterRunesCourse();
    frmMDI* main = platform::Forms::instance<frmMDI>();
    main->show();
    return main;
}

frmLearnRunesMain* openRunesFromLauncher(frmMDI* main)
{
    click(main, "cmdSelectOption_3");
    return platform::Forms::find<frmLearnRunesMain>();
}

void startMeaningRun(frmLearnRunesMain* course)
{
    click(course, "cmdSubjects_2");
    click(course, "optTestSubjects_0");
    click(course, "cmdTestNext_0");
    if (!child<QCheckBox>(course, "chkTestType_0")->isChecked())
        click(course, "chkTestType_0");
    click(course, "cmdTestNext_1");
    click(course, "optTestLevel_0");
    click(course, "cmdTestNext_2");
}

} // namespace

class TestRunesInMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void launcherOpensTheCourseAsAChild()
    {
        frmMDI* main = openMainWindow();
        frmLearnRunesMain* course = openRunesFromLauncher(main);
        QVERIFY(course);
        QVERIFY(qobject_cast<QMdiSubWindow*>(course->frame()));
        QVERIFY(course->isVisible());
        QVERIFY(!main->picMain->isVisible());
        // The window fits the area below the banner and button bands of a 768-pixel screen.
        QVERIFY(course->height() <= 540);
        QVERIFY(course->width() <= 800);

        course->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!platform::Forms::find<frmLearnRunesMain>());
        QVERIFY(main->picMain->isVisible());
    }

    void meaningRunInTheCoursesPlace()
    {
        frmMDI* main = openMainWindow();
        frmLearnRunesMain* course = openRunesFromLauncher(main);
        startMeaningRun(course);
        frmLearnRunesMeaningTest* test = platform::Forms::find<frmLearnRunesMeaningTest>();
        QVERIFY(test);
        QVERIFY(qobject_cast<QMdiSubWindow*>(test->frame()));
        QVERIFY(test->isVisible());
        QVERIFY(!course->frame()->isVisible());
        QVERIFY(!main->picMain->isVisible());

        click(test, "cmdNextQuestion1");
        for (int question = 1; question <= 24; ++question) {
            for (int i = 0; i < 5; ++i) {
                auto* box = child<QCheckBox>(test, QStringLiteral("chkMeaning_%1").arg(i));
                if (box->text() == test->testRun().CorrectAnswers[0]) {
                    box->click();
                    break;
                }
            }
            click(test, "cmdNextQuestion1");
        }
        QVERIFY(!platform::Forms::find<frmLearnRunesMeaningTest>());
        QVERIFY(course->isVisible());
        QCOMPARE(child<QStackedWidget>(course, "pages")->currentWidget()->objectName(), QStringLiteral("picTestResult"));
        QVERIFY(!main->picMain->isVisible());
    }

    void launcherDuringAMeaningRun()
    {
        frmMDI* main = openMainWindow();
        QPointer<frmLearnRunesMain> first = openRunesFromLauncher(main);
        startMeaningRun(first);
        frmLearnRunesMain* fresh = openRunesFromLauncher(main);
        QVERIFY(fresh);
        QVERIFY(!platform::Forms::find<frmLearnRunesMeaningTest>());
        QVERIFY(fresh->isVisible());
        QCOMPARE(child<QStackedWidget>(fresh, "pages")->currentWidget()->objectName(), QStringLiteral("picSettings"));
        QVERIFY(!main->picMain->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestRunesInMainWindow)
#include "test_runes_in_main_window.moc"
