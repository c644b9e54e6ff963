#pragma once
// Day counts of a goal and the progress message that compares the share of its time already
// passed with the share the user says is done.
#include <QDate>
#include <QLocale>
#include <QString>

namespace modGoals {

// Calendar days from a to b (negative when b is earlier). 64-bit: the pickers' whole range
// of 1980 to 2099 spans more days than 16 bits hold.
qint64 DaysFromTo(const QDate& a, const QDate& b);

// The share rounded to two decimals (halves away from zero) in its shortest form: no
// trailing zeros, no decimal separator for a whole number, no group separators.
QString ShortestShare(float share, const QLocale& locale);

struct GoalProgress {
    QString info;          // lblInfo
    QString daysRemaining; // lblDaysRemaining
};

inline const QString FutureStartMessage = QStringLiteral("Your goal starting date has been set for the future");

// The progress of a goal from start to end on the given day with the percentage reached.
// The days remaining are given only when showDaysRemaining (the percentage list is enabled).
GoalProgress ProgressOf(const QDate& start, const QDate& end, const QDate& today, int percentage,
                        bool showDaysRemaining, const QLocale& locale);

} // namespace modGoals
