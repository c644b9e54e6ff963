#include "courses/tarot/tarot_test_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "courses/tarot/card_picture.h"
#include "courses/tarot/tarot_widgets.h"
#include "platform/message_box.h"
#include "shell/choice_column.h"
#include "shell/choice_text_box.h"
#include "shell/course_widgets.h"
#include "shell/value_label.h"

using course_widgets::elementName;
using course_widgets::makeButton;
using course_widgets::named;

namespace {

constexpr int KeywordColumns = 4;

// A caption shown as it stands: "&" is no access key.
QString literalCaption(const QString& text)
{
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TarotTestPage::TarotTestPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picTest"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(12);

    auto* card = new QVBoxLayout;
    card->setSpacing(4);
    lblCardName = tarot_widgets::makeCardName(QStringLiteral("lblCardName"), this);
    // Two lines for a long name, so that the picture keeps its place from card to card.
    lblCardName->setWordWrap(true);
    lblCardName->setFixedWidth(tarot_widgets::CardWidth + 10);
    lblCardName->setFixedHeight(lblCardName->fontMetrics().lineSpacing() * 2);
    lblCardName->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    picResult = tarot_widgets::makeCardBox(QStringLiteral("picResult"), QStringLiteral("Question card"), this);
    lblIsReversed = named(new QLabel(this), QStringLiteral("lblIsReversed"));
    QFont bold = lblIsReversed->font();
    bold.setBold(true);
    lblIsReversed->setFont(bold);
    lblIsReversed->setMinimumHeight(lblIsReversed->fontMetrics().lineSpacing());
    lblQCount = named(new QLabel(this), QStringLiteral("lblQCount"));
    value_label::announce(lblQCount, QStringLiteral("Question"));
    value_label::announce(lblCardName, QStringLiteral("Question about"));
    cmdNextQuestion = makeButton(QStringLiteral("cmdNextQuestion"), QStringLiteral("Next Question"), this, this,
                                 &TarotTestPage::cmdNextQuestion_Click);
    cmdNextQuestion->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{lblCardName, picResult, lblIsReversed, lblQCount})
        card->addWidget(w);
    card->addStretch(1);
    card->addWidget(cmdNextQuestion);

    testPanels = named(new QStackedWidget(this), QStringLiteral("testPanels"));
    testPanels->addWidget(buildDescriptionPanel());
    testPanels->addWidget(buildKeywordPanel());

    grid->addLayout(card, 0, 0);
    grid->addWidget(testPanels, 0, 1);
    grid->setColumnStretch(1, 1);
}

QWidget* TarotTestPage::buildDescriptionPanel()
{
    picDescContainer = named(new QWidget, QStringLiteral("picDescContainer"));
    auto* layout = new QVBoxLayout(picDescContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    // The choices scroll as a whole when their meanings need more height than the page has,
    // so that each shows its whole text and the window keeps its size.
    auto* choices = new ChoiceColumn(QStringLiteral("choiceColumn"), {6, 4}, picDescContainer);
    answerGroup = new QButtonGroup(picDescContainer);
    for (int i = 0; i < tarot::AnswerSlots; ++i) {
        std::tie(optAnswer[i], Shape1[i]) = choices->addRow("optAnswer", "Shape1", 1);
        answerGroup->addButton(optAnswer[i], i);
        Shape1[i]->setAccessibleName(QStringLiteral("Choice %1").arg(i + 1));
        // A click on the meaning picks its choice.
        connect(Shape1[i], &ChoiceTextBox::clicked, optAnswer[i], [option = optAnswer[i]] {
            if (option->isEnabled())
                option->setChecked(true);
        });
    }
    layout->addWidget(choices);
    connect(answerGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_answer.ChosenSlot = id;
        else if (m_answer.ChosenSlot == id)
            m_answer.ChosenSlot = -1;
        if (on)
            optAnswer_Click(id);
    });
    return picDescContainer;
}

QWidget* TarotTestPage::buildKeywordPanel()
{
    picKeywodContainer = named(new QWidget, QStringLiteral("picKeywodContainer"));
    auto* layout = new QVBoxLayout(picKeywodContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    lblMaxKeyword = named(new QLabel(picKeywodContainer), QStringLiteral("lblMaxKeyword"));
    QFont bold = lblMaxKeyword->font();
    bold.setBold(true);
    lblMaxKeyword->setFont(bold);
    layout->addWidget(lblMaxKeyword);
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(12);
    boxes->setVerticalSpacing(10);
    for (int i = 0; i < tarot::KeywordBoxes; ++i) {
        chkKeywords[i] = named(new QCheckBox(picKeywodContainer), elementName("chkKeywords", i));
        boxes->addWidget(chkKeywords[i], i / KeywordColumns, i % KeywordColumns);
        connect(chkKeywords[i], &QCheckBox::toggled, this, [this, i](bool on) {
            m_answer.Ticked[static_cast<std::size_t>(i)] = on;
            chkKeywords_Click(i);
        });
    }
    layout->addLayout(boxes);
    layout->addStretch(1);
    return picKeywodContainer;
}

// ---- questions ----

void TarotTestPage::BringTestPanelToFront(tarot::TestType type)
{
    testPanels->setCurrentWidget(type == tarot::TestType::Description ? picDescContainer : picKeywodContainer);
}

void TarotTestPage::StartRun()
{
    lblIsReversed->clear();
    lblQCount->setText(QString());
    cmdNextQuestion->setEnabled(false);
}

void TarotTestPage::ShowDescriptionQuestion(const tarot::DescriptionQuestion& question, const QByteArray& picture)
{
    lblCardName->setText(question.CardName);
    lblIsReversed->setText(question.Reversed ? QStringLiteral("Reversed") : QString());
    // No choice is selected when a question starts.
    answerGroup->setExclusive(false);
    for (int i = 0; i < tarot::AnswerSlots; ++i) {
        const bool used = i >= question.FirstAnswerSlot && i <= question.LastAnswerSlot;
        optAnswer[i]->setChecked(false);
        optAnswer[i]->setEnabled(used);
        optAnswer[i]->setVisible(used);
        Shape1[i]->setVisible(used);
        Shape1[i]->setChoiceText(question.Captions[static_cast<std::size_t>(i)]);
    }
    answerGroup->setExclusive(true);
    ShowQuestionCard(picture, question.Reversed);
}

void TarotTestPage::ShowKeywordQuestion(const tarot::KeywordQuestion& question, const QByteArray& picture)
{
    m_keywordsToChoose = question.KeywordsToChoose;
    m_lastKeywordBox = question.LastKeywordBox;
    lblMaxKeyword->setText(QStringLiteral("You must choose %1 keywords").arg(question.KeywordsToChoose));
    for (int i = 0; i < tarot::KeywordBoxes; ++i) {
        const bool used = i <= question.LastKeywordBox;
        chkKeywords[i]->setChecked(false);
        chkKeywords[i]->setEnabled(used);
        chkKeywords[i]->setVisible(used);
        const QString& keyword = question.Captions[static_cast<std::size_t>(i)];
        chkKeywords[i]->setText(literalCaption(keyword));
        chkKeywords[i]->setAccessibleName(keyword);
    }
    lblCardName->setText(question.CardName);
    lblIsReversed->clear();
    ShowQuestionCard(picture, false);
}

void TarotTestPage::ShowQuestionCard(const QByteArray& picture, bool reversed)
{
    card_picture::ShowStoredPicture(picResult, picture, reversed);
    picResult->setAccessibleName(QStringLiteral("Question card") + (reversed ? QStringLiteral(", reversed") : QString()));
}

void TarotTestPage::ShowProgress(int questionNumber, int questionCount)
{
    lblQCount->setText(QStringLiteral("%1 of %2").arg(questionNumber).arg(questionCount));
}

void TarotTestPage::focusQuestionCard() { picResult->setFocus(); }

// ---- answers ----

void TarotTestPage::cmdNextQuestion_Click()
{
    cmdNextQuestion->setEnabled(false);
    emit answerGiven(m_answer);
}

int TarotTestPage::TickedKeywords() const
{
    int count = 0;
    for (int i = 0; i <= m_lastKeywordBox && i < tarot::KeywordBoxes; ++i)
        if (m_answer.Ticked[static_cast<std::size_t>(i)])
            ++count;
    return count;
}

void TarotTestPage::optAnswer_Click(int)
{
    cmdNextQuestion->setEnabled(true);
    cmdNextQuestion->setFocus();
}

void TarotTestPage::chkKeywords_Click(int index)
{
    const int count = TickedKeywords();
    if (count == m_keywordsToChoose) {
        cmdNextQuestion->setEnabled(true);
        cmdNextQuestion->setFocus();
    } else if (count > m_keywordsToChoose) {
        chkKeywords[index]->setChecked(false);
        platform::MsgBox(QStringLiteral("You can select only %1 keywords.\r\nPlease unselect one before selecting another keyword")
                             .arg(m_keywordsToChoose),
                         platform::vbExclamation);
    } else {
        cmdNextQuestion->setEnabled(false);
    }
}
