#pragma once
// The numerology course window: a wizard of six pages at one place (start, options, learn,
// subject choice, test question, result), with the course's menus and link labels. It owns
// the course state and the test (NumerologyRun and NumerologyTest), which decide; the window
// only shows them.
#include <array>

#include "courses/numerology/logic/modLearnNumerologyTest.h"
#include "shell/course_window.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class ChoiceTextBox;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTextEdit;

class frmLearnNumerologyMain : public CourseWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmLearnNumerologyMain";
    static constexpr int PageCount = 6;

    frmLearnNumerologyMain();

    // The course state and the test as they stand, for the window's tests to read.
    const modLearnNumerologyRun::NumerologyRun& runState() const { return numerologyRun; }
    const modLearnNumerologyTest::NumerologyTest& testState() const { return numerologyTest; }

protected:
    void loadStep() override;

private slots:
    void cmdNext_Click();
    void cmdNext2_Click();
    void cmdBack2_Click();
    void cmdNext3_Click();
    void cmdBack3_Click();
    void cmdNextLearn_Click();
    void cmdBackLearn_Click();
    void cmdBackToMain_Click();
    void cmdNextQuestion_Click();
    void txtOption_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void cmdPrint_Click();
    void cmdGoToMain_Click();

private:
    QGroupBox* buildStartPage();
    QGroupBox* buildOptionsPage();
    QGroupBox* buildLearnPage();
    QGroupBox* buildSubjectPage();
    QGroupBox* buildQuestionPage();
    QGroupBox* buildResultPage();

    // Brings frame k to the front, with the caption it is given (none for the start page).
    void bringToFront(int frame);
    void setFrameCaption(int frame, const QString& caption);

    void ShowSignificancePage();
    void ShowInterpretationPage();
    void showLearnPage(const QString& subject, const QString& text);
    void ShowSignificanceQuestion();
    void ShowInterpretationQuestion();
    void showQuestion(const modLearnNumerologyTest::Question& question);
    void ShowNumerologyResult();

    modLearnNumerologyRun::NumerologyRun numerologyRun;
    modLearnNumerologyTest::NumerologyTest numerologyTest{numerologyRun};

    QAction* mnuExit = nullptr;

    QStackedWidget* pages = nullptr;
    std::array<QGroupBox*, PageCount> fraOption{};
    std::array<QLabel*, 7> lblCaption{};

    // Start page.
    std::array<QRadioButton*, 2> optMain{};
    QPushButton* cmdNext = nullptr;

    // Options page.
    std::array<QRadioButton*, 2> optOption{};
    QPushButton* cmdBack2 = nullptr;
    QPushButton* cmdNext2 = nullptr;

    // Learn page.
    QLabel* lblLearnSubject = nullptr;
    QTextEdit* RTBLearn = nullptr;
    QPushButton* cmdBackLearn = nullptr;
    QPushButton* cmdNextLearn = nullptr;
    QPushButton* cmdBackToMain = nullptr;

    // Subject-choice page.
    std::array<QCheckBox*, modLearnNumerology::SubjectCount> chkSubject{};
    QPushButton* cmdBack3 = nullptr;
    QPushButton* cmdNext3 = nullptr;

    // Test question page.
    QLabel* lblSubjectName = nullptr;
    QLabel* lblQuestionNo = nullptr;
    std::array<QRadioButton*, modLearnNumerologyTest::RowCount> optChoice{};
    std::array<ChoiceTextBox*, modLearnNumerologyTest::RowCount> txtOption{};
    QPushButton* cmdNextQuestion = nullptr;

    // Result page.
    QTextEdit* RTBTestResult = nullptr;
    QTextEdit* RTB1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdGoToMain = nullptr;
};
