// The numerology tests: question sets, rows, answers, score and report.
#include "courses/numerology/logic/modLearnNumerologyTest.h"

#include <algorithm>
#include <vector>

#include "platform/random.h"

namespace modLearnNumerologyTest {

using namespace modLearnNumerology;

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The correct text goes into row 0..3: the factor is 4, so row 4 never holds it by this draw.
constexpr int CorrectRowFactor = 4;
// Wrong rows are drawn from entries 0..169; the last entry is never one of them.
constexpr int RowEntryFactor = EntryCount - 1;

// Draws count numbers with draw(), throwing away a number already drawn in this series.
template <typename Draw>
std::vector<int> drawDistinct(int count, Draw draw)
{
    std::vector<int> drawn;
    drawn.reserve(std::size_t(count));
    while (int(drawn.size()) < count) {
        const int value = draw();
        if (std::find(drawn.begin(), drawn.end(), value) == drawn.end())
            drawn.push_back(value);
    }
    return drawn;
}

} // namespace

int DrawIndex(int n)
{
    platform::Randomize();
    return platform::RndInt(n);
}

int DrawEntryOf(const NumerologyTables& tables, int subject)
{
    platform::Randomize();
    const float r = static_cast<float>(platform::Rnd());
    const float span = static_cast<float>(tables.SubjectEnd[subject] - tables.SubjectStart[subject]);
    const float value = span * r + static_cast<float>(tables.SubjectStart[subject]);
    return platform::RoundHalfEven(value);
}

void NumerologyTest::drawRows(int factor)
{
    const std::vector<int> rows = drawDistinct(RowCount, [factor] { return DrawIndex(factor); });
    std::copy(rows.begin(), rows.end(), RowDraws.begin());
}

QString NumerologyTest::questionNo(int of) const
{
    return QStringLiteral("Question %1 of %2").arg(Run.CurrentIndex + 1).arg(of);
}

// The entry asked by question q, or entry 0 outside the set.
int NumerologyTest::itemOf(int q) const { return q >= 0 && q < TestItems.size() ? TestItems[q] : 0; }

int NumerologyTest::subjectOfQuestion(int q) const
{
    return q >= 0 && q < SignificanceQuestionCount ? QuestionSubjects[q] : 0;
}

void NumerologyTest::clearQuestionSet()
{
    TestBuilt = false;
    QuestionSubjects.fill(0);
    SignificanceAnswers.fill(QString());
    TestItems.clear();
    InterpretationAnswers.clear();
}

void NumerologyTest::buildSignificanceSet()
{
    TestBuilt = true;
    const std::vector<int> subjects
        = drawDistinct(SignificanceQuestionCount, [] { return DrawIndex(SubjectCount); });
    for (int q = 0; q < SignificanceQuestionCount; ++q)
        QuestionSubjects[q] = static_cast<std::int16_t>(subjects[std::size_t(q)]);
}

void NumerologyTest::buildInterpretationSet()
{
    TestBuilt = true;
    TestItems = QList<std::int16_t>(1, 0);
    int position = 0;
    for (int s = 0; s < SubjectCount; ++s) {
        if (!Run.SubjectChosen[s])
            continue;
        TestItems.resize(TestItems.size() + ValuesPerSubject, 0);
        for (int entry : drawDistinct(ValuesPerSubject, [this, s] { return DrawEntryOf(Run.Tables, s); }))
            TestItems[position++] = static_cast<std::int16_t>(entry);
    }
    InterpretationAnswers = QStringList(TestItems.size());
}

int NumerologyTest::InterpretationQuestionCount() const { return TestItems.isEmpty() ? 0 : int(TestItems.size()) - 1; }

int NumerologyTest::QuestionCount() const
{
    return Run.BySignificance ? SignificanceQuestionCount : InterpretationQuestionCount();
}

void NumerologyTest::StartTest() { clearQuestionSet(); }

Question NumerologyTest::ShowSignificanceQuestion()
{
    if (!TestBuilt)
        buildSignificanceSet();
    drawRows(SubjectCount);
    Run.Tables.FillNumerologyTables();
    CorrectRow = DrawIndex(CorrectRowFactor);
    const int asked = subjectOfQuestion(Run.CurrentIndex);
    Question question;
    for (int j = 0; j < RowCount; ++j)
        RowTexts[j] = Run.Tables.Significance[j == CorrectRow ? asked : RowDraws[j]];
    question.options = RowTexts;
    question.subjectName = Run.Tables.SubjectName[asked];
    question.questionNo = questionNo(SignificanceQuestionCount);
    return question;
}

Question NumerologyTest::ShowInterpretationQuestion()
{
    Run.Tables.FillNumerologyTables();
    if (!TestBuilt)
        buildInterpretationSet();
    drawRows(RowEntryFactor);
    CorrectRow = DrawIndex(CorrectRowFactor);
    const int item = itemOf(Run.CurrentIndex);
    Question question;
    for (int j = 0; j < RowCount; ++j)
        RowTexts[j] = Run.Tables.InterpText[j == CorrectRow ? item : RowDraws[j]];
    question.options = RowTexts;
    question.subjectName = EntryHeading(item);
    question.questionNo = questionNo(InterpretationQuestionCount());
    return question;
}

AnswerStep NumerologyTest::AnswerQuestion(int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= RowCount)
        return AnswerStep::NoSelection;
    // The boxes are read-only, so the row's text is what its box holds.
    const QString& chosen = RowTexts[selectedRow];
    std::int16_t& current = Run.CurrentIndex;
    if (Run.BySignificance) {
        if (current >= 0 && current < SignificanceQuestionCount)
            SignificanceAnswers[current] = chosen;
    } else if (current >= 0 && current < InterpretationAnswers.size()) {
        InterpretationAnswers[current] = chosen;
    }
    ++current;
    return current <= QuestionCount() - 1 ? AnswerStep::NextQuestion : AnswerStep::Finished;
}

Report NumerologyTest::buildReport() const
{
    const NumerologyTables& tables = Run.Tables;
    Report report;
    report.questions = QuestionCount();
    report.caption = Run.BySignificance ? QStringLiteral("Test Result: Significance")
                                        : QStringLiteral("Test Result: Interpretation");
    for (int q = 0; q < report.questions; ++q) {
        QString heading;
        QString correct;
        QString given;
        if (Run.BySignificance) {
            const int s = subjectOfQuestion(q);
            heading = tables.SubjectName[s];
            correct = tables.Significance[s];
            given = SignificanceAnswers[q];
        } else {
            const int item = itemOf(q);
            heading = EntryHeading(item);
            correct = tables.InterpText[item];
            given = InterpretationAnswers.value(q);
        }
        report.parts << ReportPart{heading + CrLf, true}
                     << ReportPart{QStringLiteral("Your Choice: ") + CrLf + given + CrLf
                                       + QStringLiteral("Correct Choice: ") + CrLf + correct + CrLf + CrLf,
                                   false};
        // Answers count by their text, exactly and case-sensitively.
        if (correct == given)
            ++report.score;
    }
    report.parts << ReportPart{
        QStringLiteral("%1 Correct out of %2 Questions").arg(report.score).arg(report.questions), false};
    return report;
}

Report NumerologyTest::ShowNumerologyResult()
{
    Report report = buildReport();
    EndTest();
    return report;
}

void NumerologyTest::EndTest()
{
    clearQuestionSet();
    Run.SubjectChosen.fill(false);
}

QString ReportLine(const QString& makerSite) { return QStringLiteral("Report Generated By ") + makerSite; }

QString PrintoutText(const QString& reportText, const QString& makerSite)
{
    return ReportLine(makerSite) + CrLf + CrLf + reportText + CrLf + CrLf + ReportLine(makerSite);
}

} // namespace modLearnNumerologyTest
