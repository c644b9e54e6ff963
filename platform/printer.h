#pragma once
// Printing a text document on the default printer, as one job and without a dialog.
// Tests replace the printer: a handler can record the document or send it to a PDF file.
#include <QString>
#include <functional>

class QPrinterInfo;
class QTextDocument;

namespace platform {

// Prints the whole document on the default printer, paginated to its page size. False when
// there is no default printer or the job could not be sent; it never throws.
bool PrintDocument(const QTextDocument& document, const QString& jobName = QString());

// Prints on the given printer; false for a null printer or a failed job.
bool PrintOnPrinter(const QTextDocument& document, const QPrinterInfo& printer, const QString& jobName = QString());

// Writes the document as a PDF file; false when the file could not be written.
bool PrintToPdf(const QTextDocument& document, const QString& path);

using PrintHandler = std::function<bool(const QTextDocument& document, const QString& jobName)>;
// Replaces the default printer (tests); an empty handler restores it.
void setPrintHandler(PrintHandler handler);
// A handler that sends every job to the PDF file at path.
PrintHandler pdfPrintHandler(const QString& path);

} // namespace platform
