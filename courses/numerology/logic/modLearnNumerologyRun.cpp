// The numerology wizard state and the learn pages.
#include "courses/numerology/logic/modLearnNumerologyRun.h"

namespace modLearnNumerologyRun {

using namespace modLearnNumerology;

namespace {

const QString CrLf = QStringLiteral("\r\n");
constexpr int LastSubject = SubjectCount - 1;

} // namespace

bool NumerologyRun::subjectOnScreen() const { return CurrentIndex >= 0 && CurrentIndex <= LastSubject; }

LearnPage NumerologyRun::ShowSignificancePage()
{
    Tables.FillNumerologyTables();
    LearnPage page;
    if (!subjectOnScreen())
        return page;
    page.subject = Tables.SubjectName[CurrentIndex];
    page.text = QStringLiteral("Significance") + CrLf + Tables.Significance[CurrentIndex] + CrLf + CrLf
        + QStringLiteral("Calculation") + CrLf + Tables.Calculation[CurrentIndex];
    return page;
}

LearnPage NumerologyRun::ShowInterpretationPage()
{
    Tables.FillNumerologyTables();
    LearnPage page;
    if (!subjectOnScreen())
        return page;
    page.subject = Tables.SubjectName[CurrentIndex];
    for (int e = Tables.SubjectStart[CurrentIndex]; e <= Tables.SubjectEnd[CurrentIndex]; ++e)
        page.text += Tables.SubjectName[CurrentIndex] + QLatin1Char(' ') + QString::number(Tables.InterpNumber[e]) + CrLf
            + Tables.InterpText[e] + CrLf + CrLf;
    return page;
}

int NumerologyRun::LowestChosenSubject() const
{
    for (int s = 0; s <= LastSubject; ++s)
        if (SubjectChosen[s])
            return s;
    return -1;
}

bool NumerologyRun::NextLearnPage()
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

bool NumerologyRun::PreviousLearnPage()
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
