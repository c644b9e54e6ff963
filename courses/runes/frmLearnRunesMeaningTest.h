#pragma once
// The meaning test of the runes course, on a window of its own that takes the course
// window's place during a run and hands the result list back to it at the end.
#include <QWidget>
#include <array>

#include "courses/runes/modLearnRunesTest.h"
#include "platform/forms.h"

class QFrame;
class QLabel;
class QPushButton;
class OptionCheckBox;

class frmLearnRunesMeaningTest : public QWidget, public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* FormName = "frmLearnRunesMeaningTest";

    frmLearnRunesMeaningTest();

    QSize sizeHint() const override { return {760, 540}; }

    void showNextButton();
    // Left edge centred on the screen, top edge at 0.
    void placeAtTopCentre();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void chkMeaning_Click(int index);
    void cmdNextQuestion1_Click();

private:
    void ShowMeaningQuestion();
    void finishRun(const QString& resultList);

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
