#include "courses/tarot/logic/card_query.h"

namespace tarot {

QString BuildCardQuery(bool major, const std::array<bool, 4>& suits)
{
    std::array<QString, 5> terms;
    if (major)
        terms[0] = QStringLiteral("(Group=0)");
    for (int i = 0; i < 4; ++i)
        if (suits[static_cast<std::size_t>(i)])
            terms[static_cast<std::size_t>(i + 1)] = QStringLiteral("(Group=%1)").arg(i + 1);

    QString sql = QStringLiteral("SELECT * FROM tblCards WHERE ");
    for (const QString& term : terms)
        if (!term.isEmpty())
            sql += QLatin1Char(' ') + term + QStringLiteral(" OR ");
    sql.chop(4);
    sql += QStringLiteral(" ORDER BY ID");
    // Each pair of blanks becomes one, scanning from the left.
    return sql.replace(QStringLiteral("  "), QStringLiteral(" "));
}

QString BuildCardQuery(const CardChoice& choice)
{
    std::array<bool, 4> suits{};
    for (std::size_t i = 0; i < suits.size(); ++i)
        suits[i] = choice.Minor && choice.Suits[i];
    return BuildCardQuery(choice.Major, suits);
}

} // namespace tarot
