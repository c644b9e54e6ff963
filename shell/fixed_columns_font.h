#pragma once
// The font for text laid out in columns (test results, reports, letter charts): one whose every
// character the text shows has the same advance, so a column starts at the same x on every line.
// A family's fixed-pitch flag is not trusted: fontconfig reports Noto Sans Mono as proportional,
// and a desktop may resolve "Monospace" to a proportional family. The advances are measured.
#include <QFont>
#include <QString>
#include <QStringList>

namespace fixed_columns {

// The characters every column text may hold: printable ASCII, the blank included.
QString printableAscii();

// True when every one of the characters has the same advance in the font.
bool evenAdvances(const QFont& font, const QString& characters);

// The first of the families whose font, at the point size, has one advance for every character
// of printable ASCII and the extra characters; empty when none has.
QString firstEvenFamily(const QStringList& families, qreal pointSize, const QString& extraCharacters = {});

// The families tried, in order: those common on desktops, then the system's fixed font.
QStringList candidateFamilies();

// The font for columns at the point size, the family chosen from candidateFamilies() once per
// size and character set in this process. When no family passes, the system's fixed font.
QFont fixedColumnsFont(qreal pointSize, const QString& extraCharacters = {});

} // namespace fixed_columns
