#include "courses/tarot/logic/goal_progress.h"

#include <cmath>

namespace modGoals {

qint64 DaysFromTo(const QDate& a, const QDate& b) { return a.daysTo(b); }

QString ShortestShare(float share, const QLocale& locale)
{
    const double rounded = std::round(static_cast<double>(share) * 100.0) / 100.0;
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(rounded, 'f', 2);
    const QString point = plain.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(plain.zeroDigit()))
            text.chop(plain.zeroDigit().size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    // A share that rounds to zero from below is shown as 0, not -0.
    if (rounded == 0.0)
        text = plain.toString(0);
    return text;
}

GoalProgress ProgressOf(const QDate& start, const QDate& end, const QDate& today, int percentage,
                        bool showDaysRemaining, const QLocale& locale)
{
    GoalProgress progress;
    const qint64 total = DaysFromTo(start, end);
    const qint64 elapsed = DaysFromTo(start, today);
    if (elapsed < 0) {
        progress.info = FutureStartMessage;
        return progress;
    }
    if (total <= 0)
        return progress;
    if (showDaysRemaining)
        progress.daysRemaining = QString::number(DaysFromTo(today, end));
    const float expected = static_cast<float>(100.0 / static_cast<double>(total) * static_cast<double>(elapsed));
    progress.info = QStringLiteral("You should have achieved ") + ShortestShare(expected, locale) +
                    QStringLiteral("%. You have actually achieved ") + QString::number(percentage) +
                    QStringLiteral("%");
    return progress;
}

} // namespace modGoals
