// The test tab of the tarot window: the question card, the choices of the description test
// or the keyword boxes of the keyword test, and the "Next Question" button that records the
// answer and moves on. The engine (tarot::TarotTest) decides; this file shows.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "courses/tarot/card_picture.h"
#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/modImageDB.h"
#include "courses/tarot/tarot_widgets.h"
#include "courses/tarot/wrapping_option.h"
#include "platform/message_box.h"
#include "shell/course_tabs.h"
#include "shell/course_widgets.h"

using course_widgets::elementName;
using course_widgets::make;
using course_widgets::makeButton;
using course_widgets::makeText;
using course_widgets::named;

namespace {

constexpr int KeywordColumns = 4;

// A caption shown as it stands: "&" is no access key.
QString literalCaption(const QString& text)
{
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Where the window may grow to: the main window's area, or the screen.
QRect roomFor(const QWidget* frame)
{
    if (const auto* sub = qobject_cast<const QMdiSubWindow*>(frame); sub && sub->parentWidget())
        return sub->parentWidget()->rect();
    const QScreen* screen = frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : frame->geometry();
}

} // namespace

QWidget* frmLearnTarotMain::buildTestTab()
{
    picTest = named(new QWidget, QStringLiteral("picTest"));
    auto* grid = new QGridLayout(picTest);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(12);

    auto* card = new QVBoxLayout;
    card->setSpacing(4);
    lblCardName = tarot_widgets::makeCardName(QStringLiteral("lblCardName"), picTest);
    // Two lines for a long name, so that the picture keeps its place from card to card.
    lblCardName->setWordWrap(true);
    lblCardName->setFixedWidth(tarot_widgets::CardWidth + 10);
    lblCardName->setFixedHeight(lblCardName->fontMetrics().lineSpacing() * 2);
    lblCardName->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    picResult = tarot_widgets::makeCardBox(QStringLiteral("picResult"), QStringLiteral("Question card"), picTest);
    lblIsReversed = named(new QLabel(picTest), QStringLiteral("lblIsReversed"));
    QFont bold = lblIsReversed->font();
    bold.setBold(true);
    lblIsReversed->setFont(bold);
    lblIsReversed->setMinimumHeight(lblIsReversed->fontMetrics().lineSpacing());
    lblQCount = named(new QLabel(picTest), QStringLiteral("lblQCount"));
    cmdNextQuestion = makeButton(QStringLiteral("cmdNextQuestion"), QStringLiteral("Next Question"), picTest, this,
                                 &frmLearnTarotMain::cmdNextQuestion_Click);
    cmdNextQuestion->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{lblCardName, picResult, lblIsReversed, lblQCount})
        card->addWidget(w);
    card->addStretch(1);
    card->addWidget(cmdNextQuestion);

    testPanels = named(new QStackedWidget(picTest), QStringLiteral("testPanels"));
    testPanels->addWidget(buildDescriptionPanel());
    testPanels->addWidget(buildKeywordPanel());

    grid->addLayout(card, 0, 0);
    grid->addWidget(testPanels, 0, 1);
    grid->setColumnStretch(1, 1);
    return picTest;
}

QWidget* frmLearnTarotMain::buildDescriptionPanel()
{
    picDescContainer = named(new QWidget, QStringLiteral("picDescContainer"));
    auto* layout = new QVBoxLayout(picDescContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    answerGroup = new QButtonGroup(picDescContainer);
    for (int i = 0; i < tarot::AnswerSlots; ++i) {
        Shape1[i] = named(new QFrame(picDescContainer), elementName("Shape1", i));
        Shape1[i]->setFrameShape(QFrame::Box);
        auto* inside = new QVBoxLayout(Shape1[i]);
        inside->setContentsMargins(4, 2, 4, 2);
        optAnswer[i] = named(new WrappingOption(Shape1[i]), elementName("optAnswer", i));
        inside->addWidget(optAnswer[i]);
        answerGroup->addButton(optAnswer[i], i);
        layout->addWidget(Shape1[i]);
    }
    layout->addStretch(1);
    connect(answerGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            optAnswer_Click(id);
    });
    return picDescContainer;
}

QWidget* frmLearnTarotMain::buildKeywordPanel()
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
        connect(chkKeywords[i], &QCheckBox::toggled, this, [this, i] { chkKeywords_Click(i); });
    }
    layout->addLayout(boxes);
    layout->addStretch(1);
    return picKeywodContainer;
}

// ---- the run ----

tarot::TestType frmLearnTarotMain::SelectedTestType() const
{
    return optTestType[0]->isChecked() ? tarot::TestType::Description : tarot::TestType::Keywords;
}

int frmLearnTarotMain::SelectedLevel() const
{
    return optDifficulty[0]->isChecked() ? 0 : optDifficulty[1]->isChecked() ? 1 : 2;
}

void frmLearnTarotMain::BringTestPanelToFront()
{
    testPanels->setCurrentWidget(SelectedTestType() == tarot::TestType::Description ? picDescContainer : picKeywodContainer);
}

void frmLearnTarotMain::cmdStartTest_Click()
{
    BringTestPanelToFront();
    // A card set the tests cannot be built on is refused before the first question.
    if (const QString problem = db.CardSetProblem(db.CardRecordset, db.CardConnection); !problem.isEmpty()) {
        AbandonRun(problem);
        return;
    }
    test.Start(SelectedTestType(), SelectedLevel(), chkReversed->isChecked());
    lblIsReversed->clear();
    lblQCount->clear();
    cmdNextQuestion_Click();
}

void frmLearnTarotMain::cmdNextQuestion_Click()
{
    SSTab1->setTabEnabled(TestTab, true);
    cmdNextQuestion->setEnabled(false);
    std::int32_t score = 0;
    if (!run.FirstQuestion) {
        if (run.Type == tarot::TestType::Description) {
            score = tarot::DescriptionScore(test.description(), answerGroup->checkedId());
        } else {
            std::array<bool, tarot::KeywordBoxes> ticked{};
            for (std::size_t i = 0; i < ticked.size(); ++i)
                ticked[i] = chkKeywords[i]->isChecked();
            score = tarot::KeywordScore(run, ticked);
        }
    }
    switch (test.NextQuestion(score)) {
    case tarot::TarotTest::Step::Question:
        if (run.Type == tarot::TestType::Description)
            ShowDescriptionQuestion();
        else
            ShowKeywordQuestion();
        SSTab1->showTab(TestTab);
        picResult->setFocus();
        lblQCount->setText(QStringLiteral("%1 of %2").arg(run.QuestionNumber).arg(test.QuestionCount()));
        if (run.Type == tarot::TestType::Description)
            GrowToShowChoices();
        break;
    case tarot::TarotTest::Step::Complete:
        EndRun();
        break;
    case tarot::TarotTest::Step::Failed:
        AbandonRun(test.problem());
        break;
    }
}

void frmLearnTarotMain::EndRun()
{
    SSTab1->showTab(ResultsTab);
    SSTab1->setTabEnabled(ResultsTab, true);
    WriteTestReport();
    platform::MsgBox(QStringLiteral("Test Complete"), platform::vbInformation);
}

void frmLearnTarotMain::AbandonRun(const QString& problem)
{
    platform::MsgBox(problem, platform::vbCritical);
    SSTab1->showTab(SettingsTab);
}

void frmLearnTarotMain::ShowDescriptionQuestion()
{
    const tarot::DescriptionQuestion& question = test.description();
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
        optAnswer[i]->setCaption(question.Captions[static_cast<std::size_t>(i)]);
    }
    answerGroup->setExclusive(true);
    ShowQuestionCard(question.Reversed);
}

void frmLearnTarotMain::ShowKeywordQuestion()
{
    const tarot::KeywordQuestion& question = test.keywords();
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
    ShowQuestionCard(false);
}

void frmLearnTarotMain::ShowQuestionCard(bool reversed)
{
    const Recordset card = tarot::CardRecord(db.CardRecordset, run.CurrentCardId);
    card_picture::ShowPicture(picResult, modImageDB::PictureFromField(card, QStringLiteral("PictureData")), reversed);
    picResult->setAccessibleName(QStringLiteral("Question card") + (reversed ? QStringLiteral(", reversed") : QString()));
}

void frmLearnTarotMain::GrowToShowChoices()
{
    // Each choice shows its whole meaning: when the shown choices need more height than the
    // panel has, the window grows, first in width (within the room it has), then in height.
    layout()->activate();
    picTest->layout()->activate();
    QLayout* choices = picDescContainer->layout();
    const int available = picDescContainer->height();
    const int width = picDescContainer->width();
    if (choices->totalHeightForWidth(width) <= available)
        return;
    QWidget* window = frame();
    const QRect room = roomFor(window);
    const int widthRoom = std::max(0, room.width() - window->width());
    int grow = 0;
    while (grow < widthRoom && choices->totalHeightForWidth(width + grow) > available)
        grow = std::min(widthRoom, grow + 16);
    const int heightRoom = std::max(0, room.height() - window->height());
    const int taller = std::clamp(choices->totalHeightForWidth(width + grow) - available, 0, heightRoom);
    window->resize(window->width() + grow, window->height() + taller);
    // The grown window stays inside its room.
    const int left = std::clamp(window->x(), room.left(), std::max(room.left(), room.right() + 1 - window->width()));
    const int top = std::clamp(window->y(), room.top(), std::max(room.top(), room.bottom() + 1 - window->height()));
    window->move(left, top);
}

// ---- answers ----

int frmLearnTarotMain::TickedKeywords() const
{
    int count = 0;
    for (int i = 0; i <= run.LastKeywordBox && i < tarot::KeywordBoxes; ++i)
        if (chkKeywords[i]->isChecked())
            ++count;
    return count;
}

void frmLearnTarotMain::optAnswer_Click(int)
{
    cmdNextQuestion->setEnabled(true);
    cmdNextQuestion->setFocus();
}

void frmLearnTarotMain::chkKeywords_Click(int index)
{
    const int count = TickedKeywords();
    if (count == run.KeywordsToChoose) {
        cmdNextQuestion->setEnabled(true);
        cmdNextQuestion->setFocus();
    } else if (count > run.KeywordsToChoose) {
        chkKeywords[index]->setChecked(false);
        platform::MsgBox(QStringLiteral("You can select only %1 keywords.\r\nPlease unselect one before selecting another keyword")
                             .arg(run.KeywordsToChoose),
                         platform::vbExclamation);
    } else {
        cmdNextQuestion->setEnabled(false);
    }
}
