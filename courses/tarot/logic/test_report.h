#pragma once
// The report at the end of a tarot test: a title, one line per question in fixed columns
// with its outcome, a rule and the summary. Lines end with CR LF; the summary has no line end.
#include <QString>
#include <cstdint>
#include <functional>

#include "courses/tarot/logic/tarot_run.h"

class modDB;

namespace tarot {

struct TestReport {
    QString text;    // the whole report
    QString summary; // its last line
};

// "01. " + five blanks + the card name, padded so that the outcome starts 36 characters after
// the name's start (" (Reversed)" counts in it), then the outcome. A name longer than its
// column (25 characters reversed, 36 upright) keeps one blank before the outcome.
QString QuestionLine(int number, const QString& cardName, bool reversed, const QString& outcome);

// "Correct" / "Wrong" in the description test; "2 Out Of 3 Correct" in the keyword test.
QString Outcome(TestType type, std::int32_t score, std::int32_t keywordsToChoose);

// "2 out of 3 questions correct"; "100/154 choice(s) from 22 questions were correct".
QString Summary(TestType type, std::int32_t correctTotal, std::int32_t keywordsToChoose, int questionCount);

// The report of a finished run over a set of questionCount cards, titled "Test Report For "
// and the application's title; names come from cardName(id). The summary gives the run's
// CorrectTotal; the run is not changed.
TestReport BuildTestReport(const QString& applicationTitle, const TarotRun& run, int questionCount,
                           const std::function<QString(std::int32_t id)>& cardName);

// The same with the card names read from every card of the database (not only the chosen
// set); false, with problem set, when the database cannot be read.
bool WriteTestReport(modDB& db, const QString& applicationTitle, const TarotRun& run, int questionCount, TestReport& report,
                     QString& problem);

} // namespace tarot
