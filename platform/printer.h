#pragma once
// Printing a text document on the default printer, as one job and without a dialog.
// The printing itself lives in a module (printing.h) that is loaded when the first job is
// printed, so the program starts without the print libraries. Tests replace the printer: a
// handler can record the document or send it to a PDF file.
#include <QString>
#include <functional>

class QTextDocument;

namespace platform {

class PrintQueues;

// Prints the whole document on the default printer, paginated to its page size. False when
// there is no default printer, the job could not be sent (the print system refused it, or the
// printer is stopped) or the printing module is missing; it never throws.
bool PrintDocument(const QTextDocument& document, const QString& jobName = QString());

using PrintHandler = std::function<bool(const QTextDocument& document, const QString& jobName)>;
// Replaces the default printer (tests); an empty handler restores it.
void setPrintHandler(PrintHandler handler);

// The printing module's entry: prints on the default printer, through the queues when the
// build has a print system of its own (see print_queues.h), else through Qt.
using SystemPrinter = bool (*)(const QTextDocument& document, const QString& jobName, PrintQueues* queues);
// The module's file name (without prefix or suffix) and the name of its entry.
inline constexpr char PrintingModule[] = "orvanel-printing";
inline constexpr char PrintingEntry[] = "orvanelPrintDocument";

} // namespace platform
