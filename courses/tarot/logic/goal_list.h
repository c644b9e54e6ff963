#pragma once
// The personal goals in memory and in goals.txt in the program folder, with the page's edit
// mode. The read and write operations return a message for the user when something went
// wrong, or an empty text.
#include <QDate>
#include <QList>
#include <QString>

#include "courses/tarot/logic/array_helpers.h"
#include "courses/tarot/logic/modGoals.h"

class GoalList {
public:
    // The goals, positions 0 to n - 1, or without bounds when there are none.
    DynamicArray<GoalRecord> Goals;
    // On: a save overwrites the selected goal (update mode). Off: a save appends a goal.
    bool EditMode = true;

    static QString filePath();
    static bool fileExists();

    // Replaces Goals with the file's contents. Records that cannot be read are left out,
    // dates and percentages out of range are moved into it; the message says so. The file
    // is then copied aside before it is written again, so the user's text is never lost.
    QString ReadGoalsFile();
    // Writes every goal to the file; without bounds nothing is written.
    QString WriteGoalsFile();
    // Writes every goal but those at the given positions, in one write; Goals itself is not
    // changed.
    QString DeleteGoalsFromFile(const QList<int>& positions);

    // Appends a goal, not achieved, at 0 percent.
    void AddGoal(const QString& name, const QDate& start, const QDate& end, const QString& description);
    // Overwrites a goal's fields; Achieved stays as it was.
    void UpdateGoal(int position, const QString& name, const QDate& start, const QDate& end,
                    const QString& description, int percentage);
    // Sets Achieved on the goals at the given positions.
    void MarkAchieved(const QList<int>& positions);

private:
    QString writeGoals(const QString& text);
    bool m_copyBeforeWriting = false;
    QString m_backupPath;
};
