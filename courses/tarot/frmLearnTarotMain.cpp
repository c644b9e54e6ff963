// The tarot course window: its frame, menus, links, load step and tab rules. The pages are
// classes of their own; the runs they ask for are in tarot_runs.cpp, the tray in tarot_tray.cpp.
#include "courses/tarot/frmLearnTarotMain.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QMenu>
#include <QPushButton>

#include "courses/tarot/goals_page.h"
#include "courses/tarot/logic/card_query.h"
#include "courses/tarot/tarot_memorize_page.h"
#include "courses/tarot/tarot_results_page.h"
#include "courses/tarot/tarot_settings_page.h"
#include "courses/tarot/tarot_startup_frame.h"
#include "courses/tarot/tarot_test_page.h"
#include "platform/forms.h"
#include "platform/tray_icon.h"
#include "shell/course_commands.h"
#include "shell/course_tabs.h"
#include "shell/course_widgets.h"
#include "shell/link_label.h"
#include "shell/frmExitScreen.h"
#include "shell/update_reminder.h"

using course_widgets::makeButton;
using course_widgets::named;

namespace {

const QString ForumAdvertisement = QStringLiteral(
    "Velmora is a free discussion forum for everyone who reads or studies the tarot. Share your spreads, ask about "
    "the meaning of a card and learn from other readers. Visit Velmora Now");

} // namespace

frmLearnTarotMain::frmLearnTarotMain()
    : CourseWindow(FormName, QStringLiteral("Velmora Learn Tarot Software"), {768, 528},
                   {.aboutOverWindow = true, .margin = 6, .spacing = 8})
{
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);

    buildMenus();

    setWindowIcon(QIcon(QStringLiteral(":/shell/tarot")));
    SSTab1 = makeTabs();
    picGoals = new GoalsPage(SSTab1);
    SSTab1->addTab(picGoals, QStringLiteral("My Personal Goal"));
    // The pages are built apart from the window, as its tabs, and take its font there.
    picSettings = new TarotSettingsPage;
    picMemorize = new TarotMemorizePage(study);
    picTest = new TarotTestPage;
    picResults = new TarotResultsPage(font().pointSizeF() + 0.75);
    SSTab1->addTab(picSettings, QStringLiteral("Settings"));
    SSTab1->addTab(picMemorize, QStringLiteral("Memorize Cards"));
    SSTab1->addTab(picTest, QStringLiteral("Take Test"));
    SSTab1->addTab(picResults, QStringLiteral("Results"));
    connect(SSTab1, &CourseTabs::Click, this, &frmLearnTarotMain::SSTab1_Click);
    connectPages();
    // The links and the "Exit" button run along the bottom, so the tabs have the window's width.
    if (auto* rows = qobject_cast<QBoxLayout*>(layout()))
        rows->addWidget(buildLinkBand());
}

// The tray icon goes with the window.
frmLearnTarotMain::~frmLearnTarotMain() { RemoveTrayIcon(); }

QWidget* frmLearnTarotMain::buildLinkBand()
{
    auto* band = named(new QWidget(this), QStringLiteral("linkBand"));
    auto* grid = new QGridLayout(band);
    grid->setContentsMargins(8, 0, 8, 6);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(3);
    Label6 = course_commands::makeForumLabel(QStringLiteral("Label6"), ForumAdvertisement, band);
    lblCobrand = course_commands::makeCoBrandLabel(band);
    lblFullBrand = course_commands::makeFullBrandLabel(band);
    cmdNav = makeButton(QStringLiteral("cmdNav"), QStringLiteral("Exit"), band, this, &frmLearnTarotMain::cmdNav_Click);
    grid->addWidget(Label6, 0, 0, 1, 2);
    grid->addWidget(lblCobrand, 1, 0);
    grid->addWidget(lblFullBrand, 1, 1);
    grid->addWidget(cmdNav, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return band;
}

void frmLearnTarotMain::buildMenus()
{
    mnuTabGoals = addFileItem("mnuTabGoals", QStringLiteral("&My Personal Goals"));
    mnuTabSettings = addFileItem("mnuTabSettings", QStringLiteral("Settings"));
    addFileSeparator();
    mnuExit1 = addExitItem("mnuExit1", QStringLiteral("&Exit"));
    connect(mnuTabGoals, &QAction::triggered, this, &frmLearnTarotMain::mnuTabGoals_Click);
    connect(mnuTabSettings, &QAction::triggered, this, &frmLearnTarotMain::mnuTabSettings_Click);

    // The tray icon's menu; it is not in the menu bar.
    mnuPopUp = named(new QMenu(this), QStringLiteral("mnuPopUp"));
    mnuShow = named(mnuPopUp->addAction(QStringLiteral("Show")), QStringLiteral("mnuShow"));
    mnuExit = named(mnuPopUp->addAction(QStringLiteral("Exit")), QStringLiteral("mnuExit"));
    mnuPopUp->setDefaultAction(mnuShow);
    connect(mnuShow, &QAction::triggered, this, &frmLearnTarotMain::mnuShow_Click);
    connect(mnuExit, &QAction::triggered, this, &CourseWindow::unloadWindow);
}

void frmLearnTarotMain::connectPages()
{
    connect(picSettings, &TarotSettingsPage::arcanaChosen, picMemorize, &TarotMemorizePage::setNextEnabled);
    connect(picSettings, &TarotSettingsPage::studyRequested, this, &frmLearnTarotMain::StartStudyRun);
    connect(picSettings, &TarotSettingsPage::testRequested, this, &frmLearnTarotMain::StartTestOnNewSet);
    connect(picMemorize, &TarotMemorizePage::testRequested, this, &frmLearnTarotMain::StartTestRun);
    connect(picTest, &TarotTestPage::answerGiven, this, &frmLearnTarotMain::AskNextQuestion);
}

QString frmLearnTarotMain::BuildCardQuery() const { return tarot::BuildCardQuery(picSettings->cardChoice()); }

void frmLearnTarotMain::loadStep()
{
    // The placement has run; the designed size follows.
    frame()->resize(frame()->sizeHint());
    modHelp::ShowUpdateReminder();
    SSTab1->showTab(SettingsTab);
    picGoals->LoadAndShowGoals();
    picSettings->LoadSettings();
    picSettings->startUpFrame()->RestoreStartUpOptions();
    for (int tab : {MemorizeTab, TestTab, ResultsTab})
        SSTab1->setTabEnabled(tab, false);
    StartInTrayIfAsked();
}

void frmLearnTarotMain::SSTab1_Click(int)
{
    switch (SSTab1->tab()) {
    case SettingsTab:
        for (int tab : {MemorizeTab, TestTab, ResultsTab})
            SSTab1->setTabEnabled(tab, false);
        break;
    case MemorizeTab:
        study.Begin();
        picMemorize->ShowCard();
        SSTab1->setTabEnabled(TestTab, false);
        SSTab1->setTabEnabled(ResultsTab, false);
        break;
    case TestTab:
        SSTab1->setTabEnabled(ResultsTab, false);
        picTest->focusQuestionCard();
        break;
    case ResultsTab:
        SSTab1->setTabEnabled(TestTab, false);
        break;
    default:
        break;
    }
}

void frmLearnTarotMain::mnuTabGoals_Click() { SSTab1->showTab(GoalsTab); }

void frmLearnTarotMain::mnuTabSettings_Click() { SSTab1->showTab(SettingsTab); }

void frmLearnTarotMain::cmdNav_Click()
{
    frmExitScreen* exitScreen = platform::Forms::instance<frmExitScreen>();
    exitScreen->show();
    exitScreen->activateWindow();
    unloadWindow();
}
