// The meaning-test window of the runes course.
#include "courses/runes/frmLearnRunesMeaningTest.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "courses/runes/frmLearnRunesMain.h"
#include "shell/option_check_box.h"
#include "shell/value_label.h"
#include "courses/runes/rune_pictures.h"
#include "courses/runes/runes_widgets.h"
#include "platform/message_box.h"
#include "platform/process.h"

using namespace runes_widgets;
using namespace modLearnRunesTest;

frmLearnRunesMeaningTest::frmLearnRunesMeaningTest() : ChildWindow(FormName, QStringLiteral("Velmora Learn Runes"), {760, 540})
{
    QFont f = font();
    f.setPointSizeF(9);
    setFont(f);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(12);

    // Left: the question, the rune and how many options to tick.
    auto* side = new QVBoxLayout;
    lblMeaningTestQuestion = makeTitle(QStringLiteral("lblMeaningTestQuestion"), QStringLiteral("Label1"), this, 11);
    lblMeaningTestStoneName = makeTitle(QStringLiteral("lblMeaningTestStoneName"), QStringLiteral("Stone Name"), this, 14);
    value_label::announce(lblMeaningTestQuestion, QStringLiteral("Question"));
    value_label::announce(lblMeaningTestStoneName, QStringLiteral("Question about"));
    picMeaningTest = makePicture(QStringLiteral("picMeaningTest"), QStringLiteral("Rune stone asked"), this,
                                 QSize(modLearnRunes::StonePictureWidth, modLearnRunes::StonePictureHeight));
    lblMeaningTestCaption = makeText(QStringLiteral("lblMeaningTestCaption"), QStringLiteral("You must choose only 1 Meaning"), this);
    lblMeaningTestCaption->setFixedWidth(modLearnRunes::StonePictureWidth + 20);
    cmdNextQuestion1 = make<QPushButton>(QStringLiteral("cmdNextQuestion1"), QStringLiteral("Next"), this);
    connect(cmdNextQuestion1, &QPushButton::clicked, this, &frmLearnRunesMeaningTest::cmdNextQuestion1_Click);
    side->addWidget(lblMeaningTestQuestion);
    side->addWidget(lblMeaningTestStoneName);
    side->addWidget(picMeaningTest);
    side->addWidget(lblMeaningTestCaption);
    side->addStretch(1);
    side->addWidget(cmdNextQuestion1);
    layout->addLayout(side);

    // Right: the options, each framed by its shape; long meanings wrap and the list scrolls.
    auto* scroll = named(new QScrollArea(this), QStringLiteral("meaningOptions"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* list = new QWidget(scroll);
    auto* options = new QVBoxLayout(list);
    options->setContentsMargins(0, 0, 4, 0);
    for (int i = 0; i < int(chkMeaning.size()); ++i) {
        shaMeaning[i] = named(new QFrame(list), elementName("shaMeaning", i));
        shaMeaning[i]->setFrameShape(QFrame::Box);
        auto* inside = new QVBoxLayout(shaMeaning[i]);
        inside->setContentsMargins(6, 4, 6, 4);
        chkMeaning[i] = named(new OptionCheckBox(shaMeaning[i]), elementName("chkMeaning", i));
        chkMeaning[i]->setCaption(QStringLiteral("Meaning"));
        connect(chkMeaning[i], &QCheckBox::toggled, this, [this, i] { chkMeaning_Click(i); });
        inside->addWidget(chkMeaning[i]);
        options->addWidget(shaMeaning[i]);
    }
    options->addStretch(1);
    scroll->setWidget(list);
    layout->addWidget(scroll, 1);
}

void frmLearnRunesMeaningTest::Form_Unload()
{
    // Left before its end, the run gives the course window back on its test set-up page, so
    // the user is not left with an empty main window. When the launcher or the shutdown
    // closes the course, the course window is already gone and nothing is shown.
    if (m_runFinished || platform::ProcessEnding())
        return;
    if (auto* course = platform::Forms::find<frmLearnRunesMain>())
        course->ReturnToTestSetUp();
}

void frmLearnRunesMeaningTest::startRun(const TestRun& run)
{
    m_testRun = run;
    cmdNextQuestion1->setVisible(true);
}

void frmLearnRunesMeaningTest::ShowMeaningQuestion()
{
    const Question q = m_testRun.BuildMeaningQuestion();
    for (int i = 0; i < int(chkMeaning.size()); ++i) {
        const bool shown = i < q.options.size();
        chkMeaning[i]->setVisible(shown);
        shaMeaning[i]->setVisible(shown);
        chkMeaning[i]->setChecked(false);
        if (shown)
            chkMeaning[i]->setCaption(q.options[i]);
    }
    lblMeaningTestCaption->setText(q.choiceCaption);
    lblMeaningTestQuestion->setText(q.indexCaption);
    lblMeaningTestStoneName->setText(q.stoneName);
    picMeaningTest->setPixmap(modLearnRunes::StonePicture(q.rune));
}

void frmLearnRunesMeaningTest::chkMeaning_Click(int index)
{
    if (m_ticks.click(chkMeaning[index]->isChecked(), m_testRun.RequiredTicks()))
        cmdNextQuestion1->setFocus();
}

void frmLearnRunesMeaningTest::cmdNextQuestion1_Click()
{
    m_ticks.reset();
    QStringList captions;
    QList<bool> ticks;
    for (const OptionCheckBox* box : chkMeaning) {
        captions << box->text();
        ticks << box->isChecked();
    }
    const NextPress press = m_testRun.PressNext(TestKind::Meanings, captions, ticks);
    m_ticks.TickedCount = press.tickedCount;
    switch (press.outcome) {
    case NextPress::Refused: platform::MsgBox(press.message, platform::vbCritical); break;
    case NextPress::ShowQuestion: ShowMeaningQuestion(); break;
    case NextPress::ShowResults: finishRun(press.resultList); break;
    }
}

void frmLearnRunesMeaningTest::finishRun(const QString& resultList)
{
    m_runFinished = true;
    if (auto* course = platform::Forms::find<frmLearnRunesMain>())
        course->ShowResultPage(resultList);
    platform::Forms::unload(this);
}
