#pragma once
// The reminder that offers, about every two weeks, to look for an update, and the
// character scrambler that hides its stored stamp.
#include <QDateTime>
#include <QString>

#include "platform/setting.h"

namespace modHelp {

void ShowUpdateReminder();
// Whether ShowUpdateReminder would ask now; when it would not, it at most stores a first
// stamp, silently.
bool UpdateReminderAsks();

// The last-reminder stamp as the general date-time text: stored under the scrambled name
// "Duration" with its text scrambled; empty when never reminded.
const platform::Setting<QString>& LastReminder();

// Shifts every character code up by 85; characters that would pass code 255 are left out.
QString ScrambleText(const QString& text);
// Shifts every character code down by 85; characters below code 85 are left out.
QString UnscrambleText(const QString& text);

// The general date-time text of a moment (the user's short date with a four-digit
// year, then the time), and its reading; an unreadable text gives an invalid moment.
QString GeneralDateTimeText(const QDateTime& moment);
QDateTime ParseGeneralDateTime(const QString& text);

} // namespace modHelp
