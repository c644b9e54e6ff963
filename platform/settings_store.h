#pragma once
// The per-user settings store: text values in section "Settings" under the executable's
// name (an INI file in the user's config folder). The file is read once; later reads are
// served from memory until the file changes on disk. Code reads and writes its values
// through their declarations (platform/setting.h), not through these names directly.
#include <QString>
#include <utility>
#include <vector>

namespace platform {

// The stored text, or defaultValue when the value is absent or is not a plain text.
QString GetSetting(const QString& name, const QString& defaultValue = QString());
// Writes one value; false when the settings file could not be written.
bool SaveSetting(const QString& name, const QString& value);
// Writes several values in the order given, with one write of the file; nothing is written
// when every value already stands as given. False when the file could not be written, in
// which case the store still reads what the file holds.
bool SaveSettings(const std::vector<std::pair<QString, QString>>& values);

// The INI file in use.
QString SettingsFile();
// Points the store at another file (tests); empty restores the user's file.
void setSettingsFile(const QString& path);
// How many times the file has been read so far (tests check that one read serves many values).
int SettingsFileReads();

} // namespace platform
