// The printing module's entry, which the program resolves by name when it prints first.
#include <QtGlobal>

#include "platform/printing.h"

extern "C" Q_DECL_EXPORT bool orvanelPrintDocument(const QTextDocument& document, const QString& jobName,
                                                    platform::PrintQueues* queues)
{
    return platform::PrintOnDefaultPrinter(document, jobName, queues);
}
