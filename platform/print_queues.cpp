#include "platform/print_queues.h"

namespace platform {
namespace {
struct Installed {
    std::unique_ptr<PrintQueues> queues;
    bool replaced = false;
};

Installed& installed()
{
    static Installed i;
    return i;
}
} // namespace

PrintQueues* printQueues()
{
    Installed& i = installed();
    if (!i.queues && !i.replaced)
        i.queues = makeSystemPrintQueues();
    return i.queues.get();
}

void setPrintQueues(std::unique_ptr<PrintQueues> queues)
{
    installed().replaced = queues != nullptr;
    installed().queues = std::move(queues);
}

#ifndef ORVANEL_HAVE_CUPS
std::unique_ptr<PrintQueues> makeSystemPrintQueues() { return nullptr; }
void setPrintServer(const QString&) {}
#endif

} // namespace platform
