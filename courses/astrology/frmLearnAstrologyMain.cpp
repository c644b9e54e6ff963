// The astrology course window.
#include "courses/astrology/frmLearnAstrologyMain.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "courses/astrology/astrology_pictures.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "shell/choice_column.h"
#include "shell/choice_text_box.h"
#include "shell/colour_area.h"
#include "shell/course_commands.h"
#include "shell/course_title.h"
#include "shell/course_widgets.h"
#include "shell/report_writer.h"
#include "shell/value_label.h"

using namespace modLearnAstrologyRun;
using namespace modLearnAstrologyTest;

namespace {

using course_widgets::elementName;
using course_widgets::makeButton;
using course_widgets::makeText;
using course_widgets::named;

const QColor PageColour(0, 70, 40);
const QColor SideColour(0, 45, 25);
const QColor LabelColour(235, 240, 220);
const QColor TitleColour(255, 225, 130);
const QColor LinkColour(170, 215, 255);

const QStringList LearnSubjects{QStringLiteral("Learn By Signs"), QStringLiteral("Learn By Planets"),
                                QStringLiteral("Learn By Houses")};
const QStringList TestSubjects{QStringLiteral("Test By Signs"), QStringLiteral("Test By Planets"),
                               QStringLiteral("Test By Houses")};

QLabel* makeTitle(const QString& name, QWidget* parent, qreal pointSize)
{
    QLabel* label = makeText(name, QString(), parent);
    styleAsTitle(label, pointSize, TitleColour);
    return label;
}

// A box that shows a glyph at its designed size. Hidden (houses have no glyph), it gives its
// place up to the name beside it.
QLabel* makePicture(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* picture = named(new QLabel(parent), name);
    picture->setFixedSize(modLearnAstrology::PlanetPictureWidth + 4, modLearnAstrology::PlanetPictureHeight + 4);
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(accessibleName);
    return picture;
}

QComboBox* makeList(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* list = named(new QComboBox(parent), name);
    list->setAccessibleName(accessibleName);
    list->setMinimumWidth(260);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

// A page: a dark green frame with light texts.
QFrame* makePage(const char* name)
{
    auto* page = named(new QFrame, QString::fromLatin1(name));
    colour_area::paintArea(page, PageColour, LabelColour);
    return page;
}

} // namespace

frmLearnAstrologyMain::frmLearnAstrologyMain()
    : CourseWindow(FormName, QStringLiteral("Velmora Learn Astrology"), {780, 540},
                   {.fileMenuName = "nuFile",
                    .updateCaption = QStringLiteral("&Check for Software Update"),
                    .links = CourseLinks{
                        QStringLiteral("Learn Astrology"), QStringLiteral("Label61"),
                        QStringLiteral("Velmora is the free online forum where students of astrology talk about "
                                       "signs, planets and houses. Ask your questions, share your chart readings "
                                       "and learn from other members. Visit Velmora Now."),
                        LinkColumnColours{SideColour, LabelColour, TitleColour, LinkColour}}})
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(9);
    setFont(f);

    mnuExit = addExitItem("mnuExit", QStringLiteral("E&xit"));
    pages = makePages();
    Frame1 = buildOptionsPage();
    Frame2 = buildLearnPage();
    Frame3 = buildTestPage();
    Frame4 = buildResultPage();
    for (QFrame* page : {Frame1, Frame2, Frame3, Frame4})
        pages->addWidget(page);

    // The report and the answer texts empty the clipboard when touched or changed.
    course_commands::guardCopy(RTB);
    for (ChoiceTextBox* box : txtAnswer_Choice)
        course_commands::guardCopy(box);
}

QString frmLearnAstrologyMain::LabelCaption(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == QLatin1Char('&') && i + 1 < caption.size()) {
            // "&&" shows one ampersand; "&x" shows x as the access key.
            shown += caption[++i];
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < caption.size() && caption[i + 1] == QLatin1Char('\n'))
            continue;
        shown += c;
    }
    return shown;
}

// ---- building ----

QFrame* frmLearnAstrologyMain::buildOptionsPage()
{
    QFrame* page = makePage("Frame1");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);

    const std::array<const char*, 3> texts{
        "Welcome to the world of learning the significance of astrology, signs, stars, planets and houses!",
        "This software aims to help you understand the importance of astrology better and learn the effects and "
        "attributes of the signs, planets and houses.",
        "Select one option below and click on the Next button to continue."};
    addIntroTexts(layout, Label1, "Label1", texts, page, TitleColour);

    auto* choices = new QGridLayout;
    choices->setContentsMargins(0, 10, 0, 0);
    choices->setHorizontalSpacing(16);
    choices->setVerticalSpacing(6);
    optOption[0] = named(new QRadioButton(QStringLiteral("Learn Option"), page), elementName("optOption", 0));
    optOption[1] = named(new QRadioButton(QStringLiteral("Test Criteria"), page), elementName("optOption", 1));
    cboLearnOptionMain = makeList(QStringLiteral("cboLearnOptionMain"), QStringLiteral("Learn subject"), page);
    cboLearnOptionSub = makeList(QStringLiteral("cboLearnOptionSub"), QStringLiteral("Learn attribute"), page);
    cboTestOptionMain = makeList(QStringLiteral("cboTestOptionMain"), QStringLiteral("Test subject"), page);
    cboTestOptionSub = makeList(QStringLiteral("cboTestOptionSub"), QStringLiteral("Test attribute"), page);
    choices->addWidget(optOption[0], 0, 0);
    choices->addWidget(cboLearnOptionMain, 0, 1);
    choices->addWidget(cboLearnOptionSub, 1, 1);
    choices->setRowMinimumHeight(2, 14);
    choices->addWidget(optOption[1], 3, 0);
    choices->addWidget(cboTestOptionMain, 3, 1);
    choices->addWidget(cboTestOptionSub, 4, 1);
    choices->setColumnStretch(2, 1);
    layout->addLayout(choices);
    layout->addStretch(1);

    for (int i = 0; i < 2; ++i)
        // Any change of the choice runs the rule: mouse, keyboard, program or a screen reader's toggle.
        connect(optOption[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                optOption_Click(i);
        });
    connect(cboLearnOptionMain, &QComboBox::activated, this, &frmLearnAstrologyMain::cboLearnOptionMain_Click);
    connect(cboTestOptionMain, &QComboBox::activated, this, &frmLearnAstrologyMain::cboTestOptionMain_Click);

    cmdNext = makeButton(QStringLiteral("cmdNext"), QStringLiteral("Next"), page,
                         this, &frmLearnAstrologyMain::cmdNext_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdNext);
    layout->addLayout(buttons);
    return page;
}

QFrame* frmLearnAstrologyMain::buildLearnPage()
{
    QFrame* page = makePage("Frame2");
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(10);

    for (int i = 0; i < 2; ++i)
        lblLabel[i] = makeTitle(elementName("lblLabel", i), page, 11);
    lblLabel[2] = makeTitle(elementName("lblLabel", 2), page, 14);
    lblLabel[2]->setWordWrap(false);
    lblLabel[3] = makeText(elementName("lblLabel", 3), QString(), page);
    lblLabel[3]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont text = lblLabel[3]->font();
    text.setPointSizeF(10);
    lblLabel[3]->setFont(text);
    picAstro = makePicture(QStringLiteral("picAstro"), QStringLiteral("Glyph"), page);

    auto* captions = new QHBoxLayout;
    captions->setSpacing(24);
    captions->addWidget(lblLabel[0]);
    captions->addWidget(lblLabel[1], 1);
    auto* name = new QHBoxLayout;
    name->setSpacing(12);
    name->addWidget(picAstro);
    name->addWidget(lblLabel[2], 1);
    layout->addLayout(captions, 0, 0);
    layout->addLayout(name, 1, 0);
    layout->addWidget(lblLabel[3], 2, 0);
    layout->setRowStretch(2, 1);

    cmdBackToMain[0] = makeButton(elementName("cmdBackToMain", 0), QStringLiteral("&Back To Main"), page, this,
                                    [this] { cmdBackToMain_Click(0); });
    cmdBackDesc = makeButton(QStringLiteral("cmdBackDesc"), QStringLiteral("Back"), page,
                             this, &frmLearnAstrologyMain::cmdBackDesc_Click);
    cmdNextDesc = makeButton(QStringLiteral("cmdNextDesc"), QStringLiteral("Next"), page,
                             this, &frmLearnAstrologyMain::cmdNextDesc_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBackToMain[0]);
    buttons->addStretch(1);
    buttons->addWidget(cmdBackDesc);
    buttons->addWidget(cmdNextDesc);
    layout->addLayout(buttons, 3, 0);
    return page;
}

QFrame* frmLearnAstrologyMain::buildTestPage()
{
    QFrame* page = makePage("Frame3");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(8);

    for (int i = 0; i < 2; ++i)
        lblTest[i] = makeTitle(elementName("lblTest", i), page, 11);
    lblTest[2] = makeTitle(elementName("lblTest", 2), page, 14);
    lblTest[2]->setWordWrap(false);
    value_label::announce(lblTest[2], QStringLiteral("Question about"));
    lblTest[3] = makeText(elementName("lblTest", 3), QStringLiteral("Select one option from the given choices below."), page);
    picTest = makePicture(QStringLiteral("picTest"), QStringLiteral("Glyph"), page);

    auto* captions = new QHBoxLayout;
    captions->setSpacing(24);
    captions->addWidget(lblTest[0]);
    captions->addWidget(lblTest[1], 1);
    auto* name = new QHBoxLayout;
    name->setSpacing(12);
    name->addWidget(picTest);
    name->addWidget(lblTest[2], 1);
    layout->addLayout(captions);
    layout->addLayout(name);
    layout->addWidget(lblTest[3]);

    auto* answers = new ChoiceColumn(QStringLiteral("answerArea"), {8, 6}, page);
    auto* group = new QButtonGroup(page);
    for (int i = 0; i < SlotCount; ++i) {
        std::tie(optAnswer_Choice[i], txtAnswer_Choice[i]) = answers->addRow("optAnswer_Choice", "txtAnswer_Choice", 3);
        // Named by its answer once a question is shown.
        optAnswer_Choice[i]->setAccessibleName(QStringLiteral("Choice %1").arg(i + 1));
        group->addButton(optAnswer_Choice[i], i);
        txtAnswer_Choice[i]->setAccessibleName(QStringLiteral("Answer choice %1").arg(i + 1));
        connect(txtAnswer_Choice[i], &ChoiceTextBox::clicked, this, [this, i] { txtAnswer_Choice_Click(i); });
    }
    optAnswer_Choice[0]->setChecked(true);
    layout->addWidget(answers, 1);

    cmdNextQuestion = makeButton(QStringLiteral("cmdNextQuestion"), QStringLiteral("Next Question"), page,
                                 this, &frmLearnAstrologyMain::cmdNextQuestion_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdNextQuestion);
    layout->addLayout(buttons);
    return page;
}

QFrame* frmLearnAstrologyMain::buildResultPage()
{
    QFrame* page = makePage("Frame4");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    RTB = named(new QTextEdit(page), QStringLiteral("RTB"));
    RTB->setAccessibleName(QStringLiteral("Test result"));
    RTB->setReadOnly(true);
    RTB->setAcceptRichText(false);
    layout->addWidget(RTB, 1);

    cmdBackToMain[1] = makeButton(elementName("cmdBackToMain", 1), QStringLiteral("&Back To Main"), page, this,
                                    [this] { cmdBackToMain_Click(1); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBackToMain[1]);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return page;
}

// ---- load and unload ----

void frmLearnAstrologyMain::loadStep()
{
    cboLearnOptionMain->addItems(LearnSubjects);
    cboTestOptionMain->addItems(TestSubjects);
    cboLearnOptionSub->addItems(AttributeCaptions(SubjectSigns));
    cboTestOptionSub->addItems(AttributeCaptions(SubjectSigns));

    // Picking entry 0 of a subject list by program runs its click step, as a user's pick does.
    cboLearnOptionMain->setCurrentIndex(0);
    cboLearnOptionMain_Click();
    cboLearnOptionSub->setCurrentIndex(0);
    cboTestOptionMain->setCurrentIndex(0);
    cboTestOptionMain_Click();
    cboTestOptionSub->setCurrentIndex(0);

    optOption[0]->setChecked(true);
    cboTestOptionMain->setEnabled(false);
    cboTestOptionSub->setEnabled(false);
    bringToFront(Frame1);
}

// ---- options page ----

void frmLearnAstrologyMain::bringToFront(QWidget* page) { pages->setCurrentWidget(page); }

void frmLearnAstrologyMain::optOption_Click(int index)
{
    const bool learn = index == 0;
    cboLearnOptionMain->setEnabled(learn);
    cboLearnOptionSub->setEnabled(learn);
    cboTestOptionMain->setEnabled(!learn);
    cboTestOptionSub->setEnabled(!learn);
}

void frmLearnAstrologyMain::fillAttributeList(QComboBox* subjects, QComboBox* attributes)
{
    attributes->clear();
    attributes->addItems(AttributeCaptions(subjects->currentIndex()));
    attributes->setCurrentIndex(0);
}

void frmLearnAstrologyMain::cboLearnOptionMain_Click() { fillAttributeList(cboLearnOptionMain, cboLearnOptionSub); }

void frmLearnAstrologyMain::cboTestOptionMain_Click() { fillAttributeList(cboTestOptionMain, cboTestOptionSub); }

void frmLearnAstrologyMain::cmdNext_Click()
{
    if (optOption[0]->isChecked()) {
        astrologyRun.StartRun(cboLearnOptionMain->currentIndex(), cboLearnOptionSub->currentIndex(),
                 cboLearnOptionMain->currentText(), cboLearnOptionSub->currentText());
        ShowLearnRecord();
        bringToFront(Frame2);
        return;
    }
    astrologyRun.StartRun(cboTestOptionMain->currentIndex(), cboTestOptionSub->currentIndex(), cboTestOptionMain->currentText(),
             cboTestOptionSub->currentText());
    ShowTestQuestion();
    bringToFront(Frame3);
}

// ---- learn page ----

void frmLearnAstrologyMain::showGlyph(QLabel* box, PictureList list, int item, const QString& name)
{
    box->setVisible(list != PictureList::None);
    if (list == PictureList::None)
        return;
    box->setPixmap(list == PictureList::Planets ? modLearnAstrology::PlanetPicture(item)
                                                : modLearnAstrology::SignPicture(item));
    box->setAccessibleName(QStringLiteral("Glyph of ") + name);
}

void frmLearnAstrologyMain::ShowLearnRecord()
{
    const LearnRecord record = astrologyRun.ShowLearnRecord();
    lblLabel[0]->setText(LabelCaption(record.subjectCaption));
    lblLabel[1]->setText(LabelCaption(record.attributeCaption));
    lblLabel[3]->setText(LabelCaption(record.text));
    lblLabel[2]->setText(LabelCaption(record.name));
    showGlyph(picAstro, record.pictures, record.pictureItem, record.name);
}

void frmLearnAstrologyMain::cmdNextDesc_Click()
{
    if (astrologyRun.NextRecord())
        ShowLearnRecord();
    else
        platform::MsgBox(QString::fromLatin1(LastRecordMessage), platform::vbInformation);
}

void frmLearnAstrologyMain::cmdBackDesc_Click()
{
    if (astrologyRun.PreviousRecord())
        ShowLearnRecord();
    else
        platform::MsgBox(QString::fromLatin1(FirstRecordMessage), platform::vbInformation);
}

void frmLearnAstrologyMain::cmdBackToMain_Click(int /*index*/)
{
    astrologyTest.EndRun();
    bringToFront(Frame1);
}

// ---- test page ----

void frmLearnAstrologyMain::ShowTestQuestion()
{
    const TestQuestion question = astrologyTest.ShowTestQuestion();
    lblTest[0]->setText(LabelCaption(question.subjectCaption));
    lblTest[1]->setText(LabelCaption(question.attributeCaption));
    lblTest[2]->setText(LabelCaption(question.name));
    for (int s = 0; s < SlotCount; ++s)
        txtAnswer_Choice[s]->setChoiceText(question.options[s]);
    showGlyph(picTest, question.pictures, question.pictureItem, question.name);
}

void frmLearnAstrologyMain::cmdNextQuestion_Click()
{
    int selected = -1;
    for (int s = 0; s < SlotCount && selected < 0; ++s)
        if (optAnswer_Choice[s]->isChecked())
            selected = s;
    if (selected >= 0)
        optAnswer_Choice[0]->setChecked(true);
    if (astrologyTest.AnswerQuestion(selected))
        ShowTestQuestion();
    else
        ShowTestResult();
}

void frmLearnAstrologyMain::txtAnswer_Choice_Click(int index)
{
    platform::ClearClipboard();
    optAnswer_Choice[index]->setChecked(true);
}

// ---- result page ----

void frmLearnAstrologyMain::ShowTestResult()
{
    writeReport(RTB, astrologyTest.ReportParts(), ReportFontSize);
    bringToFront(Frame4);
}
