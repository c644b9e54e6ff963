// The astrology run state and the steps of a learn run.
#include "courses/astrology/logic/modLearnAstrologyRun.h"

#include <span>

#include "platform/plain_text.h"

namespace modLearnAstrologyRun {

namespace {

using namespace modLearnAstrology;

QStringList captionList(std::span<const char* const> captions)
{
    QStringList list;
    for (const char* caption : captions)
        list << QString::fromUtf8(caption);
    return list;
}

QStringList copyOf(std::span<const QString> column) { return QStringList(column.begin(), column.end()); }

// The house column that attribute entry k selects: the first two have no entry.
constexpr int FirstListedHouseColumn = 2;

} // namespace

QStringList AttributeCaptions(int subjectIndex)
{
    switch (subjectIndex) {
    case SubjectSigns: return captionList(SignAttributeCaptions());
    case SubjectPlanets: return captionList(PlanetAttributeCaptions());
    default: return captionList(HouseAttributeCaptions());
    }
}

void AstrologyRun::StartRun(int subjectIndex, int attributeIndex, const QString& subjectText, const QString& attributeText)
{
    SubjectIndex = subjectIndex;
    AttributeIndex = attributeIndex;
    SubjectCaption = platform::TrimBlanks(subjectText);
    AttributeCaption = platform::TrimBlanks(attributeText);
    CurrentIndex = 0;
}

void AstrologyRun::LoadRun()
{
    switch (SubjectIndex) {
    case SubjectSigns:
        Tables.FillSignTables();
        NameColumn = copyOf(Tables.Signs.SignName);
        AttributeColumn = copyOf(Tables.SignColumnAt(AttributeIndex));
        break;
    case SubjectPlanets:
        Tables.FillPlanetTables();
        NameColumn = copyOf(Tables.Planets.PlanetName);
        AttributeColumn = copyOf(Tables.PlanetColumnAt(AttributeIndex));
        break;
    default:
        Tables.FillHouseTables();
        NameColumn = copyOf(Tables.Houses.SignTitle);
        AttributeColumn = copyOf(Tables.HouseColumnAt(AttributeIndex + FirstListedHouseColumn));
        break;
    }
}

int UpperBound(const QStringList& column) { return column.isEmpty() ? 0 : int(column.size()) - 1; }

QString Slot(const QStringList& column, int i) { return i >= 0 && i < column.size() ? column[i] : QString(); }

QString AstrologyRun::ShownName(int item) const
{
    if (SubjectIndex == SubjectSigns || SubjectIndex == SubjectPlanets)
        return Slot(NameColumn, item);
    return item >= 0 && item < int(Tables.Houses.HouseNumber.size()) ? Tables.Houses.HouseNumber[std::size_t(item)] : QString();
}

PictureList AstrologyRun::PictureListFor(int upperBound) const
{
    if (SubjectIndex != SubjectSigns && SubjectIndex != SubjectPlanets)
        return PictureList::None;
    return upperBound == PlanetCount ? PictureList::Planets : PictureList::Signs;
}

LearnRecord AstrologyRun::ShowLearnRecord()
{
    if (CurrentIndex == 0)
        LoadRun();
    LearnRecord record;
    record.subjectCaption = SubjectCaption;
    record.attributeCaption = AttributeCaption;
    record.text = Slot(AttributeColumn, CurrentIndex);
    record.name = ShownName(CurrentIndex);
    record.pictures = PictureListFor(UpperBound(AttributeColumn));
    record.pictureItem = CurrentIndex;
    return record;
}

bool AstrologyRun::NextRecord()
{
    ++CurrentIndex;
    if (CurrentIndex < UpperBound(AttributeColumn))
        return true;
    --CurrentIndex;
    return false;
}

bool AstrologyRun::PreviousRecord()
{
    if (CurrentIndex > 0) {
        --CurrentIndex;
        return true;
    }
    CurrentIndex = 0;
    return false;
}

void AstrologyRun::ReleaseColumns()
{
    AttributeColumn.clear();
    NameColumn.clear();
}

} // namespace modLearnAstrologyRun
