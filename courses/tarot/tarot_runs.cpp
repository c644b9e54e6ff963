// The runs of the tarot window: a study run or a test run on the card set the settings page
// chose, the question engine's steps shown on the test page, and the report at the end.
#include <QApplication>
#include <QLayout>
#include <QMdiSubWindow>
#include <QScreen>

#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/logic/test_report.h"
#include "courses/tarot/modImageDB.h"
#include "courses/tarot/tarot_results_page.h"
#include "courses/tarot/tarot_settings_page.h"
#include "courses/tarot/tarot_test_page.h"
#include "platform/message_box.h"
#include "shell/course_tabs.h"

namespace {

// Where the window may grow to: the main window's area, or the screen.
QRect roomFor(const QWidget* frame)
{
    if (const auto* sub = qobject_cast<const QMdiSubWindow*>(frame); sub && sub->parentWidget())
        return sub->parentWidget()->rect();
    const QScreen* screen = frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : frame->geometry();
}

} // namespace

bool frmLearnTarotMain::OpenCardSet()
{
    if (!db.OpenConnection(db.CardConnection, modDB::CardDatabasePath()) ||
        !db.OpenRecordset(db.CardRecordset, db.CardConnection, BuildCardQuery())) {
        platform::MsgBox(db.lastError(), platform::vbCritical);
        return false;
    }
    return true;
}

void frmLearnTarotMain::StartStudyRun()
{
    if (!OpenCardSet())
        return;
    if (db.CardRecordset.RecordCount() == 0) {
        platform::MsgBox(QStringLiteral("The card database holds none of the chosen cards."), platform::vbCritical);
        return;
    }
    SSTab1->showTab(MemorizeTab);
    SSTab1->setTabEnabled(MemorizeTab, true);
}

void frmLearnTarotMain::StartTestOnNewSet()
{
    if (!OpenCardSet())
        return;
    SSTab1->setTabEnabled(MemorizeTab, true);
    SSTab1->setTabEnabled(TestTab, true);
    SSTab1->showTab(TestTab);
    picTest->BringTestPanelToFront(picSettings->testChoice().Type);
    StartTestRun();
}

void frmLearnTarotMain::StartTestRun()
{
    const tarot::TestChoice choice = picSettings->testChoice();
    picTest->BringTestPanelToFront(choice.Type);
    // A card set the tests cannot be built on is refused before the first question.
    if (const QString problem = db.CardSetProblem(db.CardRecordset, db.CardConnection); !problem.isEmpty()) {
        AbandonRun(problem);
        return;
    }
    test.Start(choice);
    picTest->StartRun();
    AskNextQuestion({});
}

void frmLearnTarotMain::AskNextQuestion(const tarot::Answer& answer)
{
    SSTab1->setTabEnabled(TestTab, true);
    const tarot::TarotTest::Step step = test.NextQuestion(answer);
    switch (step) {
    case tarot::TarotTest::Step::DescriptionQuestion:
    case tarot::TarotTest::Step::KeywordQuestion: {
        const bool description = step == tarot::TarotTest::Step::DescriptionQuestion;
        if (description)
            picTest->ShowDescriptionQuestion(test.description(), QuestionPicture(test.description().CardId));
        else
            picTest->ShowKeywordQuestion(test.keywords(), QuestionPicture(test.keywords().CardId));
        SSTab1->showTab(TestTab);
        picTest->focusQuestionCard();
        picTest->ShowProgress(run.QuestionNumber, test.QuestionCount());
        if (description)
            GrowToShowChoices();
        break;
    }
    case tarot::TarotTest::Step::Complete:
        EndRun();
        break;
    case tarot::TarotTest::Step::Failed:
        AbandonRun(test.problem());
        break;
    }
}

QImage frmLearnTarotMain::QuestionPicture(std::int32_t cardId) const
{
    return modImageDB::PictureFromField(tarot::CardRecord(db.CardRecordset, cardId), QStringLiteral("PictureData"));
}

void frmLearnTarotMain::GrowToShowChoices()
{
    // Each choice shows its whole meaning: when the shown choices need more height than the
    // panel has, the window grows, first in width (within the room it has), then in height.
    layout()->activate();
    picTest->layout()->activate();
    QWidget* panel = picTest->descriptionPanel();
    QLayout* choices = panel->layout();
    const int available = panel->height();
    const int width = panel->width();
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

void frmLearnTarotMain::WriteTestReport()
{
    tarot::TestReport report;
    if (!test.WriteTestReport(QCoreApplication::applicationName(), report)) {
        platform::MsgBox(test.problem(), platform::vbCritical);
        return;
    }
    picResults->ShowReport(report);
}
