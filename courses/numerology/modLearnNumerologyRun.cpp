// The numerology wizard state and the learn pages.
#include "courses/numerology/modLearnNumerologyRun.h"

namespace modLearnNumerologyRun {

using namespace modLearnNumerology;

bool LearnMode = false;
bool BySignificance = false;
std::int16_t CurrentIndex = 0;
std::array<bool, SubjectSlots> SubjectChosen{};

namespace {

const QString CrLf = QStringLiteral("\r\n");
constexpr int LastSubject = SubjectCount - 1;

bool subjectOnScreen() { return CurrentIndex >= 0 && CurrentIndex <= LastSubject; }

} // namespace

LearnPage ShowSignificancePage()
{
    FillNumerologyTables();
    LearnPage page;
    if (!subjectOnScreen())
        return page;
    page.subject = SubjectName[CurrentIndex];
    page.text = QStringLiteral("Significance") + CrLf + Significance[CurrentIndex] + CrLf + CrLf
        + QStringLiteral("Calculation") + CrLf + Calculation[CurrentIndex];
    return page;
}

LearnPage ShowInterpretationPage()
{
    FillNumerologyTables();
    LearnPage page;
    if (!subjectOnScreen())
        return page;
    page.subject = SubjectName[CurrentIndex];
    for (int e = SubjectStart[CurrentIndex]; e <= SubjectEnd[CurrentIndex]; ++e)
        page.text += SubjectName[CurrentIndex] + QLatin1Char(' ') + QString::number(InterpNumber[e]) + CrLf
            + InterpText[e] + CrLf + CrLf;
    return page;
}

int LowestChosenSubject()
{
    for (int s = 0; s <= LastSubject; ++s)
        if (SubjectChosen[s])
            return s;
    return -1;
}

bool NextLearnPage()
{
    if (BySignificance) {
        if (CurrentIndex + 1 > LastSubject) {
            CurrentIndex = LastSubject;
            return false;
        }
        ++CurrentIndex;
        return true;
    }
    for (int s = CurrentIndex + 1; s <= LastSubject; ++s) {
        if (SubjectChosen[s]) {
            CurrentIndex = static_cast<std::int16_t>(s);
            return true;
        }
    }
    return false;
}

bool PreviousLearnPage()
{
    if (BySignificance) {
        if (CurrentIndex - 1 < 0) {
            CurrentIndex = 0;
            return false;
        }
        --CurrentIndex;
        return true;
    }
    for (int s = CurrentIndex - 1; s >= 0; --s) {
        if (SubjectChosen[s]) {
            CurrentIndex = static_cast<std::int16_t>(s);
            return true;
        }
    }
    return false;
}

} // namespace modLearnNumerologyRun
