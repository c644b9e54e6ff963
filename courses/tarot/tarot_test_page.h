#pragma once
// The test page of the tarot window: the question card, the choices of the description test
// or the keyword boxes of the keyword test, the progress and the "Next Question" button. The
// engine (tarot::TarotTest) decides the questions; this page shows them, runs the answer rules
// and hands the answer on as a value.
#include <QWidget>
#include <array>

#include "courses/tarot/logic/tarot_questions.h"

class ChoiceTextBox;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

class TarotTestPage : public QWidget {
    Q_OBJECT
public:
    explicit TarotTestPage(QWidget* parent = nullptr);

    // The panel of the test type in front of the other.
    void BringTestPanelToFront(tarot::TestType type);
    // A new run: no reversed mark, no progress, "Next Question" waits for an answer.
    void StartRun();
    void ShowDescriptionQuestion(const tarot::DescriptionQuestion& question, const QByteArray& picture);
    void ShowKeywordQuestion(const tarot::KeywordQuestion& question, const QByteArray& picture);
    // "3 of 22".
    void ShowProgress(int questionNumber, int questionCount);
    void focusQuestionCard();

signals:
    // "Next Question" with the answer given to the question on screen.
    void answerGiven(const tarot::Answer& answer);

private slots:
    void cmdNextQuestion_Click();
    void optAnswer_Click(int index);
    void chkKeywords_Click(int index);

private:
    QWidget* buildDescriptionPanel();
    QWidget* buildKeywordPanel();
    void ShowQuestionCard(const QByteArray& picture, bool reversed);
    int TickedKeywords() const;

    // The answer as the user gives it, and the keyword question's limits.
    tarot::Answer m_answer;
    int m_keywordsToChoose = 0;
    int m_lastKeywordBox = 0;

    QLabel* lblCardName = nullptr;
    QLabel* picResult = nullptr;
    QLabel* lblIsReversed = nullptr;
    QLabel* lblQCount = nullptr;
    QPushButton* cmdNextQuestion = nullptr;
    QStackedWidget* testPanels = nullptr;
    QWidget* picDescContainer = nullptr;
    std::array<QRadioButton*, tarot::AnswerSlots> optAnswer{};
    // The box around each choice, showing its meaning in full.
    std::array<ChoiceTextBox*, tarot::AnswerSlots> Shape1{};
    QButtonGroup* answerGroup = nullptr;
    QWidget* picKeywodContainer = nullptr;
    std::array<QCheckBox*, tarot::KeywordBoxes> chkKeywords{};
    QLabel* lblMaxKeyword = nullptr;
};
