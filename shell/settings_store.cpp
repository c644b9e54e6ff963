#include "shell/settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "platform/program_folder.h"

namespace settings_store {
namespace {
QString& overridePath()
{
    static QString path;
    return path;
}

QString key(const QString& name) { return QStringLiteral("Settings/") + name; }
} // namespace

QString SettingsFile()
{
    if (!overridePath().isEmpty())
        return overridePath();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(platform::ExecutableName() + QStringLiteral(".ini"));
}

QString GetSetting(const QString& name, const QString& defaultValue)
{
    QSettings store(SettingsFile(), QSettings::IniFormat);
    const QVariant value = store.value(key(name));
    // A value that is not a plain text (a hand-edited list, say) reads as missing.
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return defaultValue;
    return value.toString();
}

void SaveSetting(const QString& name, const QString& value)
{
    QSettings store(SettingsFile(), QSettings::IniFormat);
    store.setValue(key(name), value);
}

void SaveSettings(const std::vector<std::pair<QString, QString>>& values)
{
    QSettings store(SettingsFile(), QSettings::IniFormat);
    // Values that already stand in the store as given need no write of the file.
    const bool unchanged = std::all_of(values.begin(), values.end(), [&store](const auto& entry) {
        const QVariant stored = store.value(key(entry.first));
        return stored.typeId() == QMetaType::QString && stored.toString() == entry.second;
    });
    if (unchanged)
        return;
    for (const auto& [name, value] : values)
        store.setValue(key(name), value);
}

void setSettingsFile(const QString& path) { overridePath() = path; }

} // namespace settings_store
