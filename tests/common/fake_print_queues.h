#pragma once
// A print system with one queue whose answers the test sets; it keeps what it was sent.
#include <QFile>
#include <QStringList>

#include "platform/print_queues.h"

class FakeQueues : public platform::PrintQueues {
public:
    QString defaultName = QStringLiteral("office");
    QueueState state = QueueState::Ready;
    int jobId = 7;
    JobState job = JobState::Done;
    QStringList submitted;
    QByteArray lastFile;

    QString defaultQueue() override { return defaultName; }
    QueueState queueState(const QString& queue) override { return queue == defaultName ? state : QueueState::Missing; }
    int submit(const QString& queue, const QString& pdfFile, const QString& title) override
    {
        submitted << queue + QLatin1Char(':') + title;
        QFile file(pdfFile);
        if (file.open(QIODevice::ReadOnly))
            lastFile = file.readAll();
        return jobId;
    }
    JobState jobState(const QString&, int) override { return job; }
};
