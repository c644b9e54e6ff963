// The print queues of CUPS: the queue's state before a job is sent, the job's id from the
// server (0 when it refused the job) and the job's state right after. The CUPS library is
// loaded when printing first needs it, not at start-up: it brings the TLS libraries along,
// which would cost every run of the program memory for a report it may never print.
#include <QFile>
#include <QLibrary>

#include "platform/print_queues.h"

#include <cups/cups.h>

namespace platform {
namespace {

// The CUPS calls printing makes, resolved from the library.
struct CupsCalls {
    decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;
    decltype(&::cupsPrintFile2) printFile2 = nullptr;
    decltype(&::cupsGetJobs2) getJobs2 = nullptr;
    decltype(&::cupsFreeJobs) freeJobs = nullptr;
    decltype(&::cupsSetServer) setServer = nullptr;

    bool complete() const
    {
        return getNamedDest && freeDests && getOption && printFile2 && getJobs2 && freeJobs && setServer;
    }
};

// The calls, or null when the library or one of its calls cannot be found.
const CupsCalls* cups()
{
    static const CupsCalls* loaded = [] () -> const CupsCalls* {
        static QLibrary library(QStringLiteral("cups"), 2);
        static CupsCalls calls;
        if (!library.load())
            return nullptr;
        auto resolve = [](auto& call, const char* name) {
            call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(library.resolve(name));
        };
        resolve(calls.getNamedDest, "cupsGetNamedDest");
        resolve(calls.freeDests, "cupsFreeDests");
        resolve(calls.getOption, "cupsGetOption");
        resolve(calls.printFile2, "cupsPrintFile2");
        resolve(calls.getJobs2, "cupsGetJobs2");
        resolve(calls.freeJobs, "cupsFreeJobs");
        resolve(calls.setServer, "cupsSetServer");
        return calls.complete() ? &calls : nullptr;
    }();
    return loaded;
}

class CupsPrintQueues : public PrintQueues {
public:
    explicit CupsPrintQueues(const CupsCalls& calls) : c(calls) {}

    QString defaultQueue() override
    {
        cups_dest_t* dest = c.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
        const QString name = dest ? QString::fromLocal8Bit(dest->name) : QString();
        c.freeDests(dest ? 1 : 0, dest);
        return name;
    }

    QueueState queueState(const QString& queue) override
    {
        cups_dest_t* dest = c.getNamedDest(CUPS_HTTP_DEFAULT, queue.toLocal8Bit().constData(), nullptr);
        if (!dest)
            return QueueState::Missing;
        const char* accepting = c.getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        const char* state = c.getOption("printer-state", dest->num_options, dest->options);
        QueueState result = QueueState::Ready;
        if (accepting && qstrcmp(accepting, "true") != 0)
            result = QueueState::Rejecting;
        else if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED)
            result = QueueState::Stopped;
        c.freeDests(1, dest);
        return result;
    }

    int submit(const QString& queue, const QString& pdfFile, const QString& title) override
    {
        return c.printFile2(CUPS_HTTP_DEFAULT, queue.toLocal8Bit().constData(),
                              QFile::encodeName(pdfFile).constData(), title.toLocal8Bit().constData(), 0, nullptr);
    }

    JobState jobState(const QString& queue, int job) override
    {
        cups_job_t* jobs = nullptr;
        const int count = c.getJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toLocal8Bit().constData(), 1, CUPS_WHICHJOBS_ALL);
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
        c.freeJobs(count, jobs);
        return result;
    }

private:
    const CupsCalls& c;
};

} // namespace

std::unique_ptr<PrintQueues> makeSystemPrintQueues()
{
    const CupsCalls* calls = cups();
    return calls ? std::make_unique<CupsPrintQueues>(*calls) : nullptr;
}

void setPrintServer(const QString& server)
{
    const CupsCalls* calls = cups();
    if (!calls)
        return;
    const QByteArray name = server.toLocal8Bit();
    calls->setServer(server.isEmpty() ? nullptr : name.constData());
}

} // namespace platform
