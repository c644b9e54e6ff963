#pragma once
// The tarot course window: five tabs (personal goals, settings, card memorizer, test and
// results) in the tab frame SSTab1, with the course's menus, link labels and "Exit" button.
// The card set, the questions, the scores and the report are decided in the logic library
// (courses/tarot/logic); this window shows them and passes on what the user does.
#include <array>
#include <memory>

#include "courses/tarot/logic/modDB.h"
#include "courses/tarot/logic/tarot_run.h"
#include "courses/tarot/logic/tarot_test.h"
#include "shell/course_window.h"

class CourseTabs;
class GoalsPage;
class LinkLabel;
class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class WrappingOption;
namespace platform {
class TrayIcon;
}

class frmLearnTarotMain : public CourseWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmLearnTarotMain";

    frmLearnTarotMain();
    ~frmLearnTarotMain() override;

    // The card-set query of the boxes on the settings tab.
    QString BuildCardQuery() const;
    // The state of the study and test runs.
    const tarot::TarotRun& runState() const { return run; }

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

    // Settings tab.
    void chkMajor_Click();
    void chkMinor_Click();
    void chkGroup_Click(int index);
    void optTestType_Click(int index);
    void cmdSaveSettings_Click();
    void cmdSetOption_Click();
    void cmdStartTest2_Click();

    // Start-up frame.
    void optRun_Click();
    void optDontRun_Click();
    void chkSysTray_Click();

    // Memorizer tab.
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdStartTest_Click();

    // Test tab.
    void cmdNextQuestion_Click();
    void optAnswer_Click(int index);
    void chkKeywords_Click(int index);

    // Results tab.
    void Command5_Click();

private:
    enum Tab { GoalsTab = 0, SettingsTab = 1, MemorizeTab = 2, TestTab = 3, ResultsTab = 4 };

    QWidget* buildSettingsTab();
    QGroupBox* buildCardChoice(QWidget* parent);
    QGroupBox* buildTestChoice(QWidget* parent);
    QGroupBox* buildLevelChoice(QWidget* parent);
    QGroupBox* buildStartUpFrame(QWidget* parent);
    QWidget* buildMemorizeTab();
    QWidget* buildTestTab();
    QWidget* buildDescriptionPanel();
    QWidget* buildKeywordPanel();
    QWidget* buildResultsTab();
    void buildMenus();
    QWidget* buildLinkBand();

    // Settings.
    void LoadSettings();
    // The selection check before a study or test run: false (with its message) when neither
    // arcana is ticked.
    bool SelectionChosen();
    // Opens the card set of the boxes as CardRecordset; false, with a message, when the card
    // database cannot give it.
    bool OpenCardSet();
    void enableNavigation(bool enabled);
    // Picks the start-up option that matches the start-up entry, and the tray tick.
    void RestoreStartUpOptions();
    // Tray: the window goes there in a run started at logon with the tray box ticked.
    void StartInTrayIfAsked();
    void AddTrayIcon();
    void RemoveTrayIcon();

    // Memorizer.
    void ShowCard();

    // Test.
    void BringTestPanelToFront();
    void ShowDescriptionQuestion();
    void ShowKeywordQuestion();
    void ShowQuestionCard(bool reversed);
    void GrowToShowChoices();
    void EndRun();
    void AbandonRun(const QString& problem);
    void WriteTestReport();
    tarot::TestType SelectedTestType() const;
    int SelectedLevel() const;
    int TickedKeywords() const;

    // Run state: the card database and its open card set, the study and test runs.
    modDB db;
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

    // Goals tab.
    GoalsPage* picGoals = nullptr;

    // Settings tab.
    QGroupBox* Frame4 = nullptr;
    QCheckBox* chkMajor = nullptr;
    QCheckBox* chkMinor = nullptr;
    std::array<QCheckBox*, 4> chkGroup{};
    QCheckBox* chkReversed = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> optTestType{};
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> optDifficulty{};
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    QPushButton* cmdSaveSettings = nullptr;
    QPushButton* cmdSetOption = nullptr;
    QPushButton* cmdStartTest2 = nullptr;
    QGroupBox* fraSystemTray = nullptr;
    QRadioButton* optRun = nullptr;
    QRadioButton* optDontRun = nullptr;
    QCheckBox* chkSysTray = nullptr;
    QLabel* Label14 = nullptr;

    // Memorizer tab.
    QLabel* lblCardNameMemorize = nullptr;
    QLabel* picCardMemorize = nullptr;
    QLabel* picCardMemorizeReversed = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label8 = nullptr;
    QPlainTextEdit* txtNormalMeaning = nullptr;
    QPlainTextEdit* txtReverseMeaning = nullptr;
    QPlainTextEdit* txtKeywords = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdStartTest = nullptr;

    // Test tab.
    QWidget* picTest = nullptr;
    QLabel* lblCardName = nullptr;
    QLabel* picResult = nullptr;
    QLabel* lblIsReversed = nullptr;
    QLabel* lblQCount = nullptr;
    QPushButton* cmdNextQuestion = nullptr;
    QStackedWidget* testPanels = nullptr;
    QWidget* picDescContainer = nullptr;
    std::array<WrappingOption*, tarot::AnswerSlots> optAnswer{};
    std::array<QFrame*, tarot::AnswerSlots> Shape1{};
    QButtonGroup* answerGroup = nullptr;
    QWidget* picKeywodContainer = nullptr;
    std::array<QCheckBox*, tarot::KeywordBoxes> chkKeywords{};
    QLabel* lblMaxKeyword = nullptr;

    // Results tab.
    QPlainTextEdit* txtResult = nullptr;
    QLabel* lblResultInfo = nullptr;
    QPushButton* Command5 = nullptr;
};
