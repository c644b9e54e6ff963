#pragma once
// The printing itself, on Qt's print support: built into the printing module (and linked into
// tests), never into the program, which loads it on first use (printer.h).
#include <QPageSize>
#include <QString>

#include "platform/printer.h"

class QPrinterInfo;
class QTextDocument;

namespace platform {

// Prints on the given printer; false for a null printer or a failed job.
bool PrintOnPrinter(const QTextDocument& document, const QPrinterInfo& printer, const QString& jobName = QString());

// Prints through one of the print system's queues: false when the queue is missing, rejects
// jobs or is stopped, or when the job is refused or fails at once.
bool PrintOnQueue(const QTextDocument& document, PrintQueues& queues, const QString& queue,
                  const QString& jobName = QString());

// Writes the document as a PDF file (in the given page size, else the default); false when
// the file could not be written.
bool PrintToPdf(const QTextDocument& document, const QString& path, const QPageSize& pageSize = QPageSize());

// A handler that sends every job to the PDF file at path.
PrintHandler pdfPrintHandler(const QString& path);

// The default printer: the queues' default queue when there are queues, else Qt's default
// printer. The module's entry.
bool PrintOnDefaultPrinter(const QTextDocument& document, const QString& jobName, PrintQueues* queues);

} // namespace platform
