// The runes course window, driven through its controls: load step, settings, study view,
// test set-up wizard, keyword test and goals.
#include "../../courses/runes/frmLearnRunesMain.h"
#include "../../courses/runes/logic/modLearnRunes.h"
#include "../../courses/runes/logic/modLearnRunesTest.h"
#include "../../courses/runes/rune_pictures.h"
#include "../common/fixtures.h"
#include "../common/heard_value.h"
#include "../common/test_registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QGroupBox>
#include <QPointer>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTest>

#include "controls.h"
#include "screen_reader.h"
#include "stored_study_settings.h"
#include "text_columns.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"

using namespace modLearnRunes;
using namespace modLearnRunesTest;

namespace {

const QStringList SettingBoxes{"chkGroups_0", "chkGroups_1", "chkGroups_2", "chkMeanings_0",
                               "chkMeanings_1", "chkMeanings_2", "chkObjects_0", "chkObjects_1"};
const QString OfferPrompt = QStringLiteral("You Are Ready To Give Test\rAre You Sure You Want To Give Test");

QString frontStep(QWidget* window) { return child<QStackedWidget>(window, "testSteps")->currentWidget()->objectName(); }

QString text(QWidget* window, const QString& name)
{
    QWidget* control = child<QWidget>(window, name);
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line->text();
    return qobject_cast<QPlainTextEdit*>(control)->toPlainText();
}

bool enabled(QWidget* window, const QString& name) { return child<QWidget>(window, name)->isEnabled(); }

// The stored texts of the eight boxes, in box order.
QStringList storedSettings()
{
    QStringList values;
    for (const auto* setting : studySettingsInBoxOrder())
        values << setting->text();
    return values;
}

void storeSettings(const QStringList& values)
{
    const auto settings = studySettingsInBoxOrder();
    for (int i = 0; i < values.size(); ++i)
        QVERIFY(platform::SaveSetting(settings[std::size_t(i)]->name(), values[i]));
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage asRgb(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

frmLearnRunesMain* openCourse() { return platform::Forms::instance<frmLearnRunesMain>(); }

// Ticks the keyword options the question counts as correct.
void tickRightAnswers(frmLearnRunesMain* window)
{
    const QStringList correct = window->testRun().CorrectAnswers;
    for (int i = 0; i < 8; ++i) {
        auto* box = child<QCheckBox>(window, QStringLiteral("chkKeywords_%1").arg(i));
        if (!box->isHidden() && correct.contains(box->text()) && !box->isChecked())
            box->click();
    }
}

void startKeywordTest(QWidget* window, int level)
{
    click(window, "cmdSubjects_2");
    click(window, "optTestSubjects_1");
    click(window, "cmdTestNext_0");
    click(window, QStringLiteral("optTestLevel_%1").arg(level));
    click(window, "cmdTestNext_2");
}

} // namespace

class TestRunesMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() { env.reset(); }

    void firstLoad()
    {
        QVERIFY(!QFile::exists(QDir(env->userFolder()).filePath("Goal1.txt")));
        frmLearnRunesMain* w = openCourse();
        QCOMPARE(w->windowTitle(), QStringLiteral("Velmora Learn Runes"));
        QCOMPARE(fileBytes(QDir(env->userFolder()).filePath("Goal1.txt")), QByteArray("This is Goal 1.\r\n"));
        QCOMPARE(fileBytes(QDir(env->userFolder()).filePath("Goal2.txt")), QByteArray("This is Goal 2.\r\n"));
        QCOMPARE(text(w, "txtGoal1"), QStringLiteral("This is Goal 1.\n"));
        QCOMPARE(text(w, "txtGoal2"), QStringLiteral("This is Goal 2.\n"));
        for (const QString& box : SettingBoxes)
            QVERIFY2(child<QCheckBox>(w, box)->isChecked(), qPrintable(box));
        QCOMPARE(storedSettings(), QStringList(8, QStringLiteral("1")));
        QVERIFY(env->messages.empty());
        // Opens on the settings page, with the first rune ready behind it.
        QCOMPARE(frontPage(w), QStringLiteral("picSettings"));
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Fehu"));
        QCOMPARE(text(w, "txtKeywords"), QStringLiteral("Wealth, Mobility, Fulfillment, Intuition"));
        QCOMPARE(text(w, "txtAlternativeNames"), QStringLiteral("Faihu, Foeh, Fe"));
        QVERIFY(!enabled(w, "cmdBack"));
        QVERIFY(enabled(w, "cmdNext"));
        QVERIFY(!enabled(w, "txtGoal1") && !enabled(w, "cmdGoal1") && !child<QCheckBox>(w, "chkGoal1")->isChecked());
        // Centered on the 1280-pixel test screen, at the top.
        QCOMPARE(w->frame()->x(), (1280 - w->width()) / 2);
        QCOMPARE(w->frame()->y(), 0);
    }

    void loadShowsEveryGoalLine()
    {
        QFile file(QDir(env->userFolder()).filePath("Goal2.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Learn Fehu\r\nLearn Uruz\r\nLearn them all\r\n");
        file.close();
        frmLearnRunesMain* w = openCourse();
        QCOMPARE(text(w, "txtGoal2"), QStringLiteral("Learn Fehu\nLearn Uruz\nLearn them all\n"));
        QCOMPARE(text(w, "txtGoal1"), QStringLiteral("This is Goal 1.\n"));
    }

    void storedSettingsChooseTheStudyList()
    {
        storeSettings({"1", "0", "1", "1", "1", "1", "1", "1"});
        frmLearnRunesMain* w = openCourse();
        QVERIFY(!child<QCheckBox>(w, "chkGroups_1")->isChecked());
        QVERIFY(child<QCheckBox>(w, "chkGroups_2")->isChecked());
        QCOMPARE(w->study().StudyList.size(), std::size_t(16));
        click(w, "cmdSubjects_1");
        for (int i = 0; i < 7; ++i)
            click(w, "cmdNext");
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Wunjo"));
        click(w, "cmdNext");
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Tiwaz"));
    }

    void refusedStoredSettings()
    {
        const QStringList stored{"0", "0", "0", "1", "0", "0", "1", "0"};
        storeSettings(stored);
        frmLearnRunesMain* w = openCourse();
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(env->messages[0].prompt, QStringLiteral("Please Select A Stone Group"));
        QCOMPARE(env->messages[0].style, platform::vbCritical);
        QCOMPARE(storedSettings(), stored);
        QCOMPARE(frontPage(w), QStringLiteral("picSettings"));
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Stone Name"));
        QVERIFY(w->study().StudyList.empty());
    }

    void saveSettings_data()
    {
        QTest::addColumn<QStringList>("untick");
        QTest::addColumn<QString>("message");
        QTest::newRow("valid") << QStringList{"chkGroups_0", "chkMeanings_2"} << "";
        QTest::newRow("no group") << QStringList{"chkGroups_0", "chkGroups_1", "chkGroups_2"} << "Please Select A Stone Group";
        QTest::newRow("no text") << QStringList{"chkMeanings_0", "chkMeanings_1", "chkMeanings_2", "chkObjects_0", "chkObjects_1"}
                                 << "Please Select A Stone Meaning";
        QTest::newRow("only also known as") << QStringList{"chkMeanings_0", "chkMeanings_1", "chkMeanings_2", "chkObjects_0"} << "";
        QTest::newRow("only upright") << QStringList{"chkMeanings_1", "chkMeanings_2", "chkObjects_0", "chkObjects_1"} << "";
    }

    void saveSettings()
    {
        QFETCH(QStringList, untick);
        QFETCH(QString, message);
        frmLearnRunesMain* w = openCourse();
        for (const QString& box : untick)
            click(w, box);
        click(w, "cmdSaveSettings");
        QStringList expected;
        for (const QString& box : SettingBoxes)
            expected << (untick.contains(box) ? QStringLiteral("0") : QStringLiteral("1"));
        if (message.isEmpty()) {
            QVERIFY(env->messages.empty());
            QCOMPARE(storedSettings(), expected);
        } else {
            QCOMPARE(env->lastPrompt(), message);
            QCOMPARE(env->messages.back().style, platform::vbCritical);
            QCOMPARE(storedSettings(), QStringList(8, QStringLiteral("1")));
            // Memorize stops at the same check, and the study does not start.
            click(w, "cmdMemorize");
            QCOMPARE(env->messages.size(), std::size_t(2));
            QCOMPARE(frontPage(w), QStringLiteral("picSettings"));
        }
    }

    void settingsThatCannotBeStored_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("reported");
        QTest::newRow("Save reports it") << "cmdSaveSettings" << true;
        QTest::newRow("Memorize studies anyway") << "cmdMemorize" << false;
    }
    void settingsThatCannotBeStored()
    {
        QFETCH(QString, button);
        QFETCH(bool, reported);
        // The settings folder is a plain file, so the settings file cannot be written.
        const QString blocker = QDir(env->programFolder()).filePath(QStringLiteral("config"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        platform::setSettingsFile(QDir(blocker).filePath(QStringLiteral("settings.ini")));

        // The load step's own save stays silent: opening the course asked for nothing to be stored.
        frmLearnRunesMain* w = openCourse();
        QVERIFY(env->messages.empty());
        click(w, "chkGroups_1");
        click(w, button);
        if (reported) {
            QCOMPARE(env->prompts(), QStringList{StudySettingsNotSavedMessage()});
            QVERIFY(env->lastPrompt().endsWith(QDir::toNativeSeparators(platform::SettingsFile())));
            QCOMPARE(env->messages.back().style, platform::vbCritical);
        } else {
            QVERIFY(env->messages.empty());
            QCOMPARE(frontPage(w), QStringLiteral("picMemorizeStones"));
            QCOMPARE(w->study().StudyList.size(), std::size_t(16));
        }
        // Nothing was stored, and the store says so.
        QCOMPARE(storedSettings(), QStringList(8, QString()));
    }

    void studyWalk_data()
    {
        auto runes = [](int first, int last) {
            QList<int> list;
            for (int r = first; r <= last; ++r)
                list << r;
            return list;
        };
        QTest::addColumn<QStringList>("untick");
        QTest::addColumn<QList<int>>("runes");
        QTest::addColumn<int>("answer");
        QTest::newRow("all, No") << QStringList{} << runes(0, 23) << platform::vbNo;
        QTest::newRow("all, Yes") << QStringList{} << runes(0, 23) << platform::vbYes;
        QTest::newRow("first aett") << QStringList{"chkGroups_1", "chkGroups_2"} << runes(0, 7) << platform::vbNo;
        QTest::newRow("second aett") << QStringList{"chkGroups_0", "chkGroups_2"} << runes(8, 15) << platform::vbYes;
        QTest::newRow("third aett") << QStringList{"chkGroups_0", "chkGroups_1"} << runes(16, 23) << platform::vbNo;
        QTest::newRow("first and second") << QStringList{"chkGroups_2"} << runes(0, 15) << platform::vbYes;
        QTest::newRow("first and third") << QStringList{"chkGroups_1"} << runes(0, 7) + runes(16, 23) << platform::vbNo;
        QTest::newRow("second and third") << QStringList{"chkGroups_0"} << runes(8, 23) << platform::vbYes;
    }

    void studyWalk()
    {
        QFETCH(QStringList, untick);
        QFETCH(QList<int>, runes);
        QFETCH(int, answer);
        frmLearnRunesMain* w = openCourse();
        for (const QString& box : untick)
            click(w, box);
        click(w, "cmdMemorize");
        QCOMPARE(frontPage(w), QStringLiteral("picMemorizeStones"));

        QStringList shown{text(w, "lblStoneName")};
        for (int i = 1; i < runes.size(); ++i) {
            click(w, "cmdNext");
            shown << text(w, "lblStoneName");
            QVERIFY(enabled(w, "cmdBack") && enabled(w, "cmdNext"));
        }
        QStringList expected;
        for (int r : runes)
            expected << StoneNames[r];
        QCOMPARE(shown, expected);
        QVERIFY(env->messages.empty());

        env->queueAnswer(answer);
        click(w, "cmdNext");
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(env->messages[0].prompt, OfferPrompt);
        QCOMPARE(env->messages[0].style, 68);
        QVERIFY(!enabled(w, "cmdNext"));
        QCOMPARE(text(w, "lblStoneName"), expected.last());
        if (answer == platform::vbYes) {
            QCOMPARE(frontPage(w), QStringLiteral("picTestSetUp"));
            QCOMPARE(frontStep(w), QStringLiteral("fraTestSubjects"));
        } else {
            QCOMPARE(frontPage(w), QStringLiteral("picMemorizeStones"));
            click(w, "cmdBack");
            QCOMPARE(text(w, "lblStoneName"), expected[expected.size() - 2]);
            QVERIFY(enabled(w, "cmdNext"));
        }
    }

    void studyViewShowsTheRuneItNames_data()
    {
        QTest::addColumn<int>("rune");
        for (int r : {0, 6, 8, 9, 23})
            QTest::newRow(StoneNames[r].toLatin1()) << r;
    }

    void studyViewShowsTheRuneItNames()
    {
        QFETCH(int, rune);
        storeSettings({rune < 8 ? "1" : "0", rune >= 8 && rune < 16 ? "1" : "0", rune >= 16 ? "1" : "0", "1", "0", "0", "0", "0"});
        frmLearnRunesMain* w = openCourse();
        click(w, "cmdSubjects_1");
        for (int step = 0; step < 8 && text(w, "lblStoneName") != StoneNames[rune]; ++step)
            click(w, "cmdNext");
        QCOMPARE(text(w, "lblStoneName"), StoneNames[rune]);
        QCOMPARE(text(w, "txtMeaning_0"), QString(UprightMeanings[rune]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(text(w, "txtMeaning_1"), ReversedMeanings[rune]);
        QCOMPARE(text(w, "txtMeaning_2"), MerkstaveMeanings[rune]);
        const QImage upright = asRgb(StonePicture(rune));
        QCOMPARE(upright.size(), QSize(113, 151));
        QCOMPARE(asRgb(child<QLabel>(w, "picStone_0")->pixmap()), upright);
        // The turned stone is the same picture turned by 180 degrees, over the same area.
        QCOMPARE(asRgb(child<QLabel>(w, "picStone_1")->pixmap()), upright.mirrored(true, true));
    }

    void memorizeStonesButtonShowsTheFirstRune()
    {
        frmLearnRunesMain* w = openCourse();
        click(w, "cmdSubjects_1");
        click(w, "cmdNext");
        click(w, "cmdNext");
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Thurisaz"));
        click(w, "cmdSubjects_0");
        click(w, "cmdSubjects_1");
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Fehu"));
        QVERIFY(!enabled(w, "cmdBack"));
        QVERIFY(enabled(w, "cmdNext"));
        click(w, "cmdNext");
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Uruz"));
    }

    void backOnTheFirstRune()
    {
        frmLearnRunesMain* w = openCourse();
        click(w, "cmdSubjects_1");
        click(w, "cmdNext");
        click(w, "cmdBack");
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Fehu"));
        QVERIFY(enabled(w, "cmdBack"));
        click(w, "cmdBack");
        QVERIFY(!enabled(w, "cmdBack"));
        QCOMPARE(text(w, "lblStoneName"), QStringLiteral("Fehu"));
        QCOMPARE(w->study().StudyPosition, 0);
    }

    void wizardSteps()
    {
        frmLearnRunesMain* w = openCourse();
        click(w, "cmdSubjects_2");
        QCOMPARE(frontPage(w), QStringLiteral("picTestSetUp"));
        QCOMPARE(frontStep(w), QStringLiteral("fraTestSubjects"));
        click(w, "cmdTestNext_0");
        QCOMPARE(env->lastPrompt(), QStringLiteral("Please Select A Test Subject"));
        QCOMPARE(frontStep(w), QStringLiteral("fraTestSubjects"));

        // Keywords skip the positions step, both ways.
        click(w, "optTestSubjects_1");
        click(w, "cmdTestNext_0");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestLevel"));
        click(w, "cmdTestNext_2");
        QCOMPARE(env->lastPrompt(), QStringLiteral("Please Select A Test Level"));
        QCOMPARE(frontStep(w), QStringLiteral("fraTestLevel"));
        click(w, "cmdTestBack_1");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestSubjects"));

        click(w, "optTestSubjects_0");
        click(w, "cmdTestNext_0");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestType"));
        click(w, "cmdTestNext_1");
        QCOMPARE(env->lastPrompt(), QStringLiteral("Please Select At Least 1 Stone Type"));
        QCOMPARE(frontStep(w), QStringLiteral("fraTestType"));
        click(w, "cmdTestBack_0");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestSubjects"));
        click(w, "cmdTestNext_0");
        click(w, "chkTestType_1");
        click(w, "cmdTestNext_1");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestLevel"));
        QCOMPARE(w->testRun().StonePositions[0], 0);
        QCOMPARE(w->testRun().StonePositions[1], -1);
        QCOMPARE(w->testRun().StonePositions[2], 0);
        click(w, "cmdTestBack_1");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestType"));
        QCOMPARE(env->messages.size(), std::size_t(3));
        for (const ShownMessage& m : env->messages)
            QCOMPARE(m.style, platform::vbCritical);

        // The page button always opens the first step; choices stay as made.
        click(w, "cmdSubjects_2");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestSubjects"));
        QVERIFY(child<QAbstractButton>(w, "optTestSubjects_0")->isChecked());
        QVERIFY(child<QAbstractButton>(w, "chkTestType_1")->isChecked());
    }

    void keywordRun_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("beginner") << BeginnerLevel << "24 Correct Out Of  24 Keywords" << "1 Correct Out of 1";
        QTest::newRow("advanced") << AdvancedLevel << "96 Correct Out Of  96 Keywords" << "4 Correct Out of 4";
    }

    void keywordRun()
    {
        QFETCH(int, level);
        QFETCH(QString, total);
        QFETCH(QString, lineEnd);
        frmLearnRunesMain* w = openCourse();
        startKeywordTest(w, level);
        QCOMPARE(frontPage(w), QStringLiteral("picTestKeywords"));
        QCOMPARE(w->testRun().TestLevel, level);
        QCOMPARE(w->testRun().KeywordQuestionNo, 0);
        QCOMPARE(text(w, "lblIndex"), QStringLiteral("Label1"));
        QCOMPARE(text(w, "lblCaption"), QStringLiteral("You must choose only 1 Keyword"));
        QCOMPARE(text(w, "lblTestStone"), QStringLiteral("Stone Name"));

        click(w, "cmdNextQuestion");
        QVERIFY(env->messages.empty());
        const int options = level == BeginnerLevel ? 5 : 8;
        QStringList asked;
        for (int question = 1; question <= 24; ++question) {
            QCOMPARE(text(w, "lblIndex"), QStringLiteral("Question %1").arg(question));
            QCOMPARE(text(w, "lblCaption"), level == BeginnerLevel ? QStringLiteral("You must choose only 1 option")
                                                                   : QStringLiteral("You must choose 4 options"));
            for (int i = 0; i < 8; ++i) {
                auto* box = child<QCheckBox>(w, QStringLiteral("chkKeywords_%1").arg(i));
                QCOMPARE(box->isHidden(), i >= options);
                QVERIFY(!box->isChecked());
            }
            QVERIFY(!child<QLabel>(w, "picTest")->pixmap().isNull());
            asked << text(w, "lblTestStone");
            // A screen reader hears the counter and the rune asked, each new with each question.
            QVERIFY_HEARD(child<QLabel>(w, "lblIndex"), QStringLiteral("Question"));
            QVERIFY_HEARD(child<QLabel>(w, "lblTestStone"), QStringLiteral("Question about"));
            tickRightAnswers(w);
            click(w, "cmdNextQuestion");
        }
        QVERIFY(env->messages.empty());
        QCOMPARE(frontPage(w), QStringLiteral("picTestResult"));
        const QStringList lines = text(w, "txtResult").split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 26);
        for (int i = 0; i < 24; ++i) {
            QCOMPARE(lines[i].mid(13, 30).trimmed(), asked[i]);
            QVERIFY(lines[i].endsWith(lineEnd));
        }
        QCOMPARE(lines[25], total);
        QCOMPARE(w->testRun().TotalScore, 0);
        QCOMPARE(w->testRun().QuestionScore, 0);
        QCOMPARE(w->testRun().KeywordQuestionNo, 24);
    }

    // In the result list as the box shows it, the number, the stone name and the score each
    // start at one x on every line.
    void resultColumnsLineUp()
    {
        frmLearnRunesMain* w = openCourse();
        startKeywordTest(w, BeginnerLevel);
        click(w, "cmdNextQuestion");
        for (int question = 1; question <= 24; ++question) {
            tickRightAnswers(w);
            click(w, "cmdNextQuestion");
        }
        QCOMPARE(frontPage(w), QStringLiteral("picTestResult"));
        verifyColumnsLineUp(laidOutLines(child<QPlainTextEdit>(w, "txtResult")), 3, 24);
    }

    void keywordRefusals_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("message");
        QTest::newRow("beginner none") << BeginnerLevel << 0 << "You must select 1 option";
        QTest::newRow("beginner two") << BeginnerLevel << 2 << "You can select 1 option";
        QTest::newRow("advanced none") << AdvancedLevel << 0 << "You must select 4 options";
        QTest::newRow("advanced three") << AdvancedLevel << 3 << "You can select 4 options";
        QTest::newRow("advanced five") << AdvancedLevel << 5 << "You can select 4 options";
    }

    void keywordRefusals()
    {
        QFETCH(int, level);
        QFETCH(int, ticks);
        QFETCH(QString, message);
        frmLearnRunesMain* w = openCourse();
        startKeywordTest(w, level);
        click(w, "cmdNextQuestion");
        click(w, "cmdNextQuestion"); // nothing ticked yet
        env->messages.clear();
        for (int i = 0; i < ticks; ++i)
            click(w, QStringLiteral("chkKeywords_%1").arg(i));
        const QString stone = text(w, "lblTestStone");
        const QStringList correct = w->testRun().CorrectAnswers;
        click(w, "cmdNextQuestion");
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(env->lastPrompt(), message);
        QCOMPARE(env->messages[0].style, platform::vbCritical);
        QCOMPARE(text(w, "lblIndex"), QStringLiteral("Question 1"));
        QCOMPARE(text(w, "lblTestStone"), stone);
        QCOMPARE(w->testRun().CorrectAnswers, correct);
        QCOMPARE(child<QCheckBox>(w, "chkKeywords_0")->isChecked(), ticks > 0);
    }

    void goalBoxesUnlockOneByOne()
    {
        frmLearnRunesMain* w = openCourse();
        click(w, "cmdSubjects_3");
        QCOMPARE(frontPage(w), QStringLiteral("picGoals"));
        click(w, "chkGoal2");
        QVERIFY(enabled(w, "txtGoal2") && enabled(w, "cmdGoal2"));
        QVERIFY(!enabled(w, "txtGoal1") && !enabled(w, "cmdGoal1"));
        click(w, "chkGoal2");
        QVERIFY(!enabled(w, "txtGoal2") && !enabled(w, "cmdGoal2"));
        QCOMPARE(text(w, "txtGoal2"), QStringLiteral("This is Goal 2.\n"));
    }

    void goalSaves()
    {
        const QString path = QDir(env->userFolder()).filePath("Goal1.txt");
        {
            frmLearnRunesMain* w = openCourse();
            click(w, "chkGoal1");
            // Unchanged saves keep the file as it was: no empty line grows at its end.
            for (int i = 0; i < 3; ++i)
                click(w, "cmdGoal1");
            QCOMPARE(fileBytes(path), QByteArray("This is Goal 1.\r\n"));
            child<QPlainTextEdit>(w, "txtGoal1")->setPlainText(QStringLiteral("  Read the Havamal\nLearn every aett  \n"));
            click(w, "cmdGoal1");
            QCOMPARE(fileBytes(path), QByteArray("Read the Havamal\r\nLearn every aett\r\n"));
            child<QPlainTextEdit>(w, "txtGoal1")->clear();
            click(w, "cmdGoal1");
            QCOMPARE(fileBytes(path), QByteArray("\r\n"));
            QVERIFY(env->messages.empty());
            platform::Forms::unload(w);
        }
        frmLearnRunesMain* again = openCourse();
        QCOMPARE(text(again, "txtGoal1"), QStringLiteral("\n"));
        click(again, "chkGoal1");
        click(again, "cmdGoal1");
        QCOMPARE(fileBytes(path), QByteArray("\r\n"));
    }

    // A screen reader ticks a goal: the goal's box and "Save" unlock, and lock again.
    void goalTickedByScreenReader_data()
    {
        QTest::addColumn<int>("goal");
        QTest::newRow("Goal 1") << 1;
        QTest::newRow("Goal 2") << 2;
    }

    void goalTickedByScreenReader()
    {
        QFETCH(int, goal);
        frmLearnRunesMain* w = openCourse();
        const QString n = QString::number(goal), other = QString::number(3 - goal);
        auto* box = child<QCheckBox>(w, QStringLiteral("chkGoal") + n);
        QVERIFY(toggleByScreenReader(box));
        QVERIFY(box->isChecked());
        QVERIFY(enabled(w, QStringLiteral("txtGoal") + n) && enabled(w, QStringLiteral("cmdGoal") + n));
        QVERIFY(!enabled(w, QStringLiteral("txtGoal") + other) && !enabled(w, QStringLiteral("cmdGoal") + other));
        QVERIFY(toggleByScreenReader(box));
        QVERIFY(!enabled(w, QStringLiteral("txtGoal") + n) && !enabled(w, QStringLiteral("cmdGoal") + n));
        // A tick set by the program follows the same rule.
        box->setChecked(true);
        QVERIFY(enabled(w, QStringLiteral("txtGoal") + n) && enabled(w, QStringLiteral("cmdGoal") + n));
    }

    // Settings boxes ticked by a screen reader are what Save stores.
    void settingsBoxToggledByScreenReader_data()
    {
        QTest::addColumn<int>("box");
        for (int i = 0; i < SettingBoxes.size(); ++i)
            QTest::newRow(SettingBoxes[i].toLatin1()) << i;
    }

    void settingsBoxToggledByScreenReader()
    {
        QFETCH(int, box);
        frmLearnRunesMain* w = openCourse();
        QVERIFY(toggleByScreenReader(child<QCheckBox>(w, SettingBoxes[box])));
        click(w, "cmdSaveSettings");
        QStringList expected(8, QStringLiteral("1"));
        expected[box] = QStringLiteral("0");
        QCOMPARE(storedSettings(), expected);
    }

    // The whole wizard through a screen reader's toggles: subject, position and level.
    void wizardByScreenReader()
    {
        frmLearnRunesMain* w = openCourse();
        click(w, "cmdSubjects_2");
        QVERIFY(toggleByScreenReader(child<QRadioButton>(w, "optTestSubjects_0")));
        click(w, "cmdTestNext_0");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestType"));
        QVERIFY(toggleByScreenReader(child<QCheckBox>(w, "chkTestType_2")));
        click(w, "cmdTestNext_1");
        QCOMPARE(frontStep(w), QStringLiteral("fraTestLevel"));
        QCOMPARE(w->testRun().StonePositions[2], PositionAsked);
        QVERIFY(toggleByScreenReader(child<QRadioButton>(w, "optTestLevel_1")));
        click(w, "cmdTestBack_1");
        QVERIFY(toggleByScreenReader(child<QRadioButton>(w, "optTestSubjects_1")));
        click(w, "cmdTestNext_0");
        click(w, "cmdTestNext_2");
        QVERIFY(env->messages.empty());
        QCOMPARE(frontPage(w), QStringLiteral("picTestKeywords"));
        QCOMPARE(w->testRun().TestLevel, AdvancedLevel);
    }

    // The tick that completes the answer moves the focus to "Next", however it was made; a
    // tick taken back and given again does not move it a second time.
    void keywordTickMovesTheFocus_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("screenReader");
        QTest::newRow("beginner, mouse") << BeginnerLevel << false;
        QTest::newRow("beginner, screen reader") << BeginnerLevel << true;
        QTest::newRow("advanced, mouse") << AdvancedLevel << false;
        QTest::newRow("advanced, screen reader") << AdvancedLevel << true;
    }

    void keywordTickMovesTheFocus()
    {
        QFETCH(int, level);
        QFETCH(bool, screenReader);
        frmLearnRunesMain* w = openCourse();
        platform::Forms::showMdiChild(w);
        startKeywordTest(w, level);
        click(w, "cmdNextQuestion");
        auto* next = child<QWidget>(w, "cmdNextQuestion");
        auto tick = [&](int i) {
            auto* box = child<QCheckBox>(w, QStringLiteral("chkKeywords_%1").arg(i));
            if (screenReader)
                QVERIFY(toggleByScreenReader(box));
            else
                box->click();
        };
        const int needed = level == BeginnerLevel ? 1 : 4;
        for (int i = 0; i < needed; ++i) {
            child<QWidget>(w, "chkKeywords_0")->setFocus();
            tick(i);
        }
        QCOMPARE(w->focusWidget(), next);
        child<QWidget>(w, "chkKeywords_0")->setFocus();
        tick(needed - 1);
        tick(needed - 1);
        QVERIFY(w->focusWidget() != next);
    }

    // What the user typed is saved as typed: no-break spaces stay, line breaks of either kind
    // (Return, Shift+Return) become CR LF, and only blanks (character 32) at the ends go.
    void goalKeepsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no-break space") << QStringLiteral("Learn\u00A0Fehu") << QByteArray("Learn\xc2\xa0" "Fehu\r\nend\r\n");
        QTest::newRow("no-break spaces at the ends") << QStringLiteral("  \u00A0Fehu\u00A0 ")
                                                     << QByteArray("\xc2\xa0" "Fehu\xc2\xa0 \r\nend\r\n");
        QTest::newRow("return") << QStringLiteral("one\ntwo") << QByteArray("one\r\ntwo\r\nend\r\n");
        QTest::newRow("tab and letters") << QStringLiteral("\tÆsir") << QByteArray("\t\xc3\x86sir\r\nend\r\n");
    }

    void goalKeepsWhatWasTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, file);
        frmLearnRunesMain* w = openCourse();
        click(w, "chkGoal1");
        auto* box = child<QPlainTextEdit>(w, "txtGoal1");
        box->clear();
        box->insertPlainText(typed);
        QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(box, QStringLiteral("end"));
        click(w, "cmdGoal1");
        QCOMPARE(fileBytes(QDir(env->userFolder()).filePath("Goal1.txt")), file);
    }

    // A goal file with bytes that are not text is kept byte for byte until its text is changed.
    void goalFileWithBytesThatAreNotText()
    {
        const QString path = QDir(env->userFolder()).filePath("Goal2.txt");
        const QByteArray bytes("Learn \xff\xfe runes\r\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        frmLearnRunesMain* w = openCourse();
        click(w, "chkGoal2");
        click(w, "cmdGoal2");
        QCOMPARE(fileBytes(path), bytes);
        auto* box = child<QPlainTextEdit>(w, "txtGoal2");
        box->moveCursor(QTextCursor::End);
        box->insertPlainText(QStringLiteral("now"));
        click(w, "cmdGoal2");
        QCOMPARE(fileBytes(path), QByteArray("Learn \xef\xbf\xbd\xef\xbf\xbd runes\r\nnow\r\n"));
    }

    void goalThatCannotBeSaved()
    {
        QVERIFY(QDir(env->userFolder()).mkdir(QStringLiteral("Goal2.txt")));
        frmLearnRunesMain* w = openCourse();
        QCOMPARE(text(w, "txtGoal2"), QString());
        click(w, "chkGoal2");
        child<QPlainTextEdit>(w, "txtGoal2")->setPlainText(QStringLiteral("Study Isa"));
        click(w, "cmdGoal2");
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(env->messages[0].style, platform::vbCritical);
        QVERIFY(env->messages[0].prompt.contains(QLatin1String("Goal 2 could not be saved")));
        // The message names the folder to check.
        QVERIFY2(env->messages[0].prompt.contains(QDir::toNativeSeparators(env->userFolder())),
                 qPrintable(env->messages[0].prompt));
        QCOMPARE(text(w, "txtGoal2"), QStringLiteral("Study Isa"));
    }

    // The course speaks one spelling, American, in every text it shows: tables, captions,
    // labels and frames.
    void textsUseAmericanSpelling()
    {
        frmLearnRunesMain* w = openCourse();
        QStringList texts{w->windowTitle()};
        for (int r = 0; r < RuneCount; ++r)
            texts << StoneNames[r] << UprightMeanings[r] << ReversedMeanings[r] << MerkstaveMeanings[r];
        for (const QString& keyword : StoneKeywords)
            texts << keyword;
        for (int aett = 0; aett < AettCount; ++aett)
            texts << AettCaption(aett) << AettTheme(aett);
        for (const QLabel* label : w->findChildren<QLabel*>())
            texts << label->text();
        for (const QAbstractButton* button : w->findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QGroupBox* frame : w->findChildren<QGroupBox*>())
            texts << frame->title();
        const QRegularExpression british(QStringLiteral(
            "\\b(colour\\w*|honour\\w*|behaviour\\w*|favour\\w*|humour\\w*|labour\\w*|neighbour\\w*|centre\\w*|"
            "centred|defence|offence|\\w+is(e|ed|es|ing|ation)|\\w+ys(e|ed|ing)|travell\\w*|grey|judgement)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        // Words that end in -ise in American spelling too.
        const QStringList alike{"wise", "otherwise", "likewise", "rise", "arise", "raise", "raised", "praise", "praises",
                                "promise", "promises", "surprise", "exercise", "advise", "advertise", "comprise",
                                "compromise", "despise", "disguise", "enterprise", "franchise", "merchandise", "revise",
                                "supervise", "televise", "concise", "precise", "paradise", "noise", "poise", "expertise",
                                "premise", "demise", "bruise", "cruise", "treatise", "devise", "improvise", "chastise",
                                "circumcise", "excise", "incise", "apprise", "reprise", "uprise"};
        for (const QString& text : texts) {
            auto matches = british.globalMatch(text);
            while (matches.hasNext()) {
                const QString word = matches.next().captured(0);
                if (!alike.contains(word.toLower()))
                    QFAIL(qPrintable(QStringLiteral("British spelling \"%1\" in: %2").arg(word, text.left(80))));
            }
        }
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("normal") << "txtMeaning_0" << "Normal Meaning";
        QTest::newRow("reverse") << "txtMeaning_1" << "Reverse Meaning";
        QTest::newRow("markstave") << "txtMeaning_2" << "Markstave Meaning";
        QTest::newRow("keywords") << "txtKeywords" << "Keywords";
        QTest::newRow("names") << "txtAlternativeNames" << "Alternative Names";
        QTest::newRow("upright stone") << "picStone_0" << "Upright stone";
        QTest::newRow("turned stone") << "picStone_1" << "Turned stone";
        QTest::newRow("result") << "txtResult" << "Result";
        QTest::newRow("goal 1") << "txtGoal1" << "Goal 1";
        QTest::newRow("goal 2") << "txtGoal2" << "Goal 2";
    }

    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QCOMPARE(child<QWidget>(openCourse(), control)->accessibleName(), name);
    }

    void guardedBoxesEmptyTheClipboard_data()
    {
        QTest::addColumn<QString>("box");
        for (const char* box : {"txtMeaning_0", "txtMeaning_1", "txtMeaning_2", "txtKeywords", "txtAlternativeNames",
                                "txtResult", "txtGoal1", "txtGoal2"})
            QTest::newRow(box) << box;
    }

    void guardedBoxesEmptyTheClipboard()
    {
        QFETCH(QString, box);
        frmLearnRunesMain* w = openCourse();
        QGuiApplication::clipboard()->setText(QStringLiteral("copied rune text"));
        QWidget* control = child<QWidget>(w, box);
        if (auto* line = qobject_cast<QLineEdit*>(control))
            line->setText(QStringLiteral("changed"));
        else
            qobject_cast<QPlainTextEdit*>(control)->setPlainText(QStringLiteral("changed"));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void exitMenuUnloadsTheWindow()
    {
        QPointer<frmLearnRunesMain> w = openCourse();
        QAction* exit = w->findChild<QAction*>(QStringLiteral("mnuExit"));
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("E&xit"));
        exit->trigger();
        QVERIFY(!platform::Forms::find<frmLearnRunesMain>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        // The next opening runs the whole load step again.
        QVERIFY(openCourse() != nullptr);
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

ORVANEL_TEST(TestRunesMainWindow)
#include "test_runes_main_window.moc"
