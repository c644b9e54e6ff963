#pragma once
// The astrology course window: four pages at one place (options, learn, test, result), with
// the course's menus and link labels. It owns the run and the test (AstrologyRun and
// AstrologyTest), which decide; the window only shows them.
#include <array>

#include "courses/astrology/logic/modLearnAstrologyTest.h"
#include "shell/course_window.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class ChoiceTextBox;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTextEdit;

class frmLearnAstrologyMain : public CourseWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmLearnAstrologyMain";

    frmLearnAstrologyMain();


    // The text a label shows for a stored caption: "&&" reads as one "&", a lone "&" marks an
    // access key and is not shown, and CR LF breaks the line.
    static QString LabelCaption(const QString& caption);

    // The run and the test as they stand, for the window's tests to read.
    const modLearnAstrologyRun::AstrologyRun& runState() const { return astrologyRun; }
    const modLearnAstrologyTest::AstrologyTest& testState() const { return astrologyTest; }

protected:
    void loadStep() override;

private slots:
    void optOption_Click(int index);
    void cboLearnOptionMain_Click();
    void cboTestOptionMain_Click();
    void cmdNext_Click();
    void cmdNextDesc_Click();
    void cmdBackDesc_Click();
    void cmdBackToMain_Click(int index);
    void cmdNextQuestion_Click();
    void txtAnswer_Choice_Click(int index);

private:
    QFrame* buildOptionsPage();
    QFrame* buildLearnPage();
    QFrame* buildTestPage();
    QFrame* buildResultPage();

    void bringToFront(QWidget* page);
    void fillAttributeList(QComboBox* subjects, QComboBox* attributes);
    void ShowLearnRecord();
    void ShowTestQuestion();
    void ShowTestResult();
    void showGlyph(QLabel* box, modLearnAstrologyTest::PictureList list, int item, const QString& name);
    modLearnAstrologyRun::AstrologyRun astrologyRun;
    modLearnAstrologyTest::AstrologyTest astrologyTest{astrologyRun};

    QAction* mnuExit = nullptr;

    QStackedWidget* pages = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    QFrame* Frame3 = nullptr;
    QFrame* Frame4 = nullptr;

    // Options page.
    std::array<QLabel*, 3> Label1{};
    std::array<QRadioButton*, 2> optOption{};
    QComboBox* cboLearnOptionMain = nullptr;
    QComboBox* cboLearnOptionSub = nullptr;
    QComboBox* cboTestOptionMain = nullptr;
    QComboBox* cboTestOptionSub = nullptr;
    QPushButton* cmdNext = nullptr;

    // Learn page.
    std::array<QLabel*, 4> lblLabel{};
    QLabel* picAstro = nullptr;
    QPushButton* cmdBackDesc = nullptr;
    QPushButton* cmdNextDesc = nullptr;
    // Element 0 on the learn page, element 1 on the result page.
    std::array<QPushButton*, 2> cmdBackToMain{};

    // Test page.
    std::array<QLabel*, 4> lblTest{};
    QLabel* picTest = nullptr;
    std::array<QRadioButton*, modLearnAstrologyTest::SlotCount> optAnswer_Choice{};
    std::array<ChoiceTextBox*, modLearnAstrologyTest::SlotCount> txtAnswer_Choice{};
    QPushButton* cmdNextQuestion = nullptr;

    // Result page.
    QTextEdit* RTB = nullptr;
};
