#include "courses/numerology/logic/letter_chart.h"

#include <QRegularExpression>

namespace modLearnNumerology {

bool IsLetterChartLine(const QString& line)
{
    static const QRegularExpression entry(QStringLiteral("^(?:[1-9]|[A-Z]\\*?|-+)$"));
    constexpr qsizetype FewestEntries = 8;
    const QStringList entries = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (entries.size() < FewestEntries)
        return false;
    for (const QString& e : entries)
        if (!entry.match(e).hasMatch())
            return false;
    return true;
}

} // namespace modLearnNumerology
