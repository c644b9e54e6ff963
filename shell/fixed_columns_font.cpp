#include "shell/fixed_columns_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <utility>

namespace fixed_columns {

namespace {

QFont columnsFont(const QString& family, qreal pointSize)
{
    QFont font(family);
    // Glyphs the family lacks come from another fixed-width face where one exists.
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QString printableAscii()
{
    QString characters;
    for (char c = 0x20; c < 0x7f; ++c)
        characters += QLatin1Char(c);
    return characters;
}

bool evenAdvances(const QFont& font, const QString& characters)
{
    if (characters.isEmpty())
        return true;
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(characters.front());
    // A hundredth of a pixel apart over a hundred columns still puts them within a pixel.
    constexpr qreal Tolerance = 0.01;
    for (const QChar c : characters)
        if (qAbs(metrics.horizontalAdvance(c) - advance) > Tolerance)
            return false;
    return true;
}

QString firstEvenFamily(const QStringList& families, qreal pointSize, const QString& extraCharacters)
{
    const QString characters = printableAscii() + extraCharacters;
    for (const QString& family : families)
        if (evenAdvances(columnsFont(family, pointSize), characters))
            return family;
    return {};
}

QStringList candidateFamilies()
{
    return {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("Noto Sans Mono"),
            QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family()};
}

QFont fixedColumnsFont(qreal pointSize, const QString& extraCharacters)
{
    // Measuring takes a font engine per family tried; every course window asks again on opening.
    static QHash<std::pair<qreal, QString>, QString> chosen;
    const std::pair key(pointSize, extraCharacters);
    auto found = chosen.constFind(key);
    if (found == chosen.constEnd()) {
        QString family = firstEvenFamily(candidateFamilies(), pointSize, extraCharacters);
        if (family.isEmpty())
            family = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
        // Kept by the family the name resolved to (a missing family resolves to a substitute).
        found = chosen.insert(key, QFontInfo(columnsFont(family, pointSize)).family());
    }
    return columnsFont(*found, pointSize);
}

} // namespace fixed_columns
