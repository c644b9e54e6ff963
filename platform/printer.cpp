#include "platform/printer.h"

#include "platform/modules.h"
#include "platform/print_queues.h"

namespace platform {
namespace {

PrintHandler& handler()
{
    static PrintHandler h;
    return h;
}

} // namespace

bool PrintDocument(const QTextDocument& document, const QString& jobName)
{
    if (handler())
        return handler()(document, jobName);
    auto print = reinterpret_cast<SystemPrinter>(ModuleFunction(PrintingModule, PrintingEntry));
    return print && print(document, jobName, printQueues());
}

void setPrintHandler(PrintHandler h) { handler() = std::move(h); }

} // namespace platform
