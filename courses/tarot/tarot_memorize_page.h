#pragma once
// The memorizer page of the tarot window: the card of the study run, its picture upright and
// turned, both meanings and its keywords, with buttons to step through the set. The study run
// (tarot::StudyRun, owned by the window) moves the cursor; this page shows its card.
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
namespace tarot {
class StudyRun;
}

class TarotMemorizePage : public QWidget {
    Q_OBJECT
public:
    explicit TarotMemorizePage(tarot::StudyRun& study, QWidget* parent = nullptr);

    // Shows the study run's current card.
    void ShowCard();
    // "Next >>" follows whether an arcana is chosen on the settings page.
    void setNextEnabled(bool enabled);

signals:
    // "Test Me": a test on the card set being studied.
    void testRequested();

private slots:
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdStartTest_Click();

private:
    tarot::StudyRun& study;

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
};
