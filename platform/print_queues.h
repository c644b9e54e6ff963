#pragma once
// The print system's queues as printing needs them: the default queue, whether a queue takes
// jobs, sending a PDF file as a job and how the job stands. CUPS where the build has it;
// tests put a fake in its place.
#include <QString>
#include <memory>

namespace platform {

class PrintQueues {
public:
    enum class QueueState { Missing, Ready, Rejecting, Stopped };
    enum class JobState { Waiting, Done, Failed };

    virtual ~PrintQueues() = default;
    virtual QString defaultQueue() = 0;
    virtual QueueState queueState(const QString& queue) = 0;
    // Sends the PDF file as one job; the job's id, or 0 when the queue refused it.
    virtual int submit(const QString& queue, const QString& pdfFile, const QString& title) = 0;
    virtual JobState jobState(const QString& queue, int job) = 0;
};

// The queues in use; null when the build has no print system of its own (Qt prints then).
PrintQueues* printQueues();
// Replaces the queues (tests); null restores the system's.
void setPrintQueues(std::unique_ptr<PrintQueues> queues);
// The system's queues: CUPS, or null without it.
std::unique_ptr<PrintQueues> makeSystemPrintQueues();
// Points CUPS at another server, such as a local socket (tests); empty restores the default.
void setPrintServer(const QString& server);

} // namespace platform
