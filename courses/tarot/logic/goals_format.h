#pragma once
// The text of goals.txt: one line per goal with six comma-separated fields,
// "Name",#yyyy-mm-dd#,#yyyy-mm-dd#,"Description",#TRUE# or #FALSE#,Percentage and CR LF.
// A double quote inside a text is doubled; a line break inside a text is written as CR LF.
#include <QDate>
#include <QList>
#include <QString>

#include "courses/tarot/logic/array_helpers.h"
#include "courses/tarot/logic/modGoals.h"

namespace modGoals {

// The dates the date pickers can show; dates read from the file are moved into this range.
inline constexpr int FirstPickerYear = 1980;
inline constexpr int LastPickerYear = 2099;
QDate firstPickerDate();
QDate lastPickerDate();

// One goal as its line of the file, CR LF included.
QString FormatGoalLine(const GoalRecord& goal);
// Every goal from position 0 to the last, leaving out the positions in skipped.
QString FormatGoals(const DynamicArray<GoalRecord>& goals, const QList<int>& skipped = {});

struct ParsedGoals {
    // Without bounds when the text holds no goal.
    DynamicArray<GoalRecord> goals;
    // First line numbers (from 1) of records that could not be read; they are left out.
    QList<int> badLines;
    // First line numbers of records whose dates or percentage were moved into range.
    QList<int> clampedLines;
};

// Reads the goals back. Files whose texts hold undoubled quotes (as older versions wrote
// them) are read too: a record that does not read with doubled quotes is read again with
// every quote kept, a text ending at the quote that is followed by ",#".
ParsedGoals ParseGoals(const QString& text);

} // namespace modGoals
