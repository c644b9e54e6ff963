#pragma once
// The meaning test of the runes course, on a window of its own that takes the course
// window's place during a run and hands the result list back to it at the end.
#include <array>

#include "courses/runes/logic/modLearnRunesTest.h"
#include "shell/child_window.h"

class QFrame;
class QLabel;
class QPushButton;
class OptionCheckBox;

class frmLearnRunesMeaningTest : public ChildWindow {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmLearnRunesMeaningTest";

    frmLearnRunesMeaningTest();

    // Takes the run the wizard set up and shows "Next"; the first press asks question 1.
    void startRun(const modLearnRunesTest::TestRun& run);
    const modLearnRunesTest::TestRun& testRun() const { return m_testRun; }

protected:
    void Form_Unload() override;

private slots:
    void chkMeaning_Click(int index);
    void cmdNextQuestion1_Click();

private:
    void ShowMeaningQuestion();
    void finishRun(const QString& resultList);

    modLearnRunesTest::TestRun m_testRun;
    modLearnRunesTest::TickCounter m_ticks;
    // True once the result list went back to the course window.
    bool m_runFinished = false;

    std::array<OptionCheckBox*, 8> chkMeaning{};
    std::array<QFrame*, 8> shaMeaning{};
    QLabel* picMeaningTest = nullptr;
    QLabel* lblMeaningTestStoneName = nullptr;
    QLabel* lblMeaningTestQuestion = nullptr;
    QLabel* lblMeaningTestCaption = nullptr;
    QPushButton* cmdNextQuestion1 = nullptr;
};
