#pragma once
// The question engine of a tarot test run over the open card set: each step records the
// answer to the question on screen, then ends the run after the last card or draws the next
// card not yet asked and builds its question. The window shows what it decides.
#include <QString>

#include "courses/tarot/logic/tarot_questions.h"
#include "courses/tarot/logic/tarot_run.h"
#include "courses/tarot/logic/test_report.h"

class modDB;

namespace tarot {

class TarotTest {
public:
    enum class Step {
        DescriptionQuestion, // a new description question is ready: description()
        KeywordQuestion,     // a new keyword question is ready: keywords()
        Complete,            // every card was asked; the run is over
        Failed,              // no question could be built; problem() says why, the run is over
    };

    TarotTest(modDB& db, TarotRun& run) : m_db(db), m_run(run) {}

    // A new run on the open card set (db.CardRecordset), which the engine reads but does not move.
    void Start(const TestChoice& choice);
    // "Next Question": unless it is the run's first step, records the question on screen with
    // answeredScore; then ends the run or builds the next question.
    Step NextQuestion(std::int32_t answeredScore);
    // The same with the answer scored as the run's test type scores it.
    Step NextQuestion(const Answer& answer) { return NextQuestion(Score(answer)); }
    // The score of an answer to the question on screen.
    std::int32_t Score(const Answer& answer) const;

    // The question on screen (the one matching the run's test type).
    const DescriptionQuestion& description() const { return m_description; }
    const KeywordQuestion& keywords() const { return m_keywords; }
    QString problem() const { return m_problem; }
    // N: the number of cards in the set, and so of questions in the run.
    int QuestionCount() const;

    // The report of the finished run; the run stays as it is.
    bool WriteTestReport(const QString& applicationTitle, TestReport& report);

private:
    Step fail(const QString& problem);

    modDB& m_db;
    TarotRun& m_run;
    DescriptionQuestion m_description;
    KeywordQuestion m_keywords;
    QString m_problem;
};

} // namespace tarot
