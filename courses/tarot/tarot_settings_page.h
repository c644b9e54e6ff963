#pragma once
// The settings page of the tarot window: the card choice, the test type and level, the
// start-up frame, the buttons that ask for a study or test run, and the stored settings.
// The page decides the card choice and the test choice and exposes them as values; the
// window runs what its buttons ask for.
#include <QWidget>
#include <array>

#include "courses/tarot/logic/card_query.h"
#include "courses/tarot/logic/tarot_run.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TarotStartUpFrame;

class TarotSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit TarotSettingsPage(QWidget* parent = nullptr);

    const tarot::CardChoice& cardChoice() const { return m_cards; }
    const tarot::TestChoice& testChoice() const { return m_test; }
    TarotStartUpFrame* startUpFrame() const { return fraSystemTray; }

    // Applies the stored settings as clicks would.
    void LoadSettings();

signals:
    // "Memorize Meaning / Keywords" or "Test Me", after the selection check passed.
    void studyRequested();
    void testRequested();
    // Whether an arcana is chosen, after each change of the arcana boxes.
    void arcanaChosen(bool any);

private slots:
    void chkMajor_Click();
    void chkMinor_Click();
    void chkGroup_Click(int index);
    void optTestType_Click(int index);
    void cmdSaveSettings_Click();
    void cmdSetOption_Click();
    void cmdStartTest2_Click();

private:
    QGroupBox* buildCardChoice();
    QGroupBox* buildTestChoice();
    QGroupBox* buildLevelChoice();
    void enableNavigation(bool enabled);
    // The selection check before a study or test run: false (with its message) when neither
    // arcana is ticked.
    bool SelectionChosen();

    tarot::CardChoice m_cards;
    tarot::TestChoice m_test;

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
    TarotStartUpFrame* fraSystemTray = nullptr;
};
