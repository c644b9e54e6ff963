#pragma once
// The run state of the astrology course, shared by its learn page and its test: the chosen
// subject and attribute, the record or question on screen, and copies of the two columns the
// run reads. Also the steps of a learn run. QtCore only; the course window owns the run and
// shows the results.
#include <QString>
#include <QStringList>

#include "courses/astrology/logic/modLearnAstrology.h"

namespace modLearnAstrologyRun {

inline constexpr int SubjectSigns = 0;
inline constexpr int SubjectPlanets = 1;
inline constexpr int SubjectHouses = 2;

inline constexpr char FirstRecordMessage[] = "You are at the first record";
inline constexpr char LastRecordMessage[] = "You are at the last record";

// The attribute captions listed for a subject: 16 for signs, 8 for planets, 7 for houses.
QStringList AttributeCaptions(int subjectIndex);

// Upper bound of a copied column: its number of items (12 or 10), or 0 for an empty copy.
int UpperBound(const QStringList& column);

// Slot i of a column, or "" outside it.
QString Slot(const QStringList& column, int i);

// The picture lists hold sign and planet glyphs; houses have none.
enum class PictureList { None, Signs, Planets };

// What the learn page shows for the record CurrentIndex.
struct LearnRecord {
    QString subjectCaption;
    QString attributeCaption;
    QString name;
    QString text;
    PictureList pictures = PictureList::None;
    int pictureItem = 0;
};

class AstrologyRun {
public:
    // Entry chosen in the subject list: 0 signs, 1 planets, 2 (or any other) houses.
    int SubjectIndex = SubjectSigns;
    // Entry chosen in the attribute list.
    int AttributeIndex = 0;
    // The chosen entries' texts, trimmed of blanks.
    QString SubjectCaption;
    QString AttributeCaption;
    // The record on the learn page or the question on the test page, from 0.
    int CurrentIndex = 0;
    // Copies of the chosen column and of the set's name column, with all their slots (the
    // empty last one too), so their upper bound is the number of items; empty when released.
    QStringList AttributeColumn;
    QStringList NameColumn;
    // The content the run reads, filled when the run is loaded.
    modLearnAstrology::AstrologyTables Tables;

    // Sets the run state from the chosen list entries and starts at record (or question) 0.
    void StartRun(int subjectIndex, int attributeIndex, const QString& subjectText, const QString& attributeText);

    // Fills the subject's set and copies its name column and the chosen column.
    void LoadRun();

    // The name shown for item i: the name column's entry for signs and planets, the house
    // number ("1st House" ..) for houses.
    QString ShownName(int item) const;

    // The list the record's glyph comes from: planets when the copied column's upper bound is
    // 10, else signs; none for houses.
    PictureList PictureListFor(int upperBound) const;

    // The record CurrentIndex; when CurrentIndex is 0 the run is loaded first.
    LearnRecord ShowLearnRecord();

    // Steps to the next or previous record. False (the record unchanged) at the end of the run,
    // where the window shows LastRecordMessage or FirstRecordMessage.
    bool NextRecord();
    bool PreviousRecord();

    // Releases the two column copies, leaving them empty.
    void ReleaseColumns();
};

} // namespace modLearnAstrologyRun
