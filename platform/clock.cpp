#include "platform/clock.h"

namespace platform {
namespace {
QDateTime& fixedNow()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime Now() { return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime(); }

void setFixedNow(const QDateTime& moment) { fixedNow() = moment; }

} // namespace platform
