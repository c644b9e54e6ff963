#include "shell/update_reminder.h"

#include <QLocale>
#include <algorithm>

#include "platform/clock.h"
#include "platform/message_box.h"
#include "shell/web_pages.h"

namespace modHelp {
namespace {
constexpr int ReminderDays = 14;

// Character codes as the ANSI code page sees them; what it cannot hold becomes "?".
int ansiCode(QChar c) { return c.unicode() <= 255 ? c.unicode() : '?'; }

QString shifted(const QString& text, int by)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int code = ansiCode(c) + by;
        if (code >= 0 && code <= 255)
            result.append(QChar(code));
    }
    return result;
}

QString generalFormat()
{
    const QLocale locale = QLocale();
    QString date = locale.dateFormat(QLocale::ShortFormat);
    // A two-digit year would read back a century off.
    if (!date.contains(QStringLiteral("yyyy")))
        date.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return date + QLatin1Char(' ') + locale.timeFormat(QLocale::LongFormat);
}

// A stamp that cannot be stored is not reported.
void storeStamp() { LastReminder().save(GeneralDateTimeText(platform::Now())); }

// Calendar-day boundaries from today to the stamp, negative when the stamp is past.
qint64 daysFromNow(const QDateTime& stamp) { return platform::Now().date().daysTo(stamp.date()); }

bool reminderDue(const QDateTime& stamp) { return daysFromNow(stamp) < -ReminderDays || daysFromNow(stamp) > ReminderDays; }
} // namespace

const platform::Setting<QString>& LastReminder()
{
    static const platform::Setting<QString> stamp(
        ScrambleText(QStringLiteral("Duration")), QString(), [](const QString& text) { return UnscrambleText(text); },
        [](const QString& stamp) { return ScrambleText(stamp); });
    return stamp;
}

QString ScrambleText(const QString& text) { return shifted(text, 85); }

QString UnscrambleText(const QString& text) { return shifted(text, -85); }

QString GeneralDateTimeText(const QDateTime& moment)
{
    const QString text = QLocale().toString(moment, generalFormat());
    // The scrambler keeps only character codes up to 170; a regional text beyond them
    // (month names in other scripts, say) is written in the ISO form instead.
    const bool carried = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 170; });
    return carried ? text : moment.toString(Qt::ISODate);
}

QDateTime ParseGeneralDateTime(const QString& text)
{
    QDateTime moment = QLocale().toDateTime(text, generalFormat());
    if (!moment.isValid())
        moment = QDateTime::fromString(text, Qt::ISODate);
    return moment;
}

bool UpdateReminderAsks()
{
    const QDateTime stamp = ParseGeneralDateTime(LastReminder().valueOr(QString()));
    return stamp.isValid() && reminderDue(stamp);
}

void ShowUpdateReminder()
{
    const QString stored = LastReminder().valueOr(QString());
    const QDateTime stamp = ParseGeneralDateTime(stored);

    // First run, or a stamp that no longer reads as a date: store a fresh one silently.
    if (stored.isEmpty() || !stamp.isValid()) {
        storeStamp();
        return;
    }
    if (!reminderDue(stamp))
        return;

    const int answer = platform::MsgBox(QStringLiteral("There maybe an update to this software available\r"
                                                       "Do you want to check for an update?"),
                                        platform::vbYesNo + platform::vbInformation);
    storeStamp();
    if (answer == platform::vbYes)
        GoToDownload();
}

} // namespace modHelp
