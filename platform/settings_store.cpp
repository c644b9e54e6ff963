#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <memory>

#include "platform/program_folder.h"

namespace platform {
namespace {

QString key(const QString& name) { return QStringLiteral("Settings/") + name; }

// What the file looked like when it was last read or written: a change of any part means
// someone else wrote it, and it is read again.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified()};
}

// One QSettings object per file, kept open: it reads the file once and then answers from
// memory; our own writes go through it, so it holds what the file holds.
struct OpenStore {
    QString path;
    FileStamp stamp;
    std::unique_ptr<QSettings> settings;
    int reads = 0;
};

OpenStore& open()
{
    static OpenStore* store = [] {
        auto* s = new OpenStore;
        // Closed with the application, while the settings machinery still stands.
        qAddPostRoutine([] { open().settings.reset(); });
        return s;
    }();
    return *store;
}

QString& overridePath()
{
    static QString path;
    return path;
}

QSettings& current()
{
    OpenStore& s = open();
    const QString path = SettingsFile();
    const FileStamp stamp = stampOf(path);
    if (!s.settings || s.path != path || !(s.stamp == stamp)) {
        s.settings.reset();
        s.path = path;
        s.stamp = stamp;
        s.settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        ++s.reads;
    }
    return *s.settings;
}

// A value that is not a plain text (a hand-edited list, say) reads as missing.
bool isText(const QVariant& value) { return value.typeId() == QMetaType::QString; }

} // namespace

QString SettingsFile()
{
    if (!overridePath().isEmpty())
        return overridePath();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(ExecutableName() + QStringLiteral(".ini"));
}

QString GetSetting(const QString& name, const QString& defaultValue)
{
    const QVariant value = current().value(key(name));
    return isText(value) ? value.toString() : defaultValue;
}

bool SaveSetting(const QString& name, const QString& value) { return SaveSettings({{name, value}}); }

bool SaveSettings(const std::vector<std::pair<QString, QString>>& values)
{
    QSettings& store = current();
    std::vector<QVariant> before;
    for (const auto& entry : values)
        before.push_back(store.value(key(entry.first)));
    const bool unchanged = std::equal(values.begin(), values.end(), before.begin(), [](const auto& entry, const QVariant& stored) {
        return isText(stored) && stored.toString() == entry.second;
    });
    if (unchanged)
        return true;

    for (const auto& [name, value] : values)
        store.setValue(key(name), value);
    store.sync();
    OpenStore& s = open();
    const FileStamp written = stampOf(s.path);
    // The status keeps the first problem met: a file that read with a format problem still
    // takes the write, which a changed file shows.
    if (store.status() == QSettings::NoError || (store.status() == QSettings::FormatError && !(written == s.stamp))) {
        s.stamp = written;
        return true;
    }
    // Put back what the file holds, so that reads and later writes do not carry the refused
    // values, and open the file afresh next time.
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (before[i].isValid())
            store.setValue(key(values[i].first), before[i]);
        else
            store.remove(key(values[i].first));
    }
    s.settings.reset();
    return false;
}

void setSettingsFile(const QString& path) { overridePath() = path; }

int SettingsFileReads() { return open().reads; }

} // namespace platform
