// The tarot window opened from the launcher: its frame, menus, links and Exit button, the
// settings tab's rules by every way of acting, the stored settings, the selection check and
// the update reminder at each load.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/logic/tarot_settings.h"
#include "tarot_environment.h"
#include "platform/clock.h"
#include "platform/forms.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "shell/course_tabs.h"
#include "shell/frmExitScreen.h"
#include "shell/link_label.h"
#include "shell/main_window.h"
#include "shell/update_reminder.h"
#include "tarot_window.h"
#include "test_registry.h"

using namespace tarot_window;

namespace {

const QString SelectMessage = QStringLiteral("Select at least one option.");
const QStringList BoxNames = {"chkMajor", "chkMinor", "chkGroup_0", "chkGroup_1", "chkGroup_2", "chkGroup_3"};

QString ticks(frmLearnTarotMain* window)
{
    QString mask;
    for (const QString& name : BoxNames)
        mask += child<QCheckBox>(window, name)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

int picked(frmLearnTarotMain* window, const char* array, int count)
{
    for (int i = 0; i < count; ++i)
        if (child<QRadioButton>(window, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i))->isChecked())
            return i;
    return -1;
}

bool enabled(frmLearnTarotMain* window, const char* name) { return ownEnabled(child<QWidget>(window, QLatin1String(name))); }

QStringList menuItems(const QMenu* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + QLatin1Char(' ') + action->text());
    return items;
}

void addHowRows()
{
    QTest::addColumn<How>("how");
    for (How how : {How::Click, How::Keyboard, How::ScreenReader, How::Program})
        QTest::newRow(qPrintable(howName(how))) << how;
}

} // namespace

class TestTarotWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<TarotEnvironment>(); }
    void cleanup() { env.reset(); }

    void opensOnTheSettingsTabWithLaterTabsDisabled()
    {
        frmMDI* main = startMainWindow();
        frmLearnTarotMain* window = openFromLauncher(main);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!main->picMain->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Velmora Learn Tarot Software"));
        QCOMPARE(window->size(), QSize(768, 528));
        auto* tabs = child<CourseTabs>(window, "SSTab1");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, (QStringList{"My Personal Goal", "Settings", "Memorize Cards", "Take Test", "Results"}));
        QCOMPARE(shownTab(window), 1);
        QCOMPARE(enabledTabs(window), QStringLiteral("11000"));
        QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("picGoals"));
    }

    void menusAndTheTrayMenu()
    {
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        auto* bar = child<QMenuBar>(window, "menuBar");
        QStringList titles;
        for (const QAction* action : bar->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"&File", "&Help"}));
        QCOMPARE(menuItems(child<QMenu>(window, "mnuFile")),
                 (QStringList{"mnuTabGoals &My Personal Goals", "mnuTabSettings Settings", "-", "mnuExit1 &Exit"}));
        auto* popUp = child<QMenu>(window, "mnuPopUp");
        QCOMPARE(menuItems(popUp), (QStringList{"mnuShow Show", "mnuExit Exit"}));
        QCOMPARE(popUp->defaultAction()->objectName(), QStringLiteral("mnuShow"));
        QVERIFY(!bar->actions().contains(popUp->menuAction()));
    }

    void fileMenuShowsGoalsAndSettings()
    {
        frmLearnTarotMain* window = openWithBuiltCards();
        chooseTest(window, 1, 0);
        click(window, "cmdStartTest2");
        QCOMPARE(shownTab(window), 3);
        child<QAction>(window, "mnuTabSettings")->trigger();
        QCOMPARE(shownTab(window), 1);
        QCOMPARE(enabledTabs(window), QStringLiteral("11000"));
        child<QAction>(window, "mnuTabGoals")->trigger();
        QCOMPARE(shownTab(window), 0);
    }

    void linksAndTheirTexts()
    {
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        const QString forum = child<LinkLabel>(window, "Label6")->text();
        QVERIFY2(forum.endsWith(QStringLiteral(". Visit Velmora Now")), qPrintable(forum));
        QCOMPARE(forum.count(QLatin1Char('.')), 2);
        QVERIFY(child<LinkLabel>(window, "lblCobrand")->text().startsWith(QStringLiteral("Co-brand this software")));
        QVERIFY(child<LinkLabel>(window, "lblFullBrand")->text().startsWith(QStringLiteral("Home Business Opportunity.")));
        QTest::mouseClick(child<LinkLabel>(window, "Label6"), Qt::LeftButton);
        QCOMPARE(env->openedPages.size(), 1);
        // The keyboard reaches the links and follows them.
        for (const char* name : {"Label6", "lblCobrand", "lblFullBrand"}) {
            auto* link = child<LinkLabel>(window, QLatin1String(name));
            QVERIFY(link->focusPolicy() & Qt::TabFocus);
            QTest::keyClick(link, Qt::Key_Return);
        }
        QCOMPARE(env->openedPages.size(), 4);
        QCOMPARE(env->openedPages[1], env->openedPages[0]);
        QVERIFY(env->openedPages[2] != env->openedPages[3]);
    }

    void closingCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("exitScreen");
        QTest::newRow("Exit button") << "cmdNav" << true;
        QTest::newRow("File Exit") << "mnuExit1" << false;
        QTest::newRow("tray menu Exit") << "mnuExit" << false;
    }
    void closingCommands()
    {
        QFETCH(QString, command);
        QFETCH(bool, exitScreen);
        frmMDI* main = startMainWindow();
        frmLearnTarotMain* window = openFromLauncher(main);
        if (command == QLatin1String("cmdNav"))
            click(window, command);
        else
            child<QAction>(window, command)->trigger();
        QVERIFY(!platform::Forms::find<frmLearnTarotMain>());
        QVERIFY(main->picMain->isVisible());
        QVERIFY(platform::Forms::find<frmMDI>());
        frmExitScreen* screen = platform::Forms::find<frmExitScreen>();
        QCOMPARE(screen != nullptr, exitScreen);
        if (screen) {
            QVERIFY(screen->isVisible());
            QVERIFY(!screen->isModal());
        }
        QCOMPARE(env->processEnds, 0);
    }

    void nothingStoredGivesEveryCardKeywordsAndBeginner()
    {
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        QCOMPARE(ticks(window), QStringLiteral("111111"));
        QCOMPARE(picked(window, "optTestType", 2), 1);
        QCOMPARE(picked(window, "optDifficulty", 3), 0);
        QVERIFY(!enabled(window, "chkReversed"));
        QVERIFY(enabled(window, "chkGroup_0"));
        QVERIFY(enabled(window, "cmdNext"));
    }

    void storedSettingsApplyAsAClickWould_data()
    {
        QTest::addColumn<QStringList>("stored"); // name=value pairs
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<bool>("suitsEnabled");
        QTest::addColumn<bool>("reversedEnabled");
        QTest::addColumn<bool>("nextEnabled");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("level");
        QTest::newRow("minor arcana off") << QStringList{"MinorArcana=0"} << "101111" << false << true << true << 1 << 0;
        QTest::newRow("both arcana off") << QStringList{"MajorArcana=0", "MinorArcana=0"} << "001111" << false << false
                                         << false << 1 << 0;
        QTest::newRow("description test") << QStringList{"TestType=0"} << "111111" << true << true << true << 0 << 0;
        QTest::newRow("every suit off keeps swords")
            << QStringList{"Cups=0", "Wands=0", "Pentacles=0", "Swords=0"} << "110001" << true << false << true << 1 << 0;
        QTest::newRow("intermediate, saved values") << QStringList{"Wands=0", "TestType=1", "Difficulty=1"} << "111011"
                                                    << true << false << true << 1 << 1;
        QTest::newRow("unreadable minor stops the reading")
            << QStringList{"MajorArcana=0", "MinorArcana=yes", "Cups=0", "TestType=0", "Difficulty=2"} << "011111" << true
            << true << true << 1 << 0;
        QTest::newRow("unreadable type keeps the level")
            << QStringList{"TestType=7", "Difficulty=2"} << "111111" << true << false << true << 1 << 0;
    }
    void storedSettingsApplyAsAClickWould()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, ticks);
        QFETCH(bool, suitsEnabled);
        QFETCH(bool, reversedEnabled);
        QFETCH(bool, nextEnabled);
        QFETCH(int, type);
        QFETCH(int, level);
        for (const QString& pair : stored)
            QVERIFY(platform::SaveSetting(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1)));
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        QCOMPARE(::ticks(window), ticks);
        QCOMPARE(enabled(window, "chkGroup_2"), suitsEnabled);
        QCOMPARE(enabled(window, "chkReversed"), reversedEnabled);
        QCOMPARE(enabled(window, "cmdNext"), nextEnabled);
        QCOMPARE(picked(window, "optTestType", 2), type);
        QCOMPARE(picked(window, "optDifficulty", 3), level);
    }

    void theLastSuitStaysTicked_data() { addHowRows(); }
    void theLastSuitStaysTicked()
    {
        QFETCH(How, how);
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        for (int i = 0; i < 4; ++i)
            setTicked(child<QCheckBox>(window, QStringLiteral("chkGroup_%1").arg(i)), false, how);
        QCOMPARE(ticks(window), QStringLiteral("110001"));
        // Another suit ticked, swords can go.
        setTicked(child<QCheckBox>(window, "chkGroup_1"), true, how);
        setTicked(child<QCheckBox>(window, "chkGroup_3"), false, how);
        QCOMPARE(ticks(window), QStringLiteral("110100"));
    }

    void minorArcanaGreysTheSuits_data() { addHowRows(); }
    void minorArcanaGreysTheSuits()
    {
        QFETCH(How, how);
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        setTicked(child<QCheckBox>(window, "chkGroup_1"), false, how);
        setTicked(child<QCheckBox>(window, "chkMinor"), false, how);
        QCOMPARE(ticks(window), QStringLiteral("101011"));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!enabled(window, qPrintable(QStringLiteral("chkGroup_%1").arg(i))));
        QCOMPARE(window->BuildCardQuery(), QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID"));
        setTicked(child<QCheckBox>(window, "chkMinor"), true, how);
        QVERIFY(enabled(window, "chkGroup_3"));
        QCOMPARE(window->BuildCardQuery(),
                 QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=3) OR (Group=4) ORDER BY ID"));
    }

    void withoutArcanaNothingStarts_data() { addHowRows(); }
    void withoutArcanaNothingStarts()
    {
        QFETCH(How, how);
        frmLearnTarotMain* window = openWithBuiltCards();
        pick(child<QRadioButton>(window, "optTestType_0"), how);
        QVERIFY(enabled(window, "chkReversed"));
        setTicked(child<QCheckBox>(window, "chkMajor"), false, how);
        QVERIFY(enabled(window, "cmdNext"));
        setTicked(child<QCheckBox>(window, "chkMinor"), false, how);
        QVERIFY(!enabled(window, "cmdNext"));
        QVERIFY(!enabled(window, "chkReversed"));
        for (const char* start : {"cmdSetOption", "cmdStartTest2"}) {
            env->messages.clear();
            click(window, start);
            QCOMPARE(env->prompts(), QStringList{SelectMessage});
            QCOMPARE(env->messages.front().style, platform::vbOKOnly);
            QCOMPARE(shownTab(window), 1);
            QCOMPARE(enabledTabs(window), QStringLiteral("11000"));
        }
        // The description test enables "Reversed" again: the last rule run wins.
        pick(child<QRadioButton>(window, "optTestType_1"), how);
        QVERIFY(!enabled(window, "chkReversed"));
        pick(child<QRadioButton>(window, "optTestType_0"), how);
        QVERIFY(enabled(window, "chkReversed"));
    }

    void savedSettings_data()
    {
        QTest::addColumn<QStringList>("unticked");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("as laid out") << QStringList{} << 1 << 0
                                     << QStringList{"1", "1", "1", "1", "1", "1", "1", "0", "False"};
        QTest::newRow("intermediate description") << QStringList{"chkGroup_0"} << 0 << 1
                                                  << QStringList{"1", "1", "0", "1", "1", "1", "0", "1", "False"};
        QTest::newRow("advanced, minor off") << QStringList{"chkMinor", "chkGroup_3"} << 1 << 2
                                             << QStringList{"1", "0", "1", "1", "1", "0", "1", "2", "False"};
    }
    void savedSettings()
    {
        QFETCH(QStringList, unticked);
        QFETCH(int, type);
        QFETCH(int, level);
        QFETCH(QStringList, stored);
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        for (const QString& name : unticked)
            child<QCheckBox>(window, name)->setChecked(false);
        chooseTest(window, type, level);
        click(window, "cmdSaveSettings");
        QStringList values;
        for (const char* name : {"MajorArcana", "MinorArcana", "Cups", "Wands", "Pentacles", "Swords", "TestType",
                                 "Difficulty", "RunAtSysTray"})
            values << platform::GetSetting(QLatin1String(name), QStringLiteral("<absent>"));
        QCOMPARE(values, stored);
        QVERIFY(env->messages.empty());
        // A new window reads them back.
        click(platform::Forms::find<frmMDI>(), "cmdSelectOption_2");
        window = platform::Forms::find<frmLearnTarotMain>();
        QCOMPARE(picked(window, "optDifficulty", 3), level);
        QCOMPARE(picked(window, "optTestType", 2), type);
    }

    void updateReminderRunsAtEachLoad()
    {
        const QDateTime now(QDate(2024, 3, 20), QTime(10, 0));
        platform::setFixedNow(now);
        modHelp::LastReminder().save(modHelp::GeneralDateTimeText(now.addDays(-20)));
        frmMDI* main = startMainWindow();
        env->queueAnswer(platform::vbNo);
        openFromLauncher(main);
        QCOMPARE(env->messages.size(), std::size_t(1));
        QVERIFY(env->lastPrompt().startsWith(QStringLiteral("There maybe an update")));
        // Loaded again the same day: the reminder runs, the fresh stamp keeps it quiet.
        openFromLauncher(main);
        QCOMPARE(env->messages.size(), std::size_t(1));
        QCOMPARE(modHelp::ParseGeneralDateTime(modHelp::LastReminder().valueOr(QString())).date(), now.date());
    }

    void onlyTheReportEmptiesTheClipboard()
    {
        frmLearnTarotMain* window = openWithBuiltCards();
        click(window, "cmdSetOption");
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->setText(QStringLiteral("keep"));
        auto* meaning = child<QPlainTextEdit>(window, "txtNormalMeaning");
        QTest::mouseClick(meaning->viewport(), Qt::LeftButton);
        QCOMPARE(clipboard->text(), QStringLiteral("keep"));
        auto* report = child<QPlainTextEdit>(window, "txtResult");
        QTest::mouseMove(report->viewport(), QPoint(5, 5));
        QTest::mousePress(report->viewport(), Qt::LeftButton);
        QVERIFY(clipboard->text().isEmpty());
    }

    void everyControlTakesTheKeyboardAndHasAName()
    {
        frmLearnTarotMain* window = openFromLauncher(startMainWindow());
        const QStringList names = {"chkMajor", "chkMinor", "chkGroup_0", "chkGroup_3", "chkReversed", "optTestType_0",
                                   "optDifficulty_2", "optRun", "optDontRun", "chkSysTray", "cmdSaveSettings",
                                   "cmdSetOption", "cmdStartTest2", "cmdNav", "cmdNext", "cmdPrevious", "cmdStartTest",
                                   "txtNormalMeaning", "txtReverseMeaning", "txtKeywords", "picCardMemorize",
                                   "picCardMemorizeReversed", "picResult", "cmdNextQuestion", "optAnswer_0",
                                   "chkKeywords_19", "txtResult", "Command5"};
        for (const QString& name : names) {
            auto* control = child<QWidget>(window, name);
            QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(name));
            auto* button = qobject_cast<QAbstractButton*>(control);
            const bool named = !control->accessibleName().isEmpty() || (button && !button->text().isEmpty());
            // The answer options and keyword boxes are named by their texts once a question shows.
            QVERIFY2(named || name.startsWith(QStringLiteral("optAnswer")) || name.startsWith(QStringLiteral("chkKeywords")),
                     qPrintable(name));
        }
    }

private:
    std::unique_ptr<TarotEnvironment> env;
};

ORVANEL_TEST(TestTarotWindow)
#include "test_tarot_window.moc"
