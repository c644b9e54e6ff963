#include "courses/tarot/logic/test_report.h"

#include "courses/tarot/logic/modDB.h"

namespace tarot {

namespace {
const QString LineEnd = QStringLiteral("\r\n");
constexpr int UprightColumn = 36;  // from the name's start to the outcome
constexpr int ReversedColumn = 25; // the same after " (Reversed)"
constexpr int RuleLength = 64;
} // namespace

QString QuestionLine(int number, const QString& cardName, bool reversed, const QString& outcome)
{
    const int column = reversed ? ReversedColumn : UprightColumn;
    const qsizetype room = column - cardName.size();
    const qsizetype blanks = room >= 0 ? room : 1;
    return QStringLiteral("%1. ").arg(number, 2, 10, QLatin1Char('0')) + QString(5, QLatin1Char(' ')) + cardName +
           (reversed ? QStringLiteral(" (Reversed)") : QString()) + QString(blanks, QLatin1Char(' ')) + outcome;
}

QString Outcome(TestType type, std::int32_t score, std::int32_t keywordsToChoose)
{
    if (type == TestType::Description)
        return score != 0 ? QStringLiteral("Correct") : QStringLiteral("Wrong");
    return QStringLiteral("%1 Out Of %2 Correct").arg(score).arg(keywordsToChoose);
}

QString Summary(TestType type, std::int32_t correctTotal, std::int32_t keywordsToChoose, int questionCount)
{
    if (type == TestType::Description)
        return QStringLiteral("%1 out of %2 questions correct").arg(correctTotal).arg(questionCount);
    return QStringLiteral("%1/%2 choice(s) from %3 questions were correct")
        .arg(correctTotal)
        .arg(static_cast<qint64>(keywordsToChoose) * questionCount)
        .arg(questionCount);
}

TestReport BuildTestReport(const QString& applicationTitle, const TarotRun& run, int questionCount,
                           const std::function<QString(std::int32_t id)>& cardName)
{
    const QString title = QStringLiteral("Test Report For ") + applicationTitle;
    QString text = title + LineEnd + QString(title.size(), QLatin1Char('-')) + LineEnd;
    for (int i = 0; i < run.AskedCardIds.size(); ++i) {
        const std::int32_t score = run.QuestionScores[i];
        text += LineEnd + QuestionLine(i + 1, cardName(run.AskedCardIds[i]), run.QuestionReversed[i],
                                       Outcome(run.Type, score, run.KeywordsToChoose));
    }
    text += LineEnd + QString(RuleLength, QLatin1Char('_')) + LineEnd;
    TestReport report;
    report.summary = Summary(run.Type, run.CorrectTotal, run.KeywordsToChoose, questionCount);
    report.text = text + report.summary;
    return report;
}

bool WriteTestReport(modDB& db, const QString& applicationTitle, const TarotRun& run, int questionCount, TestReport& report,
                     QString& problem)
{
    Recordset cards;
    if (!db.OpenRecordset(cards, db.CardConnection, QStringLiteral("SELECT * FROM tblCards"))) {
        problem = db.lastError();
        return false;
    }
    report = BuildTestReport(applicationTitle, run, questionCount, [&cards](std::int32_t id) {
        cards.MoveFirst();
        cards.Filter(QStringLiteral("ID=") + QString::number(id));
        return cards.Field(QStringLiteral("Name")).toString();
    });
    return true;
}

} // namespace tarot
