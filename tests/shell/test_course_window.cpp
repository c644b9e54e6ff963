// The course-window base, through two small windows built on it as the courses are: one
// with stacked pages and a link column, one with the tab frame and the File menu of the
// tarot window. They are opened by the main window's launcher like the real courses.
#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <optional>

#include "fixtures.h"
#include "platform/forms.h"
#include "platform/screen.h"
#include "platform/twips.h"
#include "shell/course_tabs.h"
#include "shell/course_window.h"
#include "shell/frmAbout.h"
#include "shell/frmStartup.h"
#include "shell/main_window.h"
#include "shell/start_page.h"
#include "test_registry.h"

namespace {

// Stacked pages, a link column with a title and a control of the window's own.
class PagedSample : public CourseWindow {
public:
    static constexpr const char* FormName = "frmLearnAstrologyMain";
    static constexpr int LauncherButton = 0;

    PagedSample()
        : CourseWindow(FormName, QStringLiteral("Sample Paged Course"), {601, 400},
                       {.fileMenuName = "nuFile",
                        .links = CourseLinks{QStringLiteral("Sample Course"), QStringLiteral("Label61"),
                                             QStringLiteral("Visit the forum."),
                                             LinkColumnColours{Qt::darkGreen, Qt::white, Qt::yellow, Qt::cyan}}})
    {
        addExitItem("mnuExit", QStringLiteral("E&xit"));
        addToLinkColumn(new QPushButton(QStringLiteral("Own Button")));
        pages = makePages();
        pages->addWidget(new QLabel(QStringLiteral("first page")));
        pages->addWidget(new QLabel(QStringLiteral("second page")));
    }

    QStackedWidget* pages = nullptr;
    int loads = 0;
    int widthAtLoad = 0;

protected:
    void loadStep() override
    {
        ++loads;
        widthAtLoad = frame()->width();
    }
};

// The tab frame with the tarot window's tab rules, File menu and load step.
class TabbedSample : public CourseWindow {
public:
    static constexpr const char* FormName = "frmLearnTarotMain";
    static constexpr int LauncherButton = 2;

    TabbedSample()
        : CourseWindow(FormName, QStringLiteral("Sample Tabbed Course"), {600, 420}, {.aboutOverWindow = true})
    {
        QAction* goals = addFileItem("mnuTabGoals", QStringLiteral("&My Personal Goals"));
        QAction* settings = addFileItem("mnuTabSettings", QStringLiteral("Settings"));
        addFileSeparator();
        addExitItem("mnuExit1", QStringLiteral("&Exit"));
        SSTab1 = makeTabs();
        for (const char* caption : {"My Personal Goal", "Settings", "Memorize Cards", "Take Test", "Results"})
            SSTab1->addTab(new QPushButton(QLatin1String(caption)), QLatin1String(caption));
        connect(SSTab1, &CourseTabs::Click, this, [this](int previous) { SSTab1_Click(previous); });
        connect(goals, &QAction::triggered, this, [this] { SSTab1->showTab(0); });
        connect(settings, &QAction::triggered, this, [this] { SSTab1->showTab(1); });
    }

    CourseTabs* SSTab1 = nullptr;
    // Each run of the rule: "<shown tab><<previous tab>", as "2<1".
    QStringList clicks;
    int widthAtLoad = 0;

protected:
    void loadStep() override
    {
        widthAtLoad = frame()->width();
        // The designed size is set after the placement, which keeps the width before it.
        frame()->resize(platform::twipsToPixels(11520), platform::twipsToPixels(7920));
        SSTab1->showTab(1);
        for (int tab : {2, 3, 4})
            SSTab1->setTabEnabled(tab, false);
    }

private:
    void SSTab1_Click(int previousTab)
    {
        const int shown = SSTab1->tab();
        clicks << QStringLiteral("%1<%2").arg(shown).arg(previousTab);
        const std::vector<int> disabled = shown == 1 ? std::vector<int>{2, 3, 4}
                                        : shown == 2 ? std::vector<int>{3, 4}
                                        : shown == 3 ? std::vector<int>{4}
                                        : shown == 4 ? std::vector<int>{3}
                                                     : std::vector<int>{};
        for (int tab : disabled)
            SSTab1->setTabEnabled(tab, false);
    }
};

// A window that may hide itself in its load step, as the tarot window does for the tray.
class HidingSample : public CourseWindow {
public:
    static constexpr const char* FormName = "frmLearnNumerologyMain";
    static constexpr int LauncherButton = 1;
    static inline bool hideInLoad = false;

    HidingSample() : CourseWindow(FormName, QStringLiteral("Sample Hiding Course"), {500, 400}, {}) {}

    bool showsAfterLoad() const override { return !m_hidden; }
    void comeBack()
    {
        m_hidden = false;
        frame()->show();
    }

protected:
    void loadStep() override
    {
        m_hidden = hideInLoad;
        if (m_hidden)
            frame()->hide();
    }

private:
    bool m_hidden = false;
};

frmMDI* startProgram()
{
    platform::Forms::instance<frmStartup>();
    return platform::Forms::find<frmMDI>();
}

template <typename Window>
Window* openFromLauncher(frmMDI* main)
{
    main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(Window::LauncherButton))->click();
    return platform::Forms::find<Window>();
}

bool startPageShown(frmMDI* main) { return main->findChild<QWidget*>(QStringLiteral("picMain"))->isVisibleTo(main); }

QString enabledTabs(const CourseTabs* tabs)
{
    QString mask;
    for (int i = 0; i < tabs->count(); ++i)
        mask += tabs->isTabEnabled(i) ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

QStringList actionNames(const QMenu* menu)
{
    QStringList names;
    for (const QAction* action : menu->actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + QLatin1Char(' ') + action->text());
    return names;
}

} // namespace

class TestCourseWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        platform::Forms::registerFactory(QString::fromLatin1(PagedSample::FormName), [] { return new PagedSample; });
        platform::Forms::registerFactory(QString::fromLatin1(TabbedSample::FormName), [] { return new TabbedSample; });
        platform::Forms::registerFactory(QString::fromLatin1(HidingSample::FormName), [] { return new HidingSample; });
    }

    void aWindowHiddenByItsLoadStepIsNotShownByTheLauncher_data()
    {
        QTest::addColumn<bool>("hides");
        QTest::newRow("hides itself") << true;
        QTest::newRow("stays shown") << false;
    }
    void aWindowHiddenByItsLoadStepIsNotShownByTheLauncher()
    {
        QFETCH(bool, hides);
        frmMDI* main = startProgram();
        HidingSample::hideInLoad = hides;
        HidingSample* window = openFromLauncher<HidingSample>(main);
        QVERIFY(window);
        QVERIFY(platform::Forms::isLoaded(window));
        QCOMPARE(window->frame()->isVisible(), !hides);
        QVERIFY(!startPageShown(main));
        if (hides) {
            window->comeBack();
            QVERIFY(window->frame()->isVisible());
        }
    }

    void placedOnceAtTopCentre_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("tabbed");
        for (int screen : {1280, 1281, 500}) {
            QTest::addRow("stacked pages, screen %d", screen) << screen << false;
            QTest::addRow("tab frame resized by its load step, screen %d", screen) << screen << true;
        }
    }
    void placedOnceAtTopCentre()
    {
        QFETCH(int, screen);
        QFETCH(bool, tabbed);
        TestEnvironment env;
        platform::setScreenWidthForTests(screen);
        frmMDI* main = startProgram();
        ChildWindow* window = nullptr;
        int widthAtLoad = 0;
        if (tabbed) {
            auto* w = openFromLauncher<TabbedSample>(main);
            window = w;
            widthAtLoad = w->widthAtLoad;
        } else {
            auto* w = openFromLauncher<PagedSample>(main);
            window = w;
            widthAtLoad = w->widthAtLoad;
        }
        QVERIFY(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
        QVERIFY(window->frame()->isVisible());
        // The width the window had at its load step, halved in twips with the fraction kept;
        // a narrow screen gives a negative left edge, which stays.
        const double left = (screen * 15.0 - widthAtLoad * 15.0) / 2.0;
        QCOMPARE(window->leftTwips(), left);
        QCOMPARE(window->frame()->x(), platform::twipsToPixels(left));
        QCOMPARE(window->frame()->y(), 0);
        if (tabbed)
            QCOMPARE(window->frame()->width(), 768);
    }

    void unloadShowsTheStartPageAgain_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("tabbed");
        QTest::newRow("File > E&xit") << "mnuExit" << false;
        QTest::newRow("File > &Exit of the tab frame") << "mnuExit1" << true;
        QTest::newRow("close box of the frame") << "close box" << false;
        QTest::newRow("close box of the tab frame") << "close box" << true;
        QTest::newRow("unloaded by program") << "unload" << true;
    }
    void unloadShowsTheStartPageAgain()
    {
        QFETCH(QString, how);
        QFETCH(bool, tabbed);
        TestEnvironment env;
        frmMDI* main = startProgram();
        ChildWindow* window = tabbed ? static_cast<ChildWindow*>(openFromLauncher<TabbedSample>(main))
                                     : static_cast<ChildWindow*>(openFromLauncher<PagedSample>(main));
        QVERIFY(!startPageShown(main));
        if (how == QLatin1String("close box"))
            window->frame()->close();
        else if (how == QLatin1String("unload"))
            platform::Forms::unload(window);
        else
            window->findChild<QAction*>(how)->trigger();
        QVERIFY(!platform::Forms::isLoaded(window));
        QVERIFY(startPageShown(main));
        QVERIFY(platform::Forms::isLoaded(main));
    }

    void openingTheOpenCourseLoadsItAnew()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        PagedSample* first = openFromLauncher<PagedSample>(main);
        PagedSample* second = openFromLauncher<PagedSample>(main);
        QVERIFY(first != second);
        QVERIFY(!platform::Forms::isLoaded(first));
        QCOMPARE(second->loads, 1);
        // The old window's unload step showed the start page; the launcher hid it again.
        QVERIFY(!startPageShown(main));
        QVERIFY(second->frame()->isVisible());
    }

    void startPageCallsOutliveTheMainWindow()
    {
        TestEnvironment env;
        frmMDI* main = startProgram();
        platform::Forms::unload(main);
        TestEnvironment::unloadAllWindows();
        // No main window now: the course's unload step and the hide do nothing.
        auto* course = platform::Forms::instance<PagedSample>();
        QCOMPARE(course->loads, 1);
        start_page::SetVisible(false);
        platform::Forms::unload(course);
        QVERIFY(!platform::Forms::find<PagedSample>());
    }

    void fileAndHelpMenus_data()
    {
        QTest::addColumn<bool>("tabbed");
        QTest::addColumn<QString>("fileMenuName");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("stacked pages") << false << "nuFile" << QStringList{"mnuExit E&xit"};
        QTest::newRow("tab frame") << true << "mnuFile"
                                   << QStringList{"mnuTabGoals &My Personal Goals", "mnuTabSettings Settings", "-",
                                                  "mnuExit1 &Exit"};
    }
    void fileAndHelpMenus()
    {
        QFETCH(bool, tabbed);
        QFETCH(QString, fileMenuName);
        QFETCH(QStringList, items);
        TestEnvironment env;
        QWidget* window = tabbed ? static_cast<QWidget*>(platform::Forms::instance<TabbedSample>())
                                 : static_cast<QWidget*>(platform::Forms::instance<PagedSample>());
        const QList<QAction*> bar = window->findChild<QMenuBar*>()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->menu()->objectName(), fileMenuName);
        QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
        QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("mnuHelp"));
        QCOMPARE(actionNames(bar[0]->menu()), items);
        QCOMPARE(actionNames(bar[1]->menu()).size(), 6);
    }

    void aboutBoxOwner_data()
    {
        QTest::addColumn<bool>("tabbed");
        QTest::newRow("over no window") << false;
        QTest::newRow("over the tab frame's window") << true;
    }
    void aboutBoxOwner()
    {
        QFETCH(bool, tabbed);
        TestEnvironment env;
        QWidget* window = tabbed ? static_cast<QWidget*>(platform::Forms::instance<TabbedSample>())
                                 : static_cast<QWidget*>(platform::Forms::instance<PagedSample>());
        std::optional<QWidget*> owner;
        QTimer::singleShot(0, [&owner] {
            if (frmAbout* box = platform::Forms::find<frmAbout>()) {
                owner = box->parentWidget();
                box->close();
            }
        });
        window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(owner.has_value());
        QCOMPARE(*owner, tabbed ? window : nullptr);
    }

    void linkColumnHoldsTitleOwnControlsAndLinks()
    {
        TestEnvironment env;
        auto* window = platform::Forms::instance<PagedSample>();
        window->show();
        QWidget* column = window->findChild<QWidget*>(QStringLiteral("linkColumn"));
        QVERIFY(column);
        QCOMPARE(column->palette().color(QPalette::Window), QColor(Qt::darkGreen));
        auto* title = column->findChild<QLabel*>(QStringLiteral("lblCourseTitle"));
        auto* own = column->findChild<QPushButton*>();
        auto* forum = column->findChild<QLabel*>(QStringLiteral("Label61"));
        auto* cobrand = column->findChild<QLabel*>(QStringLiteral("lblCobrand"));
        auto* fullBrand = column->findChild<QLabel*>(QStringLiteral("lblFullBrand"));
        QVERIFY(title && own && forum && cobrand && fullBrand);
        QCOMPARE(title->text(), QStringLiteral("Sample Course"));
        QCOMPARE(forum->text(), QStringLiteral("Visit the forum."));
        // Top to bottom, left of the pages.
        QVERIFY(title->y() < own->y() && own->y() < forum->y() && forum->y() < cobrand->y() &&
                cobrand->y() < fullBrand->y());
        QVERIFY(column->geometry().right() < window->pages->geometry().left());
        QVERIFY(!platform::Forms::instance<TabbedSample>()->findChild<QWidget*>(QStringLiteral("linkColumn")));
    }

    void loadShowsSettingsTabWithLaterTabsDisabled()
    {
        TestEnvironment env;
        auto* window = platform::Forms::instance<TabbedSample>();
        QCOMPARE(window->SSTab1->objectName(), QStringLiteral("SSTab1"));
        QCOMPARE(window->SSTab1->tab(), 1);
        QCOMPARE(window->SSTab1->currentWidget(), window->SSTab1->widget(1));
        QCOMPARE(enabledTabs(window->SSTab1), QStringLiteral("11000"));
        // Adding the first tab while building was no change of the shown tab.
        QCOMPARE(window->clicks, QStringList{"1<0"});
    }

    void programChangesRunTheRuleOnce_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("study run: show the disabled tab 2, then enable it")
            << QStringList{"show 2", "enable 2"} << 2 << "11100" << QStringList{"2<1"};
        QTest::newRow("test run: enable 2 and 3, show 3")
            << QStringList{"enable 2", "enable 3", "show 3"} << 3 << "11110" << QStringList{"3<1"};
        QTest::newRow("end of a test: show 4, then enable it")
            << QStringList{"enable 2", "enable 3", "show 3", "show 4", "enable 4"} << 4 << "11101"
            << QStringList{"3<1", "4<3"};
        QTest::newRow("disabling the shown tab leaves it shown")
            << QStringList{"enable 2", "show 2", "disable 2"} << 2 << "11000" << QStringList{"2<1"};
        QTest::newRow("showing the shown tab is no change") << QStringList{"show 1", "show 1"} << 1 << "11000"
                                                             << QStringList{};
        QTest::newRow("File > Settings during a test")
            << QStringList{"enable 3", "show 3", "mnuTabSettings"} << 1 << "11000" << QStringList{"3<1", "1<3"};
        QTest::newRow("File > My Personal Goals") << QStringList{"mnuTabGoals"} << 0 << "11000" << QStringList{"0<1"};
        QTest::newRow("disabling every other tab while one is shown")
            << QStringList{"show 0", "disable 1", "disable 0"} << 0 << "00000" << QStringList{"0<1"};
    }
    void programChangesRunTheRuleOnce()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, shown);
        QFETCH(QString, enabled);
        QFETCH(QStringList, clicks);
        TestEnvironment env;
        auto* window = platform::Forms::instance<TabbedSample>();
        window->clicks.clear();
        for (const QString& step : steps) {
            const int tab = step.section(QLatin1Char(' '), 1).toInt();
            if (step.startsWith(QLatin1String("show")))
                window->SSTab1->showTab(tab);
            else if (step.startsWith(QLatin1String("enable")))
                window->SSTab1->setTabEnabled(tab, true);
            else if (step.startsWith(QLatin1String("disable")))
                window->SSTab1->setTabEnabled(tab, false);
            else
                window->findChild<QAction*>(step)->trigger();
        }
        QCOMPARE(window->SSTab1->tab(), shown);
        // The page shown is the shown tab's, enabled with its tab.
        QCOMPARE(window->SSTab1->currentWidget(), window->SSTab1->widget(shown));
        QCOMPARE(window->SSTab1->widget(shown)->isEnabled(), enabled[shown] == QLatin1Char('1'));
        QCOMPARE(enabledTabs(window->SSTab1), enabled);
        QCOMPARE(window->clicks, clicks);
    }

    void userChangesRunTheRuleOnce_data()
    {
        QTest::addColumn<QString>("by");
        QTest::newRow("mouse") << "mouse";
        QTest::newRow("keyboard") << "keyboard";
    }
    void userChangesRunTheRuleOnce()
    {
        QFETCH(QString, by);
        TestEnvironment env;
        frmMDI* main = startProgram();
        TabbedSample* window = openFromLauncher<TabbedSample>(main);
        QTabBar* bar = window->SSTab1->tabBar();
        auto choose = [&](int tab, Qt::Key key) {
            if (by == QLatin1String("mouse"))
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
            else
                QTest::keyClick(bar, key);
        };
        window->SSTab1->setTabEnabled(2, true);
        window->clicks.clear();
        choose(2, Qt::Key_Right);
        QCOMPARE(window->SSTab1->tab(), 2);
        QCOMPARE(window->clicks, QStringList{"2<1"});
        // Tabs 3 and 4 are disabled: neither a click nor a key reaches them.
        choose(3, Qt::Key_Right);
        QCOMPARE(window->SSTab1->tab(), 2);
        choose(1, Qt::Key_Left);
        QCOMPARE(window->SSTab1->tab(), 1);
        QCOMPARE(window->clicks, (QStringList{"2<1", "1<2"}));
        // The settings tab's rule disabled the memorizer tab again.
        QCOMPARE(enabledTabs(window->SSTab1), QStringLiteral("11000"));
        QCOMPARE(window->SSTab1->currentWidget(), window->SSTab1->widget(1));
    }
};

ORVANEL_TEST(TestCourseWindow)
#include "test_course_window.moc"
