#pragma once
// The runes course window: six pages (settings, study, test set-up, keyword test, result,
// goals) behind four page buttons, with the course's menus and link labels. The window owns
// the study list and the keyword run; their rules live in the logic, this window shows them.
#include <array>

#include "courses/runes/logic/modLearnRunesGoals.h"
#include "courses/runes/logic/modLearnRunesStudy.h"
#include "courses/runes/logic/modLearnRunesTest.h"
#include "shell/course_window.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QAction;

class frmLearnRunesMain : public CourseWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmLearnRunesMain";

    frmLearnRunesMain();

    // Builds the study list from the aett boxes.
    void Memorize_Stone();
    // The end of a meaning run: writes its list, shows this window again on the result page.
    void ShowResultPage(const QString& resultList);
    // A meaning run left before its end: shows this window again on the test set-up page.
    void ReturnToTestSetUp();

    const modLearnRunes::StudyState& study() const { return m_study; }
    // The run the wizard sets up and the keyword page runs.
    const modLearnRunesTest::TestRun& testRun() const { return m_testRun; }

protected:
    void loadStep() override;

private slots:
    void cmdSubjects_Click(int index);
    void cmdSaveSettings_Click();
    void cmdMemorize_Click();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdTestNext_Click(int index);
    void cmdTestBack_Click(int index);
    void cmdNextQuestion_Click();
    void chkKeywords_Click(int index);
    void chkGoal1_Click();
    void chkGoal2_Click();
    void cmdGoal1_Click();
    void cmdGoal2_Click();

private:
    QWidget* buildPageButtons();
    QWidget* buildSettingsPage();
    QWidget* buildStudyPage();
    QWidget* buildTestSetUpPage();
    QWidget* buildKeywordPage();
    QWidget* buildResultPage();
    QWidget* buildGoalsPage();

    // The page switch of the page buttons, without drawing anything.
    void switchPage(int index);
    void bringToFront(QWidget* page);
    void bringStepToFront(QWidget* step);
    void ShowStudyRune(int rune);
    void ShowKeywordQuestion();
    void startKeywordTest();
    void startMeaningTest();

    modLearnRunes::StudySettings boxSettings() const;
    void setBoxes(const modLearnRunes::StudySettings& settings);
    // The Save action; a failed write is reported only when the user pressed Save itself.
    void saveSettings(bool reportWriteFailure);
    void enableGoal(QCheckBox* box, QPushButton* save, QPlainTextEdit* text);
    void saveGoal(modLearnRunes::GoalFile& file, int goal, QPlainTextEdit* text);

    // Set by the Save action when the boxes pass its checks; read and cleared by Memorize.
    bool SettingsValid = false;
    modLearnRunes::StudyState m_study;
    modLearnRunesTest::TestRun m_testRun;
    modLearnRunesTest::TickCounter m_ticks;
    modLearnRunes::GoalFile m_goalFile1{1};
    modLearnRunes::GoalFile m_goalFile2{2};

    QAction* mnuExit = nullptr;
    std::array<QPushButton*, 4> cmdSubjects{};

    QStackedWidget* pages = nullptr;
    QWidget* picSettings = nullptr;
    QWidget* picMemorizeStones = nullptr;
    QWidget* picTestSetUp = nullptr;
    QWidget* picTestKeywords = nullptr;
    QWidget* picTestResult = nullptr;
    QWidget* picGoals = nullptr;

    // Settings page.
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QCheckBox*, 3> chkGroups{};
    std::array<QCheckBox*, 3> chkMeanings{};
    std::array<QCheckBox*, 2> chkObjects{};
    std::array<QLabel*, 2> Label2{};
    std::array<QLabel*, 4> lblLabel{};
    QPushButton* cmdMemorize = nullptr;
    QPushButton* cmdSaveSettings = nullptr;

    // Study page.
    QLabel* lblStoneName = nullptr;
    std::array<QLabel*, 2> picStone{};
    std::array<QPlainTextEdit*, 3> txtMeaning{};
    std::array<QLabel*, 5> lblMeaningCaption{};
    QLineEdit* txtKeywords = nullptr;
    QLineEdit* txtAlternativeNames = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;

    // Test set-up wizard.
    QStackedWidget* testSteps = nullptr;
    QWidget* fraTestSubjects = nullptr;
    QWidget* fraTestType = nullptr;
    QWidget* fraTestLevel = nullptr;
    std::array<QRadioButton*, 2> optTestSubjects{};
    std::array<QCheckBox*, 3> chkTestType{};
    std::array<QRadioButton*, 2> optTestLevel{};
    std::array<QGroupBox*, 7> fraCaptions{};
    std::array<QLabel*, 10> lblCaptions{};
    std::array<QPushButton*, 3> cmdTestNext{};
    std::array<QPushButton*, 2> cmdTestBack{};

    // Keyword test page.
    std::array<QCheckBox*, 8> chkKeywords{};
    QPushButton* cmdNextQuestion = nullptr;
    QLabel* lblIndex = nullptr;
    QLabel* lblCaption = nullptr;
    QLabel* lblTestStone = nullptr;
    QLabel* picTest = nullptr;

    // Result page.
    QLabel* lblResultTitle = nullptr;
    QPlainTextEdit* txtResult = nullptr;

    // Goals page.
    QCheckBox* chkGoal1 = nullptr;
    QPlainTextEdit* txtGoal1 = nullptr;
    QPushButton* cmdGoal1 = nullptr;
    QCheckBox* chkGoal2 = nullptr;
    QPlainTextEdit* txtGoal2 = nullptr;
    QPushButton* cmdGoal2 = nullptr;
};
