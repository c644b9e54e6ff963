#pragma once
// Small shapes of plain text that several courses and the shell share.
#include <QString>

namespace platform {

// Removes leading and trailing blanks (character 32) only; tabs and line breaks stay.
QString TrimBlanks(const QString& text);

// Line breaks of any kind (CR LF, a lone CR, the Unicode line and paragraph separators) as one
// line feed each.
QString WithLineFeeds(QString text);

} // namespace platform
