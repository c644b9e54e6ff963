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

SystemPrinter& linkedPrinter()
{
    static SystemPrinter printer = nullptr;
    return printer;
}

} // namespace

bool PrintDocument(const QTextDocument& document, const QString& jobName)
{
    if (handler())
        return handler()(document, jobName);
    SystemPrinter print = linkedPrinter();
    if (!print)
        print = reinterpret_cast<SystemPrinter>(ModuleFunction(PrintingModule, PrintingEntry));
    return print && print(document, jobName, printQueues());
}

void setPrintHandler(PrintHandler h) { handler() = std::move(h); }

void setSystemPrinter(SystemPrinter printer) { linkedPrinter() = printer; }

} // namespace platform
