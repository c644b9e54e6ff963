// The numerology tests: question sets, rows, answers, score and report.
#include "courses/numerology/modLearnNumerologyTest.h"

#include <algorithm>
#include <vector>

#include "courses/numerology/modLearnNumerology.h"
#include "courses/numerology/modLearnNumerologyRun.h"
#include "platform/random.h"
#include "shell/web_pages.h"

namespace modLearnNumerologyTest {

using namespace modLearnNumerology;
using modLearnNumerologyRun::BySignificance;
using modLearnNumerologyRun::CurrentIndex;
using modLearnNumerologyRun::SubjectChosen;

bool TestBuilt = false;
std::array<std::int16_t, SignificanceQuestionCount + 1> QuestionSubjects{};
std::array<QString, SignificanceQuestionCount + 1> SignificanceAnswers;
QList<std::int16_t> TestItems;
QStringList InterpretationAnswers;
std::array<int, RowCount> RowDraws{};
int CorrectRow = 0;
std::array<QString, RowCount> RowTexts;

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

void drawRows(int factor)
{
    const std::vector<int> rows = drawDistinct(RowCount, [factor] { return DrawIndex(factor); });
    std::copy(rows.begin(), rows.end(), RowDraws.begin());
}

QString questionNo(int of) { return QStringLiteral("Question %1 of %2").arg(CurrentIndex + 1).arg(of); }

// The entry asked by question q, or entry 0 outside the set.
int itemOf(int q) { return q >= 0 && q < TestItems.size() ? TestItems[q] : 0; }

int subjectOfQuestion(int q) { return q >= 0 && q < SignificanceQuestionCount ? QuestionSubjects[q] : 0; }

void clearQuestionSet()
{
    TestBuilt = false;
    QuestionSubjects.fill(0);
    SignificanceAnswers.fill(QString());
    TestItems.clear();
    InterpretationAnswers.clear();
}

void buildSignificanceSet()
{
    TestBuilt = true;
    const std::vector<int> subjects
        = drawDistinct(SignificanceQuestionCount, [] { return DrawIndex(SubjectCount); });
    for (int q = 0; q < SignificanceQuestionCount; ++q)
        QuestionSubjects[q] = static_cast<std::int16_t>(subjects[std::size_t(q)]);
}

void buildInterpretationSet()
{
    TestBuilt = true;
    TestItems = QList<std::int16_t>(1, 0);
    int position = 0;
    for (int s = 0; s < SubjectCount; ++s) {
        if (!SubjectChosen[s])
            continue;
        TestItems.resize(TestItems.size() + ValuesPerSubject, 0);
        for (int entry : drawDistinct(ValuesPerSubject, [s] { return DrawEntryOf(s); }))
            TestItems[position++] = static_cast<std::int16_t>(entry);
    }
    InterpretationAnswers = QStringList(TestItems.size());
}

} // namespace

int DrawIndex(int n)
{
    platform::Randomize();
    return platform::RndInt(n);
}

int DrawEntryOf(int subject)
{
    platform::Randomize();
    const float r = static_cast<float>(platform::Rnd());
    const float span = static_cast<float>(SubjectEnd[subject] - SubjectStart[subject]);
    const float value = span * r + static_cast<float>(SubjectStart[subject]);
    return platform::RoundHalfEven(value);
}

int InterpretationQuestionCount() { return TestItems.isEmpty() ? 0 : int(TestItems.size()) - 1; }

int QuestionCount() { return BySignificance ? SignificanceQuestionCount : InterpretationQuestionCount(); }

void StartTest() { clearQuestionSet(); }

Question ShowSignificanceQuestion()
{
    if (!TestBuilt)
        buildSignificanceSet();
    drawRows(SubjectCount);
    FillNumerologyTables();
    CorrectRow = DrawIndex(CorrectRowFactor);
    const int asked = subjectOfQuestion(CurrentIndex);
    Question question;
    for (int j = 0; j < RowCount; ++j)
        RowTexts[j] = Significance[j == CorrectRow ? asked : RowDraws[j]];
    question.options = RowTexts;
    question.subjectName = SubjectName[asked];
    question.questionNo = questionNo(SignificanceQuestionCount);
    return question;
}

Question ShowInterpretationQuestion()
{
    FillNumerologyTables();
    if (!TestBuilt)
        buildInterpretationSet();
    drawRows(RowEntryFactor);
    CorrectRow = DrawIndex(CorrectRowFactor);
    const int item = itemOf(CurrentIndex);
    Question question;
    for (int j = 0; j < RowCount; ++j)
        RowTexts[j] = InterpText[j == CorrectRow ? item : RowDraws[j]];
    question.options = RowTexts;
    question.subjectName = EntryHeading(item);
    question.questionNo = questionNo(InterpretationQuestionCount());
    return question;
}

AnswerStep AnswerQuestion(int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= RowCount)
        return AnswerStep::NoSelection;
    // The boxes are read-only, so the row's text is what its box holds.
    const QString& chosen = RowTexts[selectedRow];
    if (BySignificance) {
        if (CurrentIndex >= 0 && CurrentIndex < SignificanceQuestionCount)
            SignificanceAnswers[CurrentIndex] = chosen;
    } else if (CurrentIndex >= 0 && CurrentIndex < InterpretationAnswers.size()) {
        InterpretationAnswers[CurrentIndex] = chosen;
    }
    ++CurrentIndex;
    return CurrentIndex <= QuestionCount() - 1 ? AnswerStep::NextQuestion : AnswerStep::Finished;
}

static Report buildReport()
{
    Report report;
    report.questions = QuestionCount();
    report.caption = BySignificance ? QStringLiteral("Test Result: Significance")
                                    : QStringLiteral("Test Result: Interpretation");
    for (int q = 0; q < report.questions; ++q) {
        QString heading;
        QString correct;
        QString given;
        if (BySignificance) {
            const int s = subjectOfQuestion(q);
            heading = SubjectName[s];
            correct = Significance[s];
            given = SignificanceAnswers[q];
        } else {
            const int item = itemOf(q);
            heading = EntryHeading(item);
            correct = InterpText[item];
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

Report ShowNumerologyResult()
{
    Report report = buildReport();
    EndTest();
    return report;
}

void EndTest()
{
    clearQuestionSet();
    SubjectChosen.fill(false);
}

QString ReportLine() { return QStringLiteral("Report Generated By ") + QString::fromLatin1(modHelp::MainSite); }

QString PrintoutText(const QString& reportText)
{
    return ReportLine() + CrLf + CrLf + reportText + CrLf + CrLf + ReportLine();
}

} // namespace modLearnNumerologyTest
