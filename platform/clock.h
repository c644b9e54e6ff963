#pragma once
// The one source of the current date and time; tests can fix it.
#include <QDateTime>

namespace platform {

QDateTime Now();
// Fixes Now() at the given moment; an invalid value returns to the real clock.
void setFixedNow(const QDateTime& moment);

} // namespace platform
