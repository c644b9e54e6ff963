#pragma once
// Printing a text document on the default printer, as one job and without a dialog.
// Tests replace the printer: a handler can record the document or send it to a PDF file.
#include <QString>
#include <functional>

#include <QPageSize>

class QPrinterInfo;
class QTextDocument;

namespace platform {

// Prints the whole document on the default printer, paginated to its page size. False when
// there is no default printer or the job could not be sent (the print system refused it, or
// the printer is stopped); it never throws.
bool PrintDocument(const QTextDocument& document, const QString& jobName = QString());

// Prints on the given printer; false for a null printer or a failed job.
bool PrintOnPrinter(const QTextDocument& document, const QPrinterInfo& printer, const QString& jobName = QString());

// Prints through the print system's queue (see print_queues.h): false when the queue is
// missing, rejects jobs or is stopped, or when the job is refused or fails at once.
bool PrintOnQueue(const QTextDocument& document, const QString& queue, const QString& jobName = QString());

// Writes the document as a PDF file (in the given page size, else the default); false when
// the file could not be written.
bool PrintToPdf(const QTextDocument& document, const QString& path, const QPageSize& pageSize = QPageSize());

using PrintHandler = std::function<bool(const QTextDocument& document, const QString& jobName)>;
// Replaces the default printer (tests); an empty handler restores it.
void setPrintHandler(PrintHandler handler);
// A handler that sends every job to the PDF file at path.
PrintHandler pdfPrintHandler(const QString& path);

} // namespace platform
