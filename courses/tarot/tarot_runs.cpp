// The runs of the tarot window: a study run or a test run on the card set the settings page
// chose, the question engine's steps shown on the test page, and the report at the end.
#include <QCoreApplication>

#include "courses/tarot/frmLearnTarotMain.h"
#include "courses/tarot/logic/test_report.h"
#include "courses/tarot/tarot_results_page.h"
#include "courses/tarot/tarot_settings_page.h"
#include "courses/tarot/tarot_test_page.h"
#include "platform/message_box.h"
#include "shell/course_tabs.h"

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

QByteArray frmLearnTarotMain::QuestionPicture(std::int32_t cardId) const
{
    return tarot::CardRecord(db.CardRecordset, cardId).Field(QStringLiteral("PictureData")).toByteArray();
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
