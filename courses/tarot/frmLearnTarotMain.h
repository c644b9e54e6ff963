#pragma once
// The tarot course window: five pages (personal goals, settings, card memorizer, test and
// results) in the tab frame SSTab1, with the course's menus, link labels and "Exit" button.
// The window composes the pages, runs the tab rules and owns the runs; the card set, the
// questions, the scores and the report are decided in the logic library (courses/tarot/logic).
#include <memory>

#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/logic/study_run.h"
#include "courses/tarot/logic/tarot_run.h"
#include "courses/tarot/logic/tarot_test.h"
#include "shell/course_window.h"

class CourseTabs;
class GoalsPage;
class LinkLabel;
class QAction;
class QMenu;
class QPushButton;
class TarotMemorizePage;
class TarotResultsPage;
class TarotSettingsPage;
class TarotTestPage;
namespace platform {
class TrayIcon;
}

class frmLearnTarotMain : public CourseWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmLearnTarotMain";

    frmLearnTarotMain();
    ~frmLearnTarotMain() override;

    // The card-set query of the card choice on the settings page.
    QString BuildCardQuery() const;
    // The state of the study and test runs.
    const tarot::TarotRun& runState() const { return run; }
    const tarot::StudyRun& studyState() const { return study; }

    // False while the window sits in the tray, hidden by its load step.
    bool showsAfterLoad() const override { return !inTray; }

protected:
    void loadStep() override;

private slots:
    void SSTab1_Click(int previousTab);
    void mnuTabGoals_Click();
    void mnuTabSettings_Click();
    void cmdNav_Click();
    void mnuShow_Click();

    // The runs the pages ask for.
    void StartStudyRun();
    void StartTestOnNewSet();
    void StartTestRun();
    void AskNextQuestion(const tarot::Answer& answer);

private:
    enum Tab { GoalsTab = 0, SettingsTab = 1, MemorizeTab = 2, TestTab = 3, ResultsTab = 4 };

    void buildMenus();
    QWidget* buildLinkBand();
    void connectPages();

    // Opens the card set of the settings page's choice as CardRecordset; false, with a
    // message, when the card database cannot give it.
    bool OpenCardSet();
    // Tray: the window goes there in a run started at logon with the tray box ticked.
    void StartInTrayIfAsked();
    void AddTrayIcon();
    void RemoveTrayIcon();

    // Test.
    // The picture of a card as the database stores it.
    QByteArray QuestionPicture(std::int32_t cardId) const;
    void EndRun();
    void AbandonRun(const QString& problem);
    void WriteTestReport();

    // Run state: the card database and its open card set, the study and test runs.
    modDB db;
    tarot::StudyRun study{db};
    tarot::TarotRun run;
    tarot::TarotTest test{db, run};

    // The tray icon while the window has one; the window is in the tray while inTray holds.
    std::unique_ptr<platform::TrayIcon> trayIcon;
    bool inTray = false;

    // Window.
    CourseTabs* SSTab1 = nullptr;
    QAction* mnuTabGoals = nullptr;
    QAction* mnuTabSettings = nullptr;
    QAction* mnuExit1 = nullptr;
    QMenu* mnuPopUp = nullptr;
    QAction* mnuShow = nullptr;
    QAction* mnuExit = nullptr;
    QPushButton* cmdNav = nullptr;
    LinkLabel* Label6 = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;

    // The pages, one per tab.
    GoalsPage* picGoals = nullptr;
    TarotSettingsPage* picSettings = nullptr;
    TarotMemorizePage* picMemorize = nullptr;
    TarotTestPage* picTest = nullptr;
    TarotResultsPage* picResults = nullptr;
};
