#pragma once
// The per-user settings store: string values in section "Settings" under the
// executable's name (an INI file in the user's config folder).
#include <QString>

namespace settings_store {

QString GetSetting(const QString& name, const QString& defaultValue = QString());
void SaveSetting(const QString& name, const QString& value);
// The INI file in use.
QString SettingsFile();
// Points the store at another file (tests); empty restores the user's file.
void setSettingsFile(const QString& path);

} // namespace settings_store
