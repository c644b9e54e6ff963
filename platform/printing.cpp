#include "platform/printing.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextDocument>

#include "platform/print_queues.h"

namespace platform {
namespace {

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

bool PrintToPdf(const QTextDocument& document, const QString& path, const QPageSize& pageSize)
{
    // An old file of the same name must not pass for this job's output.
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(path);
    if (pageSize.isValid())
        device.setPageSize(pageSize);
    document.print(&device);
    return jobSent(device) && QFileInfo(path).size() > 0;
}

bool PrintOnQueue(const QTextDocument& document, PrintQueues& queues, const QString& queue, const QString& jobName)
{
    // A queue that rejects jobs or is stopped would keep the job from paper: not sent.
    if (queue.isEmpty() || queues.queueState(queue) != PrintQueues::QueueState::Ready)
        return false;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("job.pdf"));
    if (!folder.isValid() || !PrintToPdf(document, pdf, QPrinterInfo::printerInfo(queue).defaultPageSize()))
        return false;
    const QString title = jobName.isEmpty() ? QCoreApplication::applicationName() : jobName;
    const int job = queues.submit(queue, pdf, title);
    return job > 0 && queues.jobState(queue, job) != PrintQueues::JobState::Failed;
}

PrintHandler pdfPrintHandler(const QString& path)
{
    return [path](const QTextDocument& document, const QString&) { return PrintToPdf(document, path); };
}

bool PrintOnDefaultPrinter(const QTextDocument& document, const QString& jobName, PrintQueues* queues)
{
    if (queues)
        return PrintOnQueue(document, *queues, queues->defaultQueue(), jobName);
    return PrintOnPrinter(document, QPrinterInfo::defaultPrinter(), jobName);
}

} // namespace platform
