#include "platform/printer.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace platform {
namespace {

PrintHandler& handler()
{
    static PrintHandler h;
    return h;
}

// A job went out when the printer took it without an error or an abort.
bool jobSent(const QPrinter& printer)
{
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

} // namespace

bool PrintOnPrinter(const QTextDocument& document, const QPrinterInfo& printer, const QString& jobName)
{
    if (printer.isNull())
        return false;
    QPrinter device(printer, QPrinter::HighResolution);
    device.setDocName(jobName);
    if (!device.isValid())
        return false;
    document.print(&device);
    return jobSent(device);
}

bool PrintToPdf(const QTextDocument& document, const QString& path)
{
    // An old file of the same name must not pass for this job's output.
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(path);
    document.print(&device);
    return jobSent(device) && QFileInfo(path).size() > 0;
}

bool PrintDocument(const QTextDocument& document, const QString& jobName)
{
    if (handler())
        return handler()(document, jobName);
    return PrintOnPrinter(document, QPrinterInfo::defaultPrinter(), jobName);
}

void setPrintHandler(PrintHandler h) { handler() = std::move(h); }

PrintHandler pdfPrintHandler(const QString& path)
{
    return [path](const QTextDocument& document, const QString&) { return PrintToPdf(document, path); };
}

} // namespace platform
