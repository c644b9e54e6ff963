#pragma once
// One declared value of the settings store: its name, the text it has when absent, and the
// rules that read the stored text as a value and write a value as text. Each value is
// declared once, next to the code that uses it; code and tests go through the declaration.
//
//   const platform::Setting<int> TestType = platform::WholeNumberSetting("TestType", 1, 0, 1);
//   if (const std::optional<int> type = TestType.value()) ... else (the stored text is unreadable)
//   TestType.save(0);
#include <QString>
#include <climits>
#include <functional>
#include <optional>
#include <utility>

#include "platform/settings_store.h"

namespace platform {

template <typename T>
class Setting {
public:
    // Empty when the text cannot be read as a value.
    using ReadRule = std::function<std::optional<T>(const QString&)>;
    using WriteRule = std::function<QString(const T&)>;

    Setting(QString name, QString defaultText, ReadRule read, WriteRule write)
        : m_name(std::move(name)), m_defaultText(std::move(defaultText)), m_read(std::move(read)),
          m_write(std::move(write))
    {
    }

    const QString& name() const { return m_name; }
    const QString& defaultText() const { return m_defaultText; }

    // The stored text, or the default text when the value is absent.
    QString text() const { return GetSetting(m_name, m_defaultText); }
    // The stored text read by the rule; empty when it cannot be read.
    std::optional<T> value() const { return m_read(text()); }
    // The value, or fallback when the stored text cannot be read.
    T valueOr(const T& fallback) const { return value().value_or(fallback); }

    // The text a value is stored as.
    QString textOf(const T& value) const { return m_write(value); }
    // Name and text, for writing several values at once with SaveSettings.
    std::pair<QString, QString> entry(const T& value) const { return {m_name, textOf(value)}; }
    // Stores the value; false when the settings file could not be written.
    bool save(const T& value) const { return SaveSetting(m_name, textOf(value)); }

private:
    QString m_name;
    QString m_defaultText;
    ReadRule m_read;
    WriteRule m_write;
};

// A whole number stored as decimal text ("1", "0"). A text that is not a whole number
// (white space around it is allowed), or one outside lowest..highest, cannot be read.
Setting<int> WholeNumberSetting(const QString& name, int defaultValue, int lowest = INT_MIN, int highest = INT_MAX);
// Stored as "True" or "False"; reads as true only when the text is exactly "True".
Setting<bool> TrueFalseSetting(const QString& name, bool defaultValue);
// A tick stored as "1" or "0"; reads as ticked when the text is the number 1 (" 1", "1.0"),
// and as unticked for any other text.
Setting<bool> TickSetting(const QString& name, const QString& defaultText = QString());
// A text stored as it is.
Setting<QString> TextSetting(const QString& name, const QString& defaultText = QString());

} // namespace platform
