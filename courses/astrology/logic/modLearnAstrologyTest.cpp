// Astrology test runs: question order, answer slots, answers, score and report.
#include "courses/astrology/logic/modLearnAstrologyTest.h"

#include <algorithm>

#include "platform/random.h"

namespace modLearnAstrologyTest {

using namespace modLearnAstrologyRun;

namespace {

const QString CrLf = QStringLiteral("\r\n");

bool heldIn(int value, const auto& drawn, int last)
{
    return std::find(drawn.begin(), drawn.begin() + last + 1, value) != drawn.begin() + last + 1;
}

} // namespace

int NearestDraw(int n) { return platform::RoundHalfEven(platform::Rnd() * n); }

int AstrologyTest::itemOfQuestion(int q) const { return q >= 0 && q < QuestionItems.size() ? QuestionItems[q] : -1; }

int AstrologyTest::QuestionCount() const { return QuestionItems.isEmpty() ? 0 : int(QuestionItems.size()) - 1; }

void AstrologyTest::BuildTest()
{
    const int n = Run.SubjectIndex == SubjectPlanets ? modLearnAstrology::PlanetCount : modLearnAstrology::SignCount;
    QuestionItems = QList<int>(n + 1, 0);
    RightAnswers = QStringList(n + 1);
    GivenAnswers = QStringList(n + 1);
    Run.LoadRun();
    std::fill(QuestionItems.begin(), QuestionItems.end() - 1, -1);
    for (int q = 0; q < n;) {
        const int r = NearestDraw(n - 1);
        if (heldIn(r, QuestionItems, q))
            continue;
        QuestionItems[q] = r;
        RightAnswers[q] = Slot(Run.AttributeColumn, r);
        ++q;
    }
}

void AstrologyTest::DrawChoices(int question)
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
        ChoiceCaptions[std::size_t(s)] = Slot(Run.AttributeColumn, ChoiceItems[std::size_t(s)]);
}

TestQuestion AstrologyTest::ShowTestQuestion()
{
    if (Run.CurrentIndex == 0)
        BuildTest();
    DrawChoices(Run.CurrentIndex);
    const int item = itemOfQuestion(Run.CurrentIndex);
    TestQuestion question;
    question.subjectCaption = Run.SubjectCaption;
    question.attributeCaption = Run.AttributeCaption;
    question.name = Run.ShownName(item);
    question.options = ChoiceCaptions;
    question.pictures = Run.PictureListFor(QuestionCount());
    question.pictureItem = item;
    return question;
}

bool AstrologyTest::AnswerQuestion(int selectedSlot)
{
    int& current = Run.CurrentIndex;
    if (selectedSlot >= 0 && selectedSlot < SlotCount && current >= 0 && current < GivenAnswers.size())
        GivenAnswers[current] = ChoiceCaptions[std::size_t(selectedSlot)];
    ++current;
    if (current < QuestionCount())
        return true;
    current = QuestionCount() - 1;
    return false;
}

int AstrologyTest::Score() const
{
    int score = 0;
    for (int q = 0; q < QuestionCount(); ++q)
        if (GivenAnswers[q] == RightAnswers[q])
            ++score;
    return score;
}

QList<ReportPart> AstrologyTest::ReportParts() const
{
    QList<ReportPart> parts;
    parts << ReportPart{QStringLiteral("Velmora Learn Astrology Result") + CrLf + CrLf, true}
          << ReportPart{Run.SubjectCaption + QStringLiteral(" - ") + Run.AttributeCaption + CrLf + CrLf, true};
    for (int q = 0; q < QuestionCount(); ++q) {
        parts << ReportPart{QStringLiteral("Question: ") + Slot(Run.NameColumn, QuestionItems[q]) + CrLf, true}
              << ReportPart{QStringLiteral("Correct Answer: "), true} << ReportPart{RightAnswers[q] + CrLf, false}
              << ReportPart{QStringLiteral("Your Answer: "), true} << ReportPart{GivenAnswers[q] + CrLf + CrLf, false};
    }
    parts << ReportPart{QStringLiteral("%1 Correct out of %2 Questions").arg(Score()).arg(QuestionCount()), true};
    return parts;
}

QString AstrologyTest::ReportText() const { return ReportPlainText(ReportParts()); }

void AstrologyTest::EndRun()
{
    Run.CurrentIndex = 0;
    Run.ReleaseColumns();
    QuestionItems.clear();
    RightAnswers.clear();
    GivenAnswers.clear();
}

} // namespace modLearnAstrologyTest
