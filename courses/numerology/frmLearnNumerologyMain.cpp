// The numerology course window.
#include "courses/numerology/frmLearnNumerologyMain.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "courses/numerology/logic/letter_chart.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "shell/choice_column.h"
#include "shell/choice_text_box.h"
#include "shell/colour_area.h"
#include "shell/course_commands.h"
#include "shell/course_title.h"
#include "shell/course_widgets.h"
#include "shell/fixed_columns_font.h"
#include "shell/report_writer.h"
#include "shell/value_label.h"
#include "shell/web_pages.h"

using namespace modLearnNumerologyRun;
namespace test = modLearnNumerologyTest;

namespace {

using course_widgets::elementName;
using course_widgets::makeButton;
using course_widgets::makeText;
using course_widgets::named;

constexpr qreal TextPointSize = 9;
const QColor PageColour(58, 28, 80);
const QColor SideColour(38, 16, 54);
const QColor LabelColour(242, 236, 250);
const QColor TitleColour(255, 214, 120);
const QColor LinkColour(200, 205, 255);

QFont textFont()
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(TextPointSize);
    f.setBold(false);
    return f;
}

QRadioButton* makeOption(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new QRadioButton(caption, parent), name);
}

// A read-only rich-text box.
QTextEdit* makeRichText(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* box = named(new QTextEdit(parent), name);
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    return box;
}

// Option buttons that keep one choice among themselves cannot be unselected one by one while
// exclusive, so each is let go of the group for a moment.
void unselect(std::span<QRadioButton* const> buttons)
{
    for (QRadioButton* button : buttons) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

// A page: a framed box with a caption, dark purple with light texts. Its controls sit on
// body, in the normal text font, so that only the caption is bold.
QGroupBox* makePage(int index, QWidget*& body)
{
    auto* page = named(new QGroupBox, elementName("fraOption", index));
    // The design captions "1" to "5"; each is replaced when its page is shown.
    if (index > 0)
        page->setTitle(QString::number(index));
    colour_area::paintArea(page, PageColour, TitleColour);
    QFont caption = textFont();
    caption.setBold(true);
    caption.setPointSizeF(10);
    page->setFont(caption);

    auto* frame = new QVBoxLayout(page);
    frame->setContentsMargins(4, 4, 4, 4);
    body = named(new QWidget(page), elementName("fraOption", index) + QStringLiteral("_body"));
    body->setFont(textFont());
    body->setPalette(colour_area::areaPalette(PageColour, LabelColour));
    frame->addWidget(body);
    return page;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> left, std::initializer_list<QPushButton*> right)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    for (QPushButton* button : left)
        row->addWidget(button);
    row->addStretch(1);
    for (QPushButton* button : right)
        row->addWidget(button);
    return row;
}

} // namespace

frmLearnNumerologyMain::frmLearnNumerologyMain()
    : CourseWindow(FormName, QStringLiteral("Velmora Learn Numerology"), {780, 540},
                   {.links = CourseLinks{QStringLiteral("Learn Numerology"), QStringLiteral("Label14"),
                                         course_commands::ForumInvitationText(),
                                         LinkColumnColours{SideColour, LabelColour, TitleColour, LinkColour}}})
{
    setFont(textFont());
    // The subject boxes take the subject names as captions.
    numerologyRun.Tables.FillNumerologyTables();

    mnuExit = addExitItem("mnuExit", QStringLiteral("E&xit"));
    pages = makePages();
    colour_area::paintArea(pages, PageColour, LabelColour);
    fraOption = {buildStartPage(), buildOptionsPage(), buildLearnPage(),
                 buildSubjectPage(), buildQuestionPage(), buildResultPage()};
    for (QGroupBox* page : fraOption)
        pages->addWidget(page);

    // The course texts, the answer texts and the report empty the clipboard when touched or
    // changed; RTB1, which only composes the printout, is not guarded.
    course_commands::guardCopy(RTBLearn);
    course_commands::guardCopy(RTBTestResult);
    for (ChoiceTextBox* box : txtOption)
        course_commands::guardCopy(box);
}

// ---- building ----

QGroupBox* frmLearnNumerologyMain::buildStartPage()
{
    QWidget* body = nullptr;
    QGroupBox* page = makePage(0, body);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(12);

    const std::array<const char*, 4> texts{
        "Welcome to Velmora Learn Numerology, which helps you learn the basics of numerology and the "
        "interpretation of the different numbers and their calculations.",
        "This software is a great tool for beginners and novices who are new to the fascinating world of numerology.",
        "You can learn the different meanings of different numbers in numerology and their calculations. You can then "
        "take a test to know how much you have learnt.",
        "Select one option below and click on the button to continue."};
    addIntroTexts(layout, std::span(lblCaption).first(texts.size()), "lblCaption", texts, body, TitleColour);

    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(20, 6, 0, 0);
    choices->setSpacing(8);
    optMain[0] = makeOption(elementName("optMain", 0), QStringLiteral("Learn Numerology"), body);
    optMain[1] = makeOption(elementName("optMain", 1), QStringLiteral("Test Numerology"), body);
    choices->addWidget(optMain[0]);
    choices->addWidget(optMain[1]);
    layout->addLayout(choices);
    layout->addStretch(1);

    cmdNext = makeButton(QStringLiteral("cmdNext"), QStringLiteral("Click Here To Proceed"), body,
                         this, &frmLearnNumerologyMain::cmdNext_Click);
    layout->addLayout(buttonRow({}, {cmdNext}));
    return page;
}

QGroupBox* frmLearnNumerologyMain::buildOptionsPage()
{
    QWidget* body = nullptr;
    QGroupBox* page = makePage(1, body);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(12);

    lblCaption[4] = makeText(elementName("lblCaption", 4),
                             QStringLiteral("Select one of the following options and click on Next to continue."), body);
    layout->addWidget(lblCaption[4]);
    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(20, 6, 0, 0);
    choices->setSpacing(8);
    // Their captions are set when the page is shown, for learning or for a test.
    optOption[0] = makeOption(elementName("optOption", 0), QStringLiteral("By Significance of Numbers"), body);
    optOption[1] = makeOption(elementName("optOption", 1), QStringLiteral("By Interpretation of Numbers"), body);
    choices->addWidget(optOption[0]);
    choices->addWidget(optOption[1]);
    layout->addLayout(choices);
    layout->addStretch(1);

    cmdBack2 = makeButton(QStringLiteral("cmdBack2"), QStringLiteral("&Back"), body,
                          this, &frmLearnNumerologyMain::cmdBack2_Click);
    cmdNext2 = makeButton(QStringLiteral("cmdNext2"), QStringLiteral("&Next"), body,
                          this, &frmLearnNumerologyMain::cmdNext2_Click);
    layout->addLayout(buttonRow({}, {cmdBack2, cmdNext2}));
    return page;
}

QGroupBox* frmLearnNumerologyMain::buildLearnPage()
{
    QWidget* body = nullptr;
    QGroupBox* page = makePage(2, body);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(12, 6, 12, 8);
    layout->setSpacing(8);

    lblLearnSubject = makeText(QStringLiteral("lblLearnSubject"), QStringLiteral("Subject"), body);
    styleAsTitle(lblLearnSubject, 12, TitleColour);
    RTBLearn = makeRichText(QStringLiteral("RTBLearn"), QStringLiteral("Learn text"), body);
    layout->addWidget(lblLearnSubject);
    layout->addWidget(RTBLearn, 1);

    cmdBackToMain = makeButton(QStringLiteral("cmdBackToMain"), QStringLiteral("Back To &Main"), body,
                               this, &frmLearnNumerologyMain::cmdBackToMain_Click);
    cmdBackLearn = makeButton(QStringLiteral("cmdBackLearn"), QStringLiteral("&Back"), body,
                              this, &frmLearnNumerologyMain::cmdBackLearn_Click);
    cmdNextLearn = makeButton(QStringLiteral("cmdNextLearn"), QStringLiteral("&Next"), body,
                              this, &frmLearnNumerologyMain::cmdNextLearn_Click);
    layout->addLayout(buttonRow({cmdBackToMain}, {cmdBackLearn, cmdNextLearn}));
    return page;
}

QGroupBox* frmLearnNumerologyMain::buildSubjectPage()
{
    QWidget* body = nullptr;
    QGroupBox* page = makePage(3, body);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(12);

    lblCaption[5] = makeText(elementName("lblCaption", 5), QString(), body);
    layout->addWidget(lblCaption[5]);

    // Two columns, subjects 0..7 on the left and 8..14 on the right.
    auto* boxes = new QGridLayout;
    boxes->setContentsMargins(8, 0, 0, 0);
    boxes->setHorizontalSpacing(16);
    boxes->setVerticalSpacing(8);
    constexpr int perColumn = (modLearnNumerology::SubjectCount + 1) / 2;
    for (int s = 0; s < modLearnNumerology::SubjectCount; ++s) {
        chkSubject[s] = named(new QCheckBox(numerologyRun.Tables.SubjectName[s], body), elementName("chkSubject", s));
        boxes->addWidget(chkSubject[s], s % perColumn, s / perColumn);
    }
    boxes->setColumnStretch(2, 1);
    layout->addLayout(boxes);
    layout->addStretch(1);

    cmdBack3 = makeButton(QStringLiteral("cmdBack3"), QStringLiteral("&Back"), body,
                          this, &frmLearnNumerologyMain::cmdBack3_Click);
    cmdNext3 = makeButton(QStringLiteral("cmdNext3"), QStringLiteral("&Next"), body,
                          this, &frmLearnNumerologyMain::cmdNext3_Click);
    layout->addLayout(buttonRow({}, {cmdBack3, cmdNext3}));
    return page;
}

QGroupBox* frmLearnNumerologyMain::buildQuestionPage()
{
    QWidget* body = nullptr;
    QGroupBox* page = makePage(4, body);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(6);

    lblCaption[6] = makeText(elementName("lblCaption", 6), QString(), body);
    lblQuestionNo = makeText(QStringLiteral("lblQuestionNo"), QStringLiteral("Question No"), body);
    lblQuestionNo->setWordWrap(false);
    lblQuestionNo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value_label::announce(lblQuestionNo, QStringLiteral("Question"));
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(lblCaption[6], 1);
    top->addWidget(lblQuestionNo);
    layout->addLayout(top);

    auto* rows = new ChoiceColumn(QStringLiteral("choiceArea"), {6, 5}, body);
    for (int i = 0; i < test::RowCount; ++i) {
        std::tie(optChoice[i], txtOption[i]) = rows->addRow("optChoice", "txtOption", 3);
        optChoice[i]->setAccessibleName(QStringLiteral("Choice %1").arg(i + 1));
        txtOption[i]->setAccessibleName(QStringLiteral("Choice %1 text").arg(i + 1));
        connect(txtOption[i], &ChoiceTextBox::pressed, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& at) {
                    txtOption_MouseDown(i, button, shift, at.x(), at.y());
                });
    }
    layout->addWidget(rows, 1);

    lblSubjectName = makeText(QStringLiteral("lblSubjectName"), QStringLiteral("Subject Name"), body);
    styleAsTitle(lblSubjectName, 11, TitleColour);
    value_label::announce(lblSubjectName, QStringLiteral("Question about"));
    cmdNextQuestion = makeButton(QStringLiteral("cmdNextQuestion"), QStringLiteral("Next &Question"), body,
                                 this, &frmLearnNumerologyMain::cmdNextQuestion_Click);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(12);
    bottom->addWidget(lblSubjectName, 1);
    bottom->addWidget(cmdNextQuestion, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    return page;
}

QGroupBox* frmLearnNumerologyMain::buildResultPage()
{
    QWidget* body = nullptr;
    QGroupBox* page = makePage(5, body);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(12, 6, 12, 8);
    layout->setSpacing(8);

    RTBTestResult = makeRichText(QStringLiteral("RTBTestResult"), QStringLiteral("Test result"), body);
    layout->addWidget(RTBTestResult, 1);
    // Composes the printout only; never shown.
    RTB1 = makeRichText(QStringLiteral("RTB1"), QStringLiteral("Printout"), body);
    RTB1->hide();

    cmdGoToMain = makeButton(QStringLiteral("cmdGoToMain"), QStringLiteral("Main Screen"), body,
                             this, &frmLearnNumerologyMain::cmdGoToMain_Click);
    cmdPrint = makeButton(QStringLiteral("cmdPrint"), QStringLiteral("&Print Test Results"), body,
                          this, &frmLearnNumerologyMain::cmdPrint_Click);
    layout->addLayout(buttonRow({cmdGoToMain}, {cmdPrint}));
    return page;
}

// ---- load and unload ----

void frmLearnNumerologyMain::loadStep()
{
    unselect(optMain);
    bringToFront(0);
}

void frmLearnNumerologyMain::bringToFront(int frame) { pages->setCurrentWidget(fraOption[frame]); }

void frmLearnNumerologyMain::setFrameCaption(int frame, const QString& caption) { fraOption[frame]->setTitle(caption); }

// ---- start and options pages ----

void frmLearnNumerologyMain::cmdNext_Click()
{
    numerologyRun.LearnMode = false;
    if (optMain[0]->isChecked()) {
        numerologyRun.LearnMode = true;
        optOption[0]->setText(QStringLiteral("Learn By Significance of Numbers"));
        optOption[1]->setText(QStringLiteral("Learn By Interpretation of Numbers"));
        setFrameCaption(1, QStringLiteral("Learn Options"));
        bringToFront(1);
    } else if (optMain[1]->isChecked()) {
        optOption[0]->setText(QStringLiteral("Test By Significance of Numbers"));
        optOption[1]->setText(QStringLiteral("Test By Interpretation of Numbers"));
        setFrameCaption(1, QStringLiteral("Test Options"));
        bringToFront(1);
    } else {
        platform::MsgBox(QString::fromLatin1(SelectOptionMessage), platform::vbCritical);
    }
}

void frmLearnNumerologyMain::cmdNext2_Click()
{
    numerologyRun.BySignificance = false;
    const bool significance = optOption[0]->isChecked();
    if (!significance && !optOption[1]->isChecked()) {
        platform::MsgBox(QString::fromLatin1(SelectOptionMessage), platform::vbCritical);
        return;
    }
    numerologyRun.BySignificance = significance;
    numerologyRun.CurrentIndex = 0;
    if (numerologyRun.LearnMode && significance) {
        setFrameCaption(2, QStringLiteral("Learn By Significance"));
        bringToFront(2);
        ShowSignificancePage();
    } else if (numerologyRun.LearnMode) {
        lblCaption[5]->setText(QStringLiteral("Select the options which you would like to memorize."));
        setFrameCaption(3, QStringLiteral("Learn By Interpretation"));
        bringToFront(3);
    } else if (significance) {
        lblCaption[6]->setText(QStringLiteral("Select one option from the given choices below."));
        setFrameCaption(4, QStringLiteral("Test By Significance"));
        bringToFront(4);
        // A test left unfinished must not lend its question set to this one.
        numerologyTest.StartTest();
        ShowSignificanceQuestion();
    } else {
        lblCaption[6]->setText(QStringLiteral("Select the correct interpretation for the number displayed at the bottom."));
        lblCaption[5]->setText(QStringLiteral("Select the options which you would like to take the test in."));
        setFrameCaption(3, QStringLiteral("Test By Interpretation"));
        bringToFront(3);
    }
}

void frmLearnNumerologyMain::cmdBack2_Click()
{
    unselect(optMain);
    unselect(optOption);
    bringToFront(0);
}

// ---- subject-choice page ----

void frmLearnNumerologyMain::cmdNext3_Click()
{
    if (std::none_of(chkSubject.begin(), chkSubject.end(), [](const QCheckBox* box) { return box->isChecked(); })) {
        platform::MsgBox(QString::fromLatin1(SelectAtLeastOneMessage), platform::vbCritical);
        return;
    }
    for (int s = 0; s < modLearnNumerology::SubjectCount; ++s)
        numerologyRun.SubjectChosen[s] = chkSubject[s]->isChecked();
    for (QCheckBox* box : chkSubject)
        box->setChecked(false);
    numerologyRun.CurrentIndex = 0;
    if (!numerologyRun.LearnMode) {
        numerologyTest.StartTest();
        ShowInterpretationQuestion();
        setFrameCaption(4, QStringLiteral("Test By Interpretation"));
        bringToFront(4);
        return;
    }
    numerologyRun.CurrentIndex = static_cast<std::int16_t>(numerologyRun.LowestChosenSubject());
    ShowInterpretationPage();
    setFrameCaption(2, QStringLiteral("Learn By Interpretation"));
    bringToFront(2);
}

void frmLearnNumerologyMain::cmdBack3_Click() { bringToFront(1); }

// ---- learn page ----

void frmLearnNumerologyMain::showLearnPage(const QString& subject, const QString& text)
{
    lblLearnSubject->setText(subject);
    RTBLearn->clear();
    QTextCursor cursor = RTBLearn->textCursor();
    // The rows of a letter chart are set in a font of one advance for every character, so every
    // letter stands under its digit; the rest keeps the box's own font.
    QTextCharFormat chart;
    chart.setFont(fixed_columns::fixedColumnsFont(RTBLearn->font().pointSizeF()));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertText(QStringLiteral("\r\n"), QTextCharFormat());
        cursor.insertText(lines[i], modLearnNumerology::IsLetterChartLine(lines[i]) ? chart : QTextCharFormat());
    }
    // The reader starts at the top of the subject.
    cursor.movePosition(QTextCursor::Start);
    RTBLearn->setTextCursor(cursor);
}

void frmLearnNumerologyMain::ShowSignificancePage()
{
    const LearnPage page = numerologyRun.ShowSignificancePage();
    showLearnPage(page.subject, page.text);
}

void frmLearnNumerologyMain::ShowInterpretationPage()
{
    const LearnPage page = numerologyRun.ShowInterpretationPage();
    showLearnPage(page.subject, page.text);
}

void frmLearnNumerologyMain::cmdNextLearn_Click()
{
    if (!numerologyRun.NextLearnPage()) {
        platform::MsgBox(QString::fromLatin1(LastRecordMessage), platform::vbCritical);
        return;
    }
    if (numerologyRun.BySignificance)
        ShowSignificancePage();
    else
        ShowInterpretationPage();
}

void frmLearnNumerologyMain::cmdBackLearn_Click()
{
    if (!numerologyRun.PreviousLearnPage()) {
        platform::MsgBox(QString::fromLatin1(FirstRecordMessage), platform::vbCritical);
        return;
    }
    if (numerologyRun.BySignificance)
        ShowSignificancePage();
    else
        ShowInterpretationPage();
}

void frmLearnNumerologyMain::cmdBackToMain_Click() { bringToFront(0); }

// ---- test pages ----

void frmLearnNumerologyMain::showQuestion(const test::Question& question)
{
    for (int i = 0; i < test::RowCount; ++i)
        txtOption[i]->setChoiceText(question.options[i]);
    lblSubjectName->setText(question.subjectName);
    lblQuestionNo->setText(question.questionNo);
}

void frmLearnNumerologyMain::ShowSignificanceQuestion() { showQuestion(numerologyTest.ShowSignificanceQuestion()); }

void frmLearnNumerologyMain::ShowInterpretationQuestion() { showQuestion(numerologyTest.ShowInterpretationQuestion()); }

void frmLearnNumerologyMain::cmdNextQuestion_Click()
{
    int selected = -1;
    for (int i = 0; i < test::RowCount && selected < 0; ++i)
        if (optChoice[i]->isChecked())
            selected = i;
    const test::AnswerStep step = numerologyTest.AnswerQuestion(selected);
    if (step == test::AnswerStep::NoSelection) {
        platform::MsgBox(QString::fromLatin1(SelectOptionMessage), platform::vbCritical);
        return;
    }
    unselect(optChoice);
    if (step == test::AnswerStep::Finished)
        ShowNumerologyResult();
    else if (numerologyRun.BySignificance)
        ShowSignificanceQuestion();
    else
        ShowInterpretationQuestion();
}

void frmLearnNumerologyMain::txtOption_MouseDown(int index, Qt::MouseButton /*button*/,
                                                 Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/)
{
    platform::ClearClipboard();
    optChoice[index]->setChecked(true);
}

// ---- result page ----

void frmLearnNumerologyMain::ShowNumerologyResult()
{
    bringToFront(5);
    const test::Report report = numerologyTest.ShowNumerologyResult();
    setFrameCaption(5, report.caption);
    writeReport(RTBTestResult, report.parts);
}

void frmLearnNumerologyMain::cmdPrint_Click()
{
    writeReport(RTB1, {ReportPart{test::PrintoutText(RTBTestResult->toPlainText(), QString::fromLatin1(modHelp::MainSite)), false}});
    // Nothing selected, so the whole content is printed.
    QTextCursor start(RTB1->document());
    RTB1->setTextCursor(start);
    // A printout that never reached a printer is said, so the user does not wait for paper.
    if (!platform::PrintDocument(*RTB1->document(), windowTitle()))
        platform::MsgBox(QStringLiteral("The test results could not be printed. Please check that a printer is "
                                        "installed and set as the default printer."),
                         platform::vbCritical);
}

void frmLearnNumerologyMain::cmdGoToMain_Click() { bringToFront(0); }
