#pragma once
// The letter-value charts inside the calculation texts: rows of digits 1-9 or of letters
// (with "--" or "-" where a letter does not count and "*" beside W and Y), one per line, whose
// columns must stand under each other.
#include <QString>

namespace modLearnNumerology {

// True for one row of such a chart: eight or more entries parted by blanks, each a digit,
// a capital letter (with or without "*") or dashes.
bool IsLetterChartLine(const QString& line);

} // namespace modLearnNumerology
