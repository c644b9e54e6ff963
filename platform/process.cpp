#include "platform/process.h"

#include <QCoreApplication>

namespace platform {
namespace {
bool& ending()
{
    static bool e = false;
    return e;
}
std::function<void()>& handler()
{
    static std::function<void()> h;
    return h;
}
} // namespace

void EndProcess()
{
    ending() = true;
    if (handler())
        handler()();
    else
        QCoreApplication::exit(0);
}

bool ProcessEnding() { return ending(); }

void setEndProcessHandler(std::function<void()> h) { handler() = std::move(h); }

void resetProcessEnding() { ending() = false; }

} // namespace platform
