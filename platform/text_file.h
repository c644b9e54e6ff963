#pragma once
// Text files in the system's locale encoding with CR LF line ends.
#include <QString>
#include <QStringList>

namespace platform {

inline constexpr char CrLf[] = "\r\n";

// Writes text as it stands (the caller puts in the CR LF line ends). The whole file is
// replaced atomically, so a failure never leaves half a file. False when it cannot be written.
bool WriteTextFile(const QString& path, const QString& text);
// Reads the file's lines (split at CR LF, LF or CR, without their ends). False when unreadable.
bool ReadTextLines(const QString& path, QStringList* lines);

} // namespace platform
