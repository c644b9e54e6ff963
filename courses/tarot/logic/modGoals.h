#pragma once
// The personal goals of the tarot course: one record per goal, kept in goals.txt.
#include <QDate>
#include <QString>
#include <cstdint>

struct GoalRecord {
    QString Name;
    QDate StartDate;
    QDate EndDate;
    QString Description;
    bool Achieved = false;
    std::int16_t Percentage = 0;

    bool operator==(const GoalRecord&) const = default;
};
