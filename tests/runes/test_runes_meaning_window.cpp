// The meaning-test window: started by the wizard in the course window's place, and handing
// its result list back to the course window at the end, or the set-up page when left early.
#include "../../courses/runes/frmLearnRunesMain.h"
#include "../../courses/runes/frmLearnRunesMeaningTest.h"
#include "../../courses/runes/logic/modLearnRunes.h"
#include "../../courses/runes/logic/modLearnRunesTest.h"
#include "../common/fixtures.h"
#include "../common/heard_value.h"
#include "../common/test_registry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTest>

#include "controls.h"
#include "screen_reader.h"
#include "platform/forms.h"
#include "platform/message_box.h"

using namespace modLearnRunes;
using namespace modLearnRunesTest;

namespace {

QString labelText(QWidget* window, const QString& name) { return child<QLabel>(window, name)->text(); }

QString frontStep(QWidget* window) { return child<QStackedWidget>(window, "testSteps")->currentWidget()->objectName(); }

QCheckBox* option(QWidget* window, int i) { return child<QCheckBox>(window, QStringLiteral("chkMeaning_%1").arg(i)); }

// Opens the course, shows it and starts a meaning run through the wizard.
frmLearnRunesMain* startMeaningRun(int level, const QList<int>& positions)
{
    auto* course = platform::Forms::instance<frmLearnRunesMain>();
    platform::Forms::showMdiChild(course);
    click(course, "cmdSubjects_2");
    click(course, "optTestSubjects_0");
    click(course, "cmdTestNext_0");
    for (int p : positions)
        click(course, QStringLiteral("chkTestType_%1").arg(p));
    click(course, "cmdTestNext_1");
    click(course, QStringLiteral("optTestLevel_%1").arg(level));
    click(course, "cmdTestNext_2");
    return course;
}

frmLearnRunesMeaningTest* meaningWindow() { return platform::Forms::find<frmLearnRunesMeaningTest>(); }

void tickRightAnswers(frmLearnRunesMeaningTest* window)
{
    const QStringList correct = window->testRun().CorrectAnswers;
    for (int i = 0; i < 8; ++i)
        if (!option(window, i)->isHidden() && correct.contains(option(window, i)->text()) && !option(window, i)->isChecked())
            option(window, i)->click();
}

} // namespace

class TestRunesMeaningWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void startTakesTheCourseWindowsPlace()
    {
        frmLearnRunesMain* course = startMeaningRun(BeginnerLevel, {0, 2});
        frmLearnRunesMeaningTest* test = meaningWindow();
        QVERIFY(test);
        QVERIFY(!course->frame()->isVisible());
        QVERIFY(platform::Forms::isLoaded(course));
        QVERIFY(test->isVisible());
        QCOMPARE(test->windowTitle(), QStringLiteral("Velmora Learn Runes"));
        QCOMPARE(test->frame()->x(), (1280 - test->width()) / 2);
        QCOMPARE(test->frame()->y(), 0);
        QCOMPARE(test->testRun().StonePositions[0], -1);
        QCOMPARE(test->testRun().StonePositions[1], 0);
        QCOMPARE(test->testRun().StonePositions[2], -1);
        QCOMPARE(test->testRun().MeaningQuestionNo, 0);
        // No question until the first press.
        QCOMPARE(labelText(test, "lblMeaningTestStoneName"), QStringLiteral("Stone Name"));
        QCOMPARE(labelText(test, "lblMeaningTestQuestion"), QStringLiteral("Label1"));
        QCOMPARE(labelText(test, "lblMeaningTestCaption"), QStringLiteral("You must choose only 1 Meaning"));
        QVERIFY(child<QAbstractButton>(test, "cmdNextQuestion1")->isVisible());
    }

    void firstPressShowsQuestionOne_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("caption");
        QTest::newRow("beginner") << BeginnerLevel << 5 << "You must choose only 1 option";
        QTest::newRow("advanced") << AdvancedLevel << 8 << "You must choose 4 options";
    }

    void firstPressShowsQuestionOne()
    {
        QFETCH(int, level);
        QFETCH(int, options);
        QFETCH(QString, caption);
        startMeaningRun(level, {0, 1, 2});
        frmLearnRunesMeaningTest* test = meaningWindow();
        click(test, "cmdNextQuestion1");
        QVERIFY(env->messages.empty());
        QCOMPARE(test->testRun().MeaningQuestionNo, 1);
        QCOMPARE(labelText(test, "lblMeaningTestQuestion"), QStringLiteral("Question 1"));
        QCOMPARE(labelText(test, "lblMeaningTestStoneName"), StoneNames[test->testRun().QuestionOrder[1]]);
        QCOMPARE(labelText(test, "lblMeaningTestCaption"), caption);
        QVERIFY(!child<QLabel>(test, "picMeaningTest")->pixmap().isNull());
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(option(test, i)->isHidden(), i >= options);
            QCOMPARE(child<QWidget>(test, QStringLiteral("shaMeaning_%1").arg(i))->isHidden(), i >= options);
            QVERIFY(!option(test, i)->isChecked());
            if (i < options)
                QCOMPARE(option(test, i)->text(), test->testRun().AnswerChoices[i]);
        }
    }

    void screenReaderTicks_data() { firstPressShowsQuestionOne_data(); }

    // A screen reader ticks the right answers: the tick that completes them moves the focus to
    // "Next", and the press scores them in full.
    void screenReaderTicks()
    {
        QFETCH(int, level);
        startMeaningRun(level, {0, 1, 2});
        frmLearnRunesMeaningTest* test = meaningWindow();
        click(test, "cmdNextQuestion1");
        auto* next = child<QWidget>(test, "cmdNextQuestion1");
        const QStringList correct = test->testRun().CorrectAnswers;
        for (int i = 0; i < 8; ++i) {
            if (option(test, i)->isHidden() || !correct.contains(option(test, i)->text()))
                continue;
            QVERIFY(test->focusWidget() != next);
            QVERIFY(toggleByScreenReader(option(test, i)));
        }
        QCOMPARE(test->focusWidget(), next);
        click(test, "cmdNextQuestion1");
        QVERIFY(env->messages.empty());
        QCOMPARE(test->testRun().QuestionResults[0], level == BeginnerLevel ? QStringLiteral("1 Correct Out of 1")
                                                                             : QStringLiteral("4 Correct Out of 4"));
    }

    void runEndsOnTheCourseWindow_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QString>("total");
        QTest::newRow("beginner, all positions") << BeginnerLevel << QList<int>{0, 1, 2} << "24 Correct Out Of  24 Descriptions";
        QTest::newRow("beginner, reversed") << BeginnerLevel << QList<int>{1} << "24 Correct Out Of  24 Descriptions";
        QTest::newRow("advanced, upright") << AdvancedLevel << QList<int>{0} << "96 Correct Out Of  96 Descriptions";
        QTest::newRow("advanced, merkstave") << AdvancedLevel << QList<int>{2} << "96 Correct Out Of  96 Descriptions";
    }

    void runEndsOnTheCourseWindow()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, positions);
        QFETCH(QString, total);
        frmLearnRunesMain* course = startMeaningRun(level, positions);
        QPointer<frmLearnRunesMeaningTest> test = meaningWindow();
        click(test, "cmdNextQuestion1");
        QStringList asked;
        for (int question = 1; question <= 24; ++question) {
            QCOMPARE(labelText(test, "lblMeaningTestQuestion"), QStringLiteral("Question %1").arg(question));
            asked << labelText(test, "lblMeaningTestStoneName");
            // A screen reader hears the counter and the rune asked, each new with each question.
            QVERIFY_HEARD(child<QLabel>(test, "lblMeaningTestQuestion"), QStringLiteral("Question"));
            QVERIFY_HEARD(child<QLabel>(test, "lblMeaningTestStoneName"), QStringLiteral("Question about"));
            tickRightAnswers(test);
            click(test, "cmdNextQuestion1");
        }
        QVERIFY(env->messages.empty());
        QVERIFY(!meaningWindow());
        // The run's scores were cleared by the list, before its window goes.
        QVERIFY(test);
        QCOMPARE(test->testRun().QuestionScore, 0);
        QCOMPARE(test->testRun().TotalScore, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(test.isNull());
        QVERIFY(course->frame()->isVisible());
        QCOMPARE(frontPage(course), QStringLiteral("picTestResult"));
        const QStringList lines = child<QPlainTextEdit>(course, "txtResult")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 26);
        for (int i = 0; i < 24; ++i)
            QCOMPARE(lines[i].mid(13, 30).trimmed(), asked[i]);
        QCOMPARE(lines[25], total);
    }

    void leavingEarlyReturnsToTheSetUp()
    {
        frmLearnRunesMain* course = startMeaningRun(BeginnerLevel, {0});
        frmLearnRunesMeaningTest* test = meaningWindow();
        click(test, "cmdNextQuestion1");
        click(course, "cmdSubjects_3"); // the hidden course window had another page in front
        test->close();
        QVERIFY(!meaningWindow());
        QVERIFY(course->frame()->isVisible());
        QCOMPARE(frontPage(course), QStringLiteral("picTestSetUp"));
        QCOMPARE(frontStep(course), QStringLiteral("fraTestSubjects"));
        QVERIFY(env->messages.empty());
    }

    void closingTheCourseClosesQuietly()
    {
        // The launcher unloads the course window first, then the meaning window.
        frmLearnRunesMain* course = startMeaningRun(BeginnerLevel, {0});
        platform::Forms::unload(course);
        platform::Forms::unload(meaningWindow());
        QVERIFY(platform::Forms::loaded().empty());
        QVERIFY(env->messages.empty());
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestRunesMeaningWindow)
#include "test_runes_meaning_window.moc"
