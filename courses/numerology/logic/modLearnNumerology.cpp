// The numerology content tables: subject names, slices, values and the built-in texts.
#include "courses/numerology/logic/modLearnNumerology.h"

#include "courses/numerology/logic/numerology_texts.h"

namespace modLearnNumerology {

namespace {

// The kinds of value list a subject's slice runs through.
enum class ValueKind { OneToNineAndMasters, OneToThirtyOne, ZeroToEight, OneToNine };

struct SubjectRow {
    const char* name;
    std::int16_t start;
    std::int16_t end;
    ValueKind values;
};

constexpr SubjectRow Subjects[SubjectCount] = {
    {"Life Path Number", 0, 10, ValueKind::OneToNineAndMasters},
    {"Destiny / Expression Number", 11, 21, ValueKind::OneToNineAndMasters},
    {"Soul's Urge/ Heart's Desire Number", 22, 32, ValueKind::OneToNineAndMasters},
    {"Inner Dreams / Personality Number", 33, 43, ValueKind::OneToNineAndMasters},
    {"Birthday Number", 44, 74, ValueKind::OneToThirtyOne},
    {"Life Path / Expression Bridge Number", 75, 83, ValueKind::ZeroToEight},
    {"Heart Desire / Personality Bridge Number", 84, 92, ValueKind::ZeroToEight},
    {"Balance Number", 93, 101, ValueKind::OneToNine},
    {"Maturity / Realization Number", 102, 112, ValueKind::OneToNineAndMasters},
    {"Pinnacle Number", 113, 123, ValueKind::OneToNineAndMasters},
    {"Challenge Number", 124, 132, ValueKind::ZeroToEight},
    {"Life Path Period Number", 133, 143, ValueKind::OneToNineAndMasters},
    {"Personal Day Number", 144, 152, ValueKind::OneToNine},
    {"Personal Month Number", 153, 161, ValueKind::OneToNine},
    {"Personal Year Number", 162, 170, ValueKind::OneToNine},
};

// The value held by the i-th entry (counting from 0) of a slice of the given kind.
std::int16_t ValueAt(ValueKind kind, int i)
{
    switch (kind) {
    case ValueKind::OneToNineAndMasters:
        if (i < 9)
            return static_cast<std::int16_t>(i + 1);
        return i == 9 ? 11 : 22;
    case ValueKind::OneToThirtyOne:
    case ValueKind::OneToNine:
        return static_cast<std::int16_t>(i + 1);
    case ValueKind::ZeroToEight:
        return static_cast<std::int16_t>(i);
    }
    return 0;
}

const char* InterpSource(int entry)
{
    if (entry < 44)
        return texts::InterpTextsA[entry];
    if (entry < 102)
        return texts::InterpTextsB[entry - 44];
    return texts::InterpTextsC[entry - 102];
}

} // namespace

void NumerologyTables::FillNumerologyTables()
{
    for (int s = 0; s < SubjectCount; ++s) {
        const SubjectRow& row = Subjects[s];
        SubjectName[s] = QString::fromLatin1(row.name);
        Significance[s] = QString::fromLatin1(texts::SignificanceTexts[s]);
        Calculation[s] = QString::fromLatin1(texts::CalculationTexts[s]);
        SubjectStart[s] = row.start;
        SubjectEnd[s] = row.end;
        for (int e = row.start; e <= row.end; ++e)
            InterpNumber[e] = ValueAt(row.values, e - row.start);
    }
    // Slot 15 is the index one past the last subject and stays empty.
    SubjectName[SubjectCount] = QString();
    Significance[SubjectCount] = QString();
    Calculation[SubjectCount] = QString();
    SubjectStart[SubjectCount] = 0;
    SubjectEnd[SubjectCount] = 0;

    for (int e = 0; e < EntryCount; ++e)
        InterpText[e] = QString::fromLatin1(InterpSource(e));
}

int OwnerSubject(int entry)
{
    for (int s = 0; s < SubjectCount; ++s) {
        if (Subjects[s].start <= entry && entry <= Subjects[s].end)
            return s;
    }
    return -1;
}

QString EntryHeading(int entry)
{
    const int s = OwnerSubject(entry);
    if (s < 0)
        return QString();
    // Built from the constant rows, so the heading is right even before the tables are filled.
    return QString::fromLatin1(Subjects[s].name) + QLatin1Char(' ')
        + QString::number(ValueAt(Subjects[s].values, entry - Subjects[s].start));
}

} // namespace modLearnNumerology
