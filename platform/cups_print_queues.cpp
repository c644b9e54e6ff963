// The print queues of CUPS: the queue's state before a job is sent, the job's id from the
// server (0 when it refused the job) and the job's state right after.
#include <QFile>

#include "platform/print_queues.h"

#include <cups/cups.h>

namespace platform {
namespace {

class CupsPrintQueues : public PrintQueues {
public:
    QString defaultQueue() override
    {
        cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
        const QString name = dest ? QString::fromLocal8Bit(dest->name) : QString();
        cupsFreeDests(dest ? 1 : 0, dest);
        return name;
    }

    QueueState queueState(const QString& queue) override
    {
        cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toLocal8Bit().constData(), nullptr);
        if (!dest)
            return QueueState::Missing;
        const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
        QueueState result = QueueState::Ready;
        if (accepting && qstrcmp(accepting, "true") != 0)
            result = QueueState::Rejecting;
        else if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED)
            result = QueueState::Stopped;
        cupsFreeDests(1, dest);
        return result;
    }

    int submit(const QString& queue, const QString& pdfFile, const QString& title) override
    {
        return cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.toLocal8Bit().constData(),
                              QFile::encodeName(pdfFile).constData(), title.toLocal8Bit().constData(), 0, nullptr);
    }

    JobState jobState(const QString& queue, int job) override
    {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toLocal8Bit().constData(), 1, CUPS_WHICHJOBS_ALL);
        JobState result = JobState::Done; // a job no longer listed has gone through
        for (int i = 0; i < count; ++i) {
            if (jobs[i].id != job)
                continue;
            switch (jobs[i].state) {
            case IPP_JSTATE_STOPPED:
            case IPP_JSTATE_CANCELED:
            case IPP_JSTATE_ABORTED: result = JobState::Failed; break;
            case IPP_JSTATE_COMPLETED: result = JobState::Done; break;
            default: result = JobState::Waiting; break;
            }
        }
        cupsFreeJobs(count, jobs);
        return result;
    }
};

} // namespace

std::unique_ptr<PrintQueues> makeSystemPrintQueues() { return std::make_unique<CupsPrintQueues>(); }

void setPrintServer(const QString& server)
{
    const QByteArray name = server.toLocal8Bit();
    cupsSetServer(server.isEmpty() ? nullptr : name.constData());
}

} // namespace platform
