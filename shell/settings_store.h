#pragma once
// The per-user settings store: string values in section "Settings" under the
// executable's name (an INI file in the user's config folder).
#include <QString>
#include <utility>
#include <vector>

namespace settings_store {

QString GetSetting(const QString& name, const QString& defaultValue = QString());
void SaveSetting(const QString& name, const QString& value);
// Writes several values in the order given, with one write of the file.
void SaveSettings(const std::vector<std::pair<QString, QString>>& values);
// The INI file in use.
QString SettingsFile();
// Points the store at another file (tests); empty restores the user's file.
void setSettingsFile(const QString& path);

} // namespace settings_store
