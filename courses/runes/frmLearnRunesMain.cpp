// The runes course window.
#include "courses/runes/frmLearnRunesMain.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "courses/runes/frmLearnRunesMeaningTest.h"
#include "courses/runes/logic/modLearnRunes.h"
#include "courses/runes/rune_pictures.h"
#include "courses/runes/runes_widgets.h"
#include "platform/message_box.h"
#include "shell/course_commands.h"
#include "shell/exact_text.h"
#include "shell/fixed_columns_font.h"
#include "shell/start_page.h"
#include "shell/value_label.h"

using namespace runes_widgets;
using namespace modLearnRunes;
using namespace modLearnRunesTest;

namespace {

QPlainTextEdit* makeTextBox(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* box = named(new QPlainTextEdit(parent), name);
    box->setAccessibleName(accessibleName);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QPlainTextEdit* makeReadOnlyTextBox(const QString& name, const QString& accessibleName, QWidget* parent)
{
    QPlainTextEdit* box = makeTextBox(name, accessibleName, parent);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return box;
}

QLineEdit* makeLineBox(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* box = named(new QLineEdit(parent), name);
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    return box;
}

QList<bool> ticksOf(const auto& boxes)
{
    QList<bool> ticks;
    for (const QCheckBox* box : boxes)
        ticks << box->isChecked();
    return ticks;
}

QStringList captionsOf(const auto& boxes)
{
    QStringList captions;
    for (const QCheckBox* box : boxes)
        captions << box->text();
    return captions;
}

} // namespace

frmLearnRunesMain::frmLearnRunesMain()
    : CourseWindow(FormName, QStringLiteral("Velmora Learn Runes"), {780, 540},
                   {.margin = 6,
                    .spacing = 8,
                    .links = CourseLinks{.forumName = QStringLiteral("Label14"),
                                         .forumText = course_commands::ForumInvitationText()}})
{
    QFont f = font();
    f.setPointSizeF(9);
    setFont(f);

    mnuExit = addExitItem("mnuExit", QStringLiteral("E&xit"));
    addToLinkColumn(buildPageButtons());
    pages = makePages();
    picSettings = buildSettingsPage();
    picMemorizeStones = buildStudyPage();
    picTestSetUp = buildTestSetUpPage();
    picTestKeywords = buildKeywordPage();
    picTestResult = buildResultPage();
    picGoals = buildGoalsPage();
    for (QWidget* page : {picSettings, picMemorizeStones, picTestSetUp, picTestKeywords, picTestResult, picGoals})
        pages->addWidget(page);

    // Boxes that show course texts, results and goals empty the clipboard when touched.
    for (QPlainTextEdit* box : txtMeaning)
        course_commands::guardCopy(box);
    for (QWidget* box : std::initializer_list<QWidget*>{txtKeywords, txtAlternativeNames, txtResult, txtGoal1, txtGoal2})
        course_commands::guardCopy(box);

    // Lay the study page out at its final size now, so the texts the load step puts in are
    // laid out once, not first at a provisional width and again when the window shows.
    layout()->activate();
    picMemorizeStones->setGeometry(pages->contentsRect());
    picMemorizeStones->layout()->activate();
}

// ---- building ----

QWidget* frmLearnRunesMain::buildPageButtons()
{
    auto* column = named(new QWidget(this), QStringLiteral("pageButtons"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::array<const char*, 4> captions{"Settings", "Memorize Stones", "Test Set Up", "Goals"};
    for (int i = 0; i < 4; ++i) {
        cmdSubjects[i] = make<QPushButton>(elementName("cmdSubjects", i), QString::fromLatin1(captions[i]), column);
        cmdSubjects[i]->setMinimumHeight(30);
        connect(cmdSubjects[i], &QPushButton::clicked, this, [this, i] { cmdSubjects_Click(i); });
        layout->addWidget(cmdSubjects[i]);
    }
    return column;
}

QWidget* frmLearnRunesMain::buildSettingsPage()
{
    auto* page = named(new QWidget, QStringLiteral("picSettings"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 0, 4, 0);

    Label2[0] = makeText(elementName("Label2", 0),
        QStringLiteral("Learn Runes teaches you the names, meanings, keywords and other names of the 24 rune "
                       "stones of the Elder Futhark, and then tests what you have learned."), page);
    Label2[1] = makeText(elementName("Label2", 1),
        QStringLiteral("Choose one or more of the below Stone Groups to start your Rune Lessons Now!"), page);
    QFont bold = Label2[1]->font();
    bold.setBold(true);
    Label2[1]->setFont(bold);
    lblLabel[0] = makeText(elementName("lblLabel", 0),
        QStringLiteral("The 24 rune stones have been divided into three stone groups or 'Aett', each containing "
                       "eight stones, for your study and to make the subject more simple and interesting. Please "
                       "select your preferred Stone Group or Aett."), page);
    layout->addWidget(Label2[0]);
    layout->addWidget(lblLabel[0]);
    layout->addWidget(Label2[1]);

    Frame2 = make<QGroupBox>(QStringLiteral("Frame2"), QStringLiteral("Stone Groups"), page);
    auto* groups = new QGridLayout(Frame2);
    groups->setColumnStretch(1, 1);
    for (int i = 0; i < 3; ++i) {
        chkGroups[i] = make<QCheckBox>(elementName("chkGroups", i), AettCaption(i), Frame2);
        lblLabel[i + 1] = makeText(elementName("lblLabel", i + 1), AettTheme(i), Frame2);
        groups->addWidget(chkGroups[i], i, 0, Qt::AlignTop);
        groups->addWidget(lblLabel[i + 1], i, 1);
    }
    layout->addWidget(Frame2);

    auto* lower = new QHBoxLayout;
    Frame1 = make<QGroupBox>(QStringLiteral("Frame1"), QStringLiteral("Stone Meanings"), page);
    auto* meanings = new QVBoxLayout(Frame1);
    const std::array<const char*, 3> meaningCaptions{"Upright Meanings", "Reversed Meanings", "Merkstave Meanings"};
    for (int i = 0; i < 3; ++i) {
        chkMeanings[i] = make<QCheckBox>(elementName("chkMeanings", i), QString::fromLatin1(meaningCaptions[i]), Frame1);
        meanings->addWidget(chkMeanings[i]);
    }
    Frame3 = make<QGroupBox>(QStringLiteral("Frame3"), QStringLiteral("Stone Objects"), page);
    auto* objects = new QVBoxLayout(Frame3);
    const std::array<const char*, 2> objectCaptions{"Keywords", "Also Known As"};
    for (int i = 0; i < 2; ++i) {
        chkObjects[i] = make<QCheckBox>(elementName("chkObjects", i), QString::fromLatin1(objectCaptions[i]), Frame3);
        objects->addWidget(chkObjects[i]);
    }
    objects->addStretch(1);
    lower->addWidget(Frame1, 1);
    lower->addWidget(Frame3, 1);
    layout->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    cmdMemorize = make<QPushButton>(QStringLiteral("cmdMemorize"), QStringLiteral("Memorize Meanings / Keywords"), page);
    cmdSaveSettings = make<QPushButton>(QStringLiteral("cmdSaveSettings"), QStringLiteral("Save Current Settings As Default"), page);
    connect(cmdMemorize, &QPushButton::clicked, this, &frmLearnRunesMain::cmdMemorize_Click);
    connect(cmdSaveSettings, &QPushButton::clicked, this, &frmLearnRunesMain::cmdSaveSettings_Click);
    buttons->addWidget(cmdMemorize);
    buttons->addWidget(cmdSaveSettings);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return page;
}

QWidget* frmLearnRunesMain::buildStudyPage()
{
    auto* page = named(new QWidget, QStringLiteral("picMemorizeStones"));
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setVerticalSpacing(3);

    const std::array<const char*, 5> captions{"Normal Meaning", "Reverse Meaning", "Markstave Meaning", "Keywords", "Alternative Names"};
    for (int i = 0; i < 5; ++i)
        lblMeaningCaption[i] = make<QLabel>(elementName("lblMeaningCaption", i), QString::fromLatin1(captions[i]), page);
    for (int i = 0; i < 3; ++i) {
        txtMeaning[i] = makeReadOnlyTextBox(elementName("txtMeaning", i), QString::fromLatin1(captions[i]), page);
        lblMeaningCaption[i]->setBuddy(txtMeaning[i]);
    }
    txtKeywords = makeLineBox(QStringLiteral("txtKeywords"), QString::fromLatin1(captions[3]), page);
    txtAlternativeNames = makeLineBox(QStringLiteral("txtAlternativeNames"), QString::fromLatin1(captions[4]), page);
    lblMeaningCaption[3]->setBuddy(txtKeywords);
    lblMeaningCaption[4]->setBuddy(txtAlternativeNames);

    lblStoneName = makeTitle(QStringLiteral("lblStoneName"), QStringLiteral("Stone Name"), page, 14);
    const QSize stone(StonePictureWidth, StonePictureHeight);
    picStone[0] = makePicture(elementName("picStone", 0), QStringLiteral("Upright stone"), page, stone);
    picStone[1] = makePicture(elementName("picStone", 1), QStringLiteral("Turned stone"), page, stone);

    // Left: name and the two stones; right: the upright meaning beside them; below, the
    // two other meanings side by side, then keywords and other names.
    auto* stones = new QHBoxLayout;
    stones->addWidget(picStone[0]);
    stones->addWidget(picStone[1]);
    layout->addWidget(lblStoneName, 0, 0, 1, 2);
    layout->addWidget(lblMeaningCaption[0], 0, 2, 1, 2, Qt::AlignBottom);
    layout->addLayout(stones, 1, 0, 1, 2, Qt::AlignTop);
    layout->addWidget(txtMeaning[0], 1, 2, 1, 2);
    layout->addWidget(lblMeaningCaption[1], 2, 0, 1, 2);
    layout->addWidget(lblMeaningCaption[2], 2, 2, 1, 2);
    layout->addWidget(txtMeaning[1], 3, 0, 1, 2);
    layout->addWidget(txtMeaning[2], 3, 2, 1, 2);
    layout->addWidget(lblMeaningCaption[3], 4, 0, 1, 4);
    layout->addWidget(txtKeywords, 5, 0, 1, 4);
    layout->addWidget(lblMeaningCaption[4], 6, 0, 1, 4);
    layout->addWidget(txtAlternativeNames, 7, 0, 1, 4);
    layout->setRowStretch(1, 3);
    layout->setRowStretch(3, 2);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(3, 1);

    cmdBack = make<QPushButton>(QStringLiteral("cmdBack"), QStringLiteral("<< Back"), page);
    cmdNext = make<QPushButton>(QStringLiteral("cmdNext"), QStringLiteral("Next >>"), page);
    connect(cmdBack, &QPushButton::clicked, this, &frmLearnRunesMain::cmdBack_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmLearnRunesMain::cmdNext_Click);
    auto* steps = new QHBoxLayout;
    steps->addWidget(cmdBack);
    steps->addStretch(1);
    steps->addWidget(cmdNext);
    layout->addLayout(steps, 8, 0, 1, 4);
    return page;
}

QWidget* frmLearnRunesMain::buildTestSetUpPage()
{
    auto* page = named(new QWidget, QStringLiteral("picTestSetUp"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 0, 4, 0);
    testSteps = named(new QStackedWidget(page), QStringLiteral("testSteps"));
    layout->addWidget(testSteps);

    // One step of the wizard: an instruction, a row per choice with its description in a
    // small frame beside it, and the step buttons.
    auto makeStep = [this](const char* name, int instruction, const QString& instructionText) {
        auto* step = named(new QFrame, QString::fromLatin1(name));
        auto* grid = new QGridLayout(step);
        grid->setColumnStretch(1, 1);
        grid->setHorizontalSpacing(12);
        lblCaptions[instruction] = makeTitle(elementName("lblCaptions", instruction), instructionText, step, 11);
        grid->addWidget(lblCaptions[instruction], 0, 0, 1, 2);
        testSteps->addWidget(step);
        return std::pair{step, grid};
    };
    auto addChoice = [this](QFrame* step, QGridLayout* grid, int row, QAbstractButton* choice, int frame, int label,
                            const QString& title, const QString& text) {
        fraCaptions[frame] = make<QGroupBox>(elementName("fraCaptions", frame), title, step);
        lblCaptions[label] = makeText(elementName("lblCaptions", label), text, fraCaptions[frame]);
        (new QVBoxLayout(fraCaptions[frame]))->addWidget(lblCaptions[label]);
        grid->addWidget(choice, row, 0, Qt::AlignTop);
        grid->addWidget(fraCaptions[frame], row, 1);
    };
    auto addButtons = [this](QFrame* step, QGridLayout* grid, int row, int back, int next) {
        auto* buttons = new QHBoxLayout;
        if (back >= 0) {
            cmdTestBack[back] = make<QPushButton>(elementName("cmdTestBack", back), QStringLiteral("Back"), step);
            connect(cmdTestBack[back], &QPushButton::clicked, this, [this, back] { cmdTestBack_Click(back); });
            buttons->addWidget(cmdTestBack[back]);
        }
        buttons->addStretch(1);
        cmdTestNext[next] = make<QPushButton>(elementName("cmdTestNext", next), QStringLiteral("Next"), step);
        connect(cmdTestNext[next], &QPushButton::clicked, this, [this, next] { cmdTestNext_Click(next); });
        buttons->addWidget(cmdTestNext[next]);
        grid->setRowStretch(row, 1);
        grid->addLayout(buttons, row + 1, 0, 1, 2);
    };

    {
        auto [step, grid] = makeStep("fraTestSubjects", 2, QStringLiteral("Select your preferred test set up."));
        fraTestSubjects = step;
        optTestSubjects[0] = make<QRadioButton>(elementName("optTestSubjects", 0), QStringLiteral("Stone Meanings"), step);
        optTestSubjects[1] = make<QRadioButton>(elementName("optTestSubjects", 1), QStringLiteral("Stone Keywords"), step);
        addChoice(step, grid, 1, optTestSubjects[0], 0, 0, QStringLiteral("Stone Meanings"),
                  QStringLiteral("Stone Meanings lets you to test your ability to interpret the different meanings of "
                                 "the different rune stones."));
        addChoice(step, grid, 2, optTestSubjects[1], 1, 1, QStringLiteral("Stone Keywords"),
                  QStringLiteral("Each rune stone is associated with a particular keyword. Stone Keywords help you to "
                                 "interpret the keywords associated with the different rune stones."));
        addButtons(step, grid, 3, -1, 0);
    }
    {
        auto [step, grid] = makeStep("fraTestType", 8, QStringLiteral("Select your preferred position."));
        fraTestType = step;
        const std::array<const char*, 3> captions{"Upright Stones", "Reversed Stones", "Merkstave Stones"};
        for (int i = 0; i < 3; ++i)
            chkTestType[i] = make<QCheckBox>(elementName("chkTestType", i), QString::fromLatin1(captions[i]), step);
        addChoice(step, grid, 1, chkTestType[0], 4, 6, QStringLiteral("Upright Stones"),
                  QStringLiteral("This displays the meanings of the image of the stone seen in the upright position."));
        addChoice(step, grid, 2, chkTestType[1], 5, 7, QStringLiteral("Reversed Stones"),
                  QStringLiteral("This displays the reverse meanings of the reversed image of the stone seen in the "
                                 "reversed position."));
        addChoice(step, grid, 3, chkTestType[2], 6, 9, QStringLiteral("Markstave Stones"),
                  QStringLiteral("This displays the meanings of the image of the stone seen in the markstave position."));
        addButtons(step, grid, 4, 0, 1);
    }
    {
        auto [step, grid] = makeStep("fraTestLevel", 5, QStringLiteral("Select your preferred level."));
        fraTestLevel = step;
        optTestLevel[0] = make<QRadioButton>(elementName("optTestLevel", 0), QStringLiteral("Beginner"), step);
        optTestLevel[1] = make<QRadioButton>(elementName("optTestLevel", 1), QStringLiteral("Advanced"), step);
        addChoice(step, grid, 1, optTestLevel[0], 2, 3, QStringLiteral("Beginner"),
                  QStringLiteral("This is the best test set up for the learners of the subject. This allows you to test "
                                 "your skills at a very basic level."));
        addChoice(step, grid, 2, optTestLevel[1], 3, 4, QStringLiteral("Advanced"),
                  QStringLiteral("This set up allows you to test your skills at a higher level. This is the ideal level "
                                 "for the experienced people."));
        addButtons(step, grid, 3, 1, 2);
    }
    return page;
}

QWidget* frmLearnRunesMain::buildKeywordPage()
{
    auto* page = named(new QWidget, QStringLiteral("picTestKeywords"));
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setHorizontalSpacing(16);

    lblIndex = makeTitle(QStringLiteral("lblIndex"), QStringLiteral("Label1"), page, 11);
    lblTestStone = makeTitle(QStringLiteral("lblTestStone"), QStringLiteral("Stone Name"), page, 14);
    value_label::announce(lblIndex, QStringLiteral("Question"));
    value_label::announce(lblTestStone, QStringLiteral("Question about"));
    picTest = makePicture(QStringLiteral("picTest"), QStringLiteral("Rune stone asked"), page,
                          QSize(StonePictureWidth, StonePictureHeight));
    lblCaption = makeText(QStringLiteral("lblCaption"), QStringLiteral("You must choose only 1 Keyword"), page);

    auto* options = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        chkKeywords[i] = make<QCheckBox>(elementName("chkKeywords", i), QStringLiteral("Keywords"), page);
        connect(chkKeywords[i], &QCheckBox::toggled, this, [this, i] { chkKeywords_Click(i); });
        options->addWidget(chkKeywords[i], i, 0);
    }
    cmdNextQuestion = make<QPushButton>(QStringLiteral("cmdNextQuestion"), QStringLiteral("Next"), page);
    connect(cmdNextQuestion, &QPushButton::clicked, this, &frmLearnRunesMain::cmdNextQuestion_Click);

    layout->addWidget(lblIndex, 0, 0, 1, 2);
    layout->addWidget(lblTestStone, 1, 0);
    layout->addWidget(lblCaption, 1, 1);
    layout->addWidget(picTest, 2, 0, Qt::AlignTop);
    layout->addLayout(options, 2, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdNextQuestion);
    layout->addLayout(buttons, 4, 0, 1, 2);
    return page;
}

QWidget* frmLearnRunesMain::buildResultPage()
{
    auto* page = named(new QWidget, QStringLiteral("picTestResult"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 0, 4, 0);
    lblResultTitle = makeTitle(QStringLiteral("lblResultTitle"), QStringLiteral("Your Test Result"), page, 12);
    txtResult = makeReadOnlyTextBox(QStringLiteral("txtResult"), QStringLiteral("Result"), page);
    // Fixed columns: one advance for every character, and no wrapping of the long lines.
    txtResult->setFont(fixed_columns::fixedColumnsFont(9));
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(lblResultTitle);
    layout->addWidget(txtResult, 1);
    return page;
}

QWidget* frmLearnRunesMain::buildGoalsPage()
{
    auto* page = named(new QWidget, QStringLiteral("picGoals"));
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(4, 0, 4, 0);
    auto addGoal = [&](int goal, QCheckBox*& box, QPlainTextEdit*& text, QPushButton*& save) {
        const QString n = QString::number(goal);
        box = make<QCheckBox>(QStringLiteral("chkGoal") + n, QStringLiteral("Goal ") + n, page);
        text = makeTextBox(QStringLiteral("txtGoal") + n, QStringLiteral("Goal ") + n, page);
        save = make<QPushButton>(QStringLiteral("cmdGoal") + n, QStringLiteral("Save"), page);
        text->setEnabled(false);
        save->setEnabled(false);
        const int row = (goal - 1) * 2;
        layout->addWidget(box, row, 0, 1, 2);
        layout->addWidget(text, row + 1, 0);
        layout->addWidget(save, row + 1, 1, Qt::AlignBottom);
        layout->setRowStretch(row + 1, 1);
    };
    addGoal(1, chkGoal1, txtGoal1, cmdGoal1);
    addGoal(2, chkGoal2, txtGoal2, cmdGoal2);
    // Every change of a goal's tick (mouse, keyboard, program or a screen reader's toggle)
    // locks or unlocks its box.
    connect(chkGoal1, &QCheckBox::toggled, this, &frmLearnRunesMain::chkGoal1_Click);
    connect(chkGoal2, &QCheckBox::toggled, this, &frmLearnRunesMain::chkGoal2_Click);
    connect(cmdGoal1, &QPushButton::clicked, this, &frmLearnRunesMain::cmdGoal1_Click);
    connect(cmdGoal2, &QPushButton::clicked, this, &frmLearnRunesMain::cmdGoal2_Click);
    return page;
}

// ---- load and unload ----

void frmLearnRunesMain::loadStep()
{
    txtGoal1->setPlainText(m_goalFile1.Load());
    txtGoal2->setPlainText(m_goalFile2.Load());

    setBoxes(LoadStudySettings().value_or(StudySettings::allTicked()));
    cmdMemorize_Click();
    bringToFront(picSettings);
}

// ---- pages ----

void frmLearnRunesMain::bringToFront(QWidget* page) { pages->setCurrentWidget(page); }

void frmLearnRunesMain::bringStepToFront(QWidget* step) { testSteps->setCurrentWidget(step); }

void frmLearnRunesMain::switchPage(int index)
{
    switch (index) {
    case 0: bringToFront(picSettings); break;
    case 1:
        m_study.StudyPosition = 0;
        cmdBack->setEnabled(false);
        cmdNext->setEnabled(true);
        bringToFront(picMemorizeStones);
        break;
    case 2:
        bringToFront(picTestSetUp);
        bringStepToFront(fraTestSubjects);
        break;
    case 3: bringToFront(picGoals); break;
    default: break;
    }
}

void frmLearnRunesMain::cmdSubjects_Click(int index)
{
    switchPage(index);
    // The study page shows the rune its reset position and step buttons stand for.
    if (index == 1 && !m_study.StudyList.empty())
        ShowStudyRune(m_study.StudyList.front());
}

void frmLearnRunesMain::ShowResultPage(const QString& resultList)
{
    txtResult->clear();
    txtResult->setPlainText(resultList);
    platform::Forms::showMdiChild(this);
    bringToFront(picTestResult);
}

void frmLearnRunesMain::ReturnToTestSetUp()
{
    platform::Forms::showMdiChild(this);
    switchPage(2);
}

// ---- settings ----

StudySettings frmLearnRunesMain::boxSettings() const
{
    StudySettings s;
    for (int i = 0; i < 3; ++i) {
        s.groups[i] = chkGroups[i]->isChecked();
        s.meanings[i] = chkMeanings[i]->isChecked();
    }
    for (int i = 0; i < 2; ++i)
        s.objects[i] = chkObjects[i]->isChecked();
    return s;
}

void frmLearnRunesMain::setBoxes(const StudySettings& settings)
{
    for (int i = 0; i < 3; ++i) {
        chkGroups[i]->setChecked(settings.groups[i]);
        chkMeanings[i]->setChecked(settings.meanings[i]);
    }
    for (int i = 0; i < 2; ++i)
        chkObjects[i]->setChecked(settings.objects[i]);
}

void frmLearnRunesMain::cmdSaveSettings_Click() { saveSettings(true); }

void frmLearnRunesMain::saveSettings(bool reportWriteFailure)
{
    const StudySettings settings = boxSettings();
    const QString problem = StudySettingsProblem(settings);
    if (!problem.isEmpty()) {
        platform::MsgBox(problem, platform::vbCritical);
        SettingsValid = false;
        return;
    }
    // Boxes that pass the checks can be studied even when they could not be stored.
    if (!SaveStudySettings(settings) && reportWriteFailure)
        platform::MsgBox(StudySettingsNotSavedMessage(), platform::vbCritical);
    SettingsValid = true;
}

// ---- study ----

void frmLearnRunesMain::Memorize_Stone()
{
    m_study.BuildStudyList({chkGroups[0]->isChecked(), chkGroups[1]->isChecked(), chkGroups[2]->isChecked()});
}

void frmLearnRunesMain::cmdMemorize_Click()
{
    saveSettings(false);
    if (!SettingsValid)
        return;
    SettingsValid = false;
    switchPage(1);
    Memorize_Stone();
    if (!m_study.StudyList.empty())
        ShowStudyRune(m_study.StudyList.front());
    m_study.StudyPosition = 0;
}

void frmLearnRunesMain::ShowStudyRune(int rune)
{
    FillRuneTables();
    lblStoneName->setText(StoneNames[rune]);
    txtMeaning[0]->setPlainText(UprightMeanings[rune]);
    txtMeaning[1]->setPlainText(ReversedMeanings[rune]);
    txtMeaning[2]->setPlainText(MerkstaveMeanings[rune]);
    const QPixmap picture = StonePicture(rune);
    picStone[0]->setPixmap(picture);
    picStone[1]->setPixmap(picture);
    DrawReversedStone(picStone[1]);
    QStringList keywords;
    for (int k = rune * KeywordsPerRune; k < (rune + 1) * KeywordsPerRune; ++k)
        keywords << StoneKeywords[k];
    txtKeywords->setText(keywords.join(QStringLiteral(", ")));
    QStringList names;
    for (int k = rune * AlternativeNamesPerRune; k < (rune + 1) * AlternativeNamesPerRune; ++k)
        names << AlternativeNames[k];
    txtAlternativeNames->setText(names.join(QStringLiteral(", ")));
}

void frmLearnRunesMain::cmdNext_Click()
{
    const std::vector<int>& StudyList = m_study.StudyList;
    int& StudyPosition = m_study.StudyPosition;
    const int count = int(StudyList.size());
    if (count == 0)
        return;
    ++StudyPosition;
    if (StudyPosition < count) {
        ShowStudyRune(StudyList[StudyPosition]);
        cmdNext->setEnabled(true);
        cmdBack->setEnabled(true);
        return;
    }
    StudyPosition = count - 1;
    cmdNext->setEnabled(false);
    const int answer = platform::MsgBox(
        QStringLiteral("You Are Ready To Give Test\rAre You Sure You Want To Give Test"),
        platform::vbYesNo + platform::vbInformation);
    if (answer == platform::vbYes)
        switchPage(2);
}

void frmLearnRunesMain::cmdBack_Click()
{
    const std::vector<int>& StudyList = m_study.StudyList;
    int& StudyPosition = m_study.StudyPosition;
    if (StudyList.empty())
        return;
    --StudyPosition;
    if (StudyPosition >= 0 && StudyPosition < int(StudyList.size())) {
        ShowStudyRune(StudyList[StudyPosition]);
        cmdNext->setEnabled(true);
        cmdBack->setEnabled(true);
        return;
    }
    StudyPosition = 0;
    cmdBack->setEnabled(false);
}

// ---- test set-up wizard ----

void frmLearnRunesMain::cmdTestNext_Click(int index)
{
    switch (index) {
    case 0:
        if (!optTestSubjects[0]->isChecked() && !optTestSubjects[1]->isChecked()) {
            platform::MsgBox(QStringLiteral("Please Select A Test Subject"), platform::vbCritical);
            return;
        }
        bringStepToFront(optTestSubjects[0]->isChecked() ? fraTestType : fraTestLevel);
        break;
    case 1:
        if (!chkTestType[0]->isChecked() && !chkTestType[1]->isChecked() && !chkTestType[2]->isChecked()) {
            platform::MsgBox(QStringLiteral("Please Select At Least 1 Stone Type"), platform::vbCritical);
            return;
        }
        for (int i = 0; i < 3; ++i)
            m_testRun.StonePositions[i] = chkTestType[i]->isChecked() ? PositionAsked : 0;
        bringStepToFront(fraTestLevel);
        break;
    case 2:
        if (!optTestLevel[0]->isChecked() && !optTestLevel[1]->isChecked()) {
            platform::MsgBox(QStringLiteral("Please Select A Test Level"), platform::vbCritical);
            return;
        }
        if (optTestSubjects[0]->isChecked())
            startMeaningTest();
        else
            startKeywordTest();
        break;
    default: break;
    }
}

void frmLearnRunesMain::cmdTestBack_Click(int index)
{
    if (index == 0)
        bringStepToFront(fraTestSubjects);
    else if (index == 1)
        bringStepToFront(optTestSubjects[0]->isChecked() ? fraTestType : fraTestSubjects);
}

void frmLearnRunesMain::startKeywordTest()
{
    m_testRun.ShuffleQuestionOrder();
    m_testRun.TestLevel = optTestLevel[0]->isChecked() ? BeginnerLevel : AdvancedLevel;
    m_testRun.KeywordQuestionNo = 0;
    cmdNextQuestion->setVisible(true);
    bringToFront(picTestKeywords);
}

void frmLearnRunesMain::startMeaningTest()
{
    // The meaning window runs a run of its own, set up here with the positions of step 2, so
    // that the keyword run of this window keeps its state.
    TestRun run = m_testRun;
    run.ShuffleQuestionOrder();
    run.TestLevel = optTestLevel[0]->isChecked() ? BeginnerLevel : AdvancedLevel;
    run.MeaningQuestionNo = 0;
    auto* meaningTest = platform::Forms::instance<frmLearnRunesMeaningTest>();
    meaningTest->startRun(run);
    platform::Forms::showMdiChild(meaningTest);
    frame()->hide();
    start_page::SetVisible(false);
}

// ---- keyword test ----

void frmLearnRunesMain::ShowKeywordQuestion()
{
    const Question q = m_testRun.BuildKeywordQuestion();
    for (int i = 0; i < int(chkKeywords.size()); ++i) {
        chkKeywords[i]->setVisible(i < q.options.size());
        chkKeywords[i]->setChecked(false);
        if (i < q.options.size())
            chkKeywords[i]->setText(q.options[i]);
    }
    lblCaption->setText(q.choiceCaption);
    lblIndex->setText(q.indexCaption);
    lblTestStone->setText(q.stoneName);
    picTest->setPixmap(StonePicture(q.rune));
}

void frmLearnRunesMain::cmdNextQuestion_Click()
{
    m_ticks.reset();
    const NextPress press = m_testRun.PressNext(TestKind::Keywords, captionsOf(chkKeywords), ticksOf(chkKeywords));
    m_ticks.TickedCount = press.tickedCount;
    switch (press.outcome) {
    case NextPress::Refused: platform::MsgBox(press.message, platform::vbCritical); break;
    case NextPress::ShowQuestion: ShowKeywordQuestion(); break;
    case NextPress::ShowResults:
        txtResult->clear();
        txtResult->setPlainText(press.resultList);
        bringToFront(picTestResult);
        break;
    }
}

void frmLearnRunesMain::chkKeywords_Click(int index)
{
    if (m_ticks.click(chkKeywords[index]->isChecked(), m_testRun.RequiredTicks()))
        cmdNextQuestion->setFocus();
}

// ---- goals ----

void frmLearnRunesMain::enableGoal(QCheckBox* box, QPushButton* save, QPlainTextEdit* text)
{
    const bool on = box->isChecked();
    save->setEnabled(on);
    text->setEnabled(on);
}

void frmLearnRunesMain::chkGoal1_Click() { enableGoal(chkGoal1, cmdGoal1, txtGoal1); }

void frmLearnRunesMain::chkGoal2_Click() { enableGoal(chkGoal2, cmdGoal2, txtGoal2); }

void frmLearnRunesMain::saveGoal(GoalFile& file, int goal, QPlainTextEdit* text)
{
    if (!file.Save(exactPlainText(text)))
        platform::MsgBox(QStringLiteral("Goal %1 could not be saved. Please check that the folder %2 can be written to.")
                             .arg(goal)
                             .arg(QDir::toNativeSeparators(QFileInfo(GoalFilePath(goal)).absolutePath())),
                         platform::vbCritical);
}

void frmLearnRunesMain::cmdGoal1_Click() { saveGoal(m_goalFile1, 1, txtGoal1); }

void frmLearnRunesMain::cmdGoal2_Click() { saveGoal(m_goalFile2, 2, txtGoal2); }
