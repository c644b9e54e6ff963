// Astrology test runs: question order, answer slots, answers, score and report.
#include "courses/astrology/modLearnAstrologyTest.h"

#include <algorithm>

#include "courses/astrology/modLearnAstrology.h"
#include "platform/random.h"

namespace modLearnAstrologyTest {

using namespace modLearnAstrologyRun;

QList<int> QuestionItems;
QStringList RightAnswers;
QStringList GivenAnswers;
std::array<int, SlotCount + 1> ChoiceItems{};
std::array<QString, SlotCount> ChoiceCaptions;

namespace {

const QString CrLf = QStringLiteral("\r\n");

int itemCount()
{
    return SubjectIndex == SubjectPlanets ? modLearnAstrology::PlanetCount : modLearnAstrology::SignCount;
}

bool heldIn(int value, const auto& drawn, int last)
{
    return std::find(drawn.begin(), drawn.begin() + last + 1, value) != drawn.begin() + last + 1;
}

int itemOfQuestion(int q) { return q >= 0 && q < QuestionItems.size() ? QuestionItems[q] : -1; }

} // namespace

int QuestionCount() { return QuestionItems.isEmpty() ? 0 : int(QuestionItems.size()) - 1; }

int NearestDraw(int n) { return platform::RoundHalfEven(platform::Rnd() * n); }

void BuildTest()
{
    const int n = itemCount();
    QuestionItems = QList<int>(n + 1, 0);
    RightAnswers = QStringList(n + 1);
    GivenAnswers = QStringList(n + 1);
    LoadRun();
    std::fill(QuestionItems.begin(), QuestionItems.end() - 1, -1);
    for (int q = 0; q < n;) {
        const int r = NearestDraw(n - 1);
        if (heldIn(r, QuestionItems, q))
            continue;
        QuestionItems[q] = r;
        RightAnswers[q] = Slot(AttributeColumn, r);
        ++q;
    }
}

void DrawChoices(int question)
{
    const int n = QuestionCount();
    std::fill(ChoiceItems.begin(), ChoiceItems.begin() + SlotCount, -1);
    for (int s = 0; s < SlotCount;) {
        const int c = NearestDraw(n - 1);
        if (heldIn(c, ChoiceItems, s))
            continue;
        ChoiceItems[std::size_t(s)] = c;
        ++s;
    }
    ChoiceItems[std::size_t(NearestDraw(SlotCount - 1))] = itemOfQuestion(question);
    for (int s = 0; s < SlotCount; ++s)
        ChoiceCaptions[std::size_t(s)] = Slot(AttributeColumn, ChoiceItems[std::size_t(s)]);
}

TestQuestion ShowTestQuestion()
{
    if (CurrentIndex == 0)
        BuildTest();
    DrawChoices(CurrentIndex);
    const int item = itemOfQuestion(CurrentIndex);
    TestQuestion question;
    question.subjectCaption = SubjectCaption;
    question.attributeCaption = AttributeCaption;
    question.name = ShownName(item);
    question.options = ChoiceCaptions;
    question.pictures = PictureListFor(QuestionCount());
    question.pictureItem = item;
    return question;
}

bool AnswerQuestion(int selectedSlot)
{
    if (selectedSlot >= 0 && selectedSlot < SlotCount && CurrentIndex >= 0 && CurrentIndex < GivenAnswers.size())
        GivenAnswers[CurrentIndex] = ChoiceCaptions[std::size_t(selectedSlot)];
    ++CurrentIndex;
    if (CurrentIndex < QuestionCount())
        return true;
    CurrentIndex = QuestionCount() - 1;
    return false;
}

int Score()
{
    int score = 0;
    for (int q = 0; q < QuestionCount(); ++q)
        if (GivenAnswers[q] == RightAnswers[q])
            ++score;
    return score;
}

QList<ReportPart> ReportParts()
{
    QList<ReportPart> parts;
    parts << ReportPart{QStringLiteral("Velmora Learn Astrology Result") + CrLf + CrLf, true}
          << ReportPart{SubjectCaption + QStringLiteral(" - ") + AttributeCaption + CrLf + CrLf, true};
    for (int q = 0; q < QuestionCount(); ++q) {
        parts << ReportPart{QStringLiteral("Question: ") + Slot(NameColumn, QuestionItems[q]) + CrLf, true}
              << ReportPart{QStringLiteral("Correct Answer: "), true} << ReportPart{RightAnswers[q] + CrLf, false}
              << ReportPart{QStringLiteral("Your Answer: "), true} << ReportPart{GivenAnswers[q] + CrLf + CrLf, false};
    }
    parts << ReportPart{QStringLiteral("%1 Correct out of %2 Questions").arg(Score()).arg(QuestionCount()), true};
    return parts;
}

QString ReportText()
{
    QString text;
    for (const ReportPart& part : ReportParts())
        text += part.text;
    return text;
}

void EndRun()
{
    CurrentIndex = 0;
    ReleaseColumns();
    QuestionItems.clear();
    RightAnswers.clear();
    GivenAnswers.clear();
}

} // namespace modLearnAstrologyTest
