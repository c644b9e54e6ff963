// Printing through the print system's queues: a queue that rejects jobs, a stopped printer,
// a refused job and a job that fails at once all come back as not printed. First through a
// fake queue, then, where CUPS is installed, through a scheduler of the test's own.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "cups_server.h"
#include "fake_print_queues.h"
#include "platform/print_queues.h"
#include "platform/printer.h"
#include "platform/printing.h"
#include "platform/modules.h"
#include "test_registry.h"

namespace {

using QueueState = platform::PrintQueues::QueueState;
using JobState = platform::PrintQueues::JobState;

QString longText()
{
    QString text;
    for (int i = 1; i <= 120; ++i)
        text += QStringLiteral("Report line %1\n").arg(i);
    return text;
}

} // namespace

class TestPrintQueues : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        platform::setModuleFolder(QStringLiteral(ORVANEL_BINARY_DIR));
        platform::setPrintQueues(nullptr);
        platform::setPrintServer(QString());
    }

    void outcomeFollowsTheQueue_data()
    {
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<QueueState>("state");
        QTest::addColumn<int>("jobId");
        QTest::addColumn<JobState>("job");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<bool>("sent");
        QTest::newRow("printed") << "office" << QueueState::Ready << 7 << JobState::Done << true << true;
        QTest::newRow("waiting in the queue") << "office" << QueueState::Ready << 7 << JobState::Waiting << true << true;
        QTest::newRow("queue rejects jobs") << "office" << QueueState::Rejecting << 7 << JobState::Done << false << false;
        QTest::newRow("printer stopped") << "office" << QueueState::Stopped << 7 << JobState::Done << false << false;
        QTest::newRow("job refused") << "office" << QueueState::Ready << 0 << JobState::Done << false << true;
        QTest::newRow("job failed at once") << "office" << QueueState::Ready << 7 << JobState::Failed << false << true;
        QTest::newRow("no default printer") << "" << QueueState::Ready << 7 << JobState::Done << false << false;
    }

    void outcomeFollowsTheQueue()
    {
        QFETCH(QString, defaultName);
        QFETCH(QueueState, state);
        QFETCH(int, jobId);
        QFETCH(JobState, job);
        QFETCH(bool, printed);
        QFETCH(bool, sent);
        auto fake = std::make_unique<FakeQueues>();
        FakeQueues* queues = fake.get();
        queues->defaultName = defaultName;
        queues->state = state;
        queues->jobId = jobId;
        queues->job = job;
        platform::setPrintQueues(std::move(fake));

        QCOMPARE(platform::PrintDocument(QTextDocument(longText()), QStringLiteral("Numerology")), printed);
        QCOMPARE(queues->submitted, sent ? QStringList{QStringLiteral("office:Numerology")} : QStringList());
        if (sent) {
            // The job is the whole document as a PDF of several pages.
            QVERIFY(queues->lastFile.startsWith("%PDF-"));
            QVERIFY(queues->lastFile.count("/Type /Page\n") > 1);
        }
    }

    // The program prints through the module it loads; without the module a job is not
    // printed (and nothing passes for a printout).
    void programLoadsThePrintingModule_data()
    {
        QTest::addColumn<bool>("moduleThere");
        QTest::newRow("module beside the program") << true;
        QTest::newRow("module missing") << false;
    }

    void programLoadsThePrintingModule()
    {
        QFETCH(bool, moduleThere);
        QTemporaryDir empty;
        platform::setModuleFolder(moduleThere ? QStringLiteral(ORVANEL_BINARY_DIR) : empty.path());
        auto fake = std::make_unique<FakeQueues>();
        FakeQueues* queues = fake.get();
        platform::setPrintQueues(std::move(fake));

        QCOMPARE(platform::PrintDocument(QTextDocument(longText()), QStringLiteral("Numerology")), moduleThere);
        QCOMPARE(queues->submitted, moduleThere ? QStringList{QStringLiteral("office:Numerology")} : QStringList());
        if (moduleThere)
            QVERIFY(queues->lastFile.count("/Type /Page\n") > 1);
    }

    void realSchedulerRefusals_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("printed");
        QTest::newRow("taking jobs") << "working" << "" << true;
        QTest::newRow("rejecting jobs (cupsreject)") << "refusing" << "cupsreject" << false;
        QTest::newRow("stopped printer (cupsdisable)") << "stopped" << "cupsdisable" << false;
        QTest::newRow("no such queue") << "" << "" << false;
    }

    void realSchedulerRefusals()
    {
        QFETCH(QString, queue);
        QFETCH(QString, refusal);
        QFETCH(bool, printed);
        if (!platform::makeSystemPrintQueues())
            QSKIP("built without CUPS");
        CupsServer server;
        QString why;
        if (!server.start(&why))
            QSKIP(qPrintable(why));
        const QString name = queue.isEmpty() ? QStringLiteral("absent") : queue;
        if (!queue.isEmpty()) {
            QVERIFY(server.addQueue(queue));
            if (!refusal.isEmpty())
                QVERIFY(server.command(refusal, {queue}));
            QVERIFY(server.command(QStringLiteral("lpadmin"), {QStringLiteral("-d"), queue}));
        }
        platform::setPrintServer(server.socketPath());

        // Through the default printer, as the courses print, and through the named queue.
        QCOMPARE(platform::PrintDocument(QTextDocument(longText()), QStringLiteral("Report")), printed);
        QCOMPARE(platform::PrintOnQueue(QTextDocument(longText()), *platform::printQueues(), name, QStringLiteral("Report")), printed);
        QString jobs;
        QVERIFY(server.command(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")},
                               &jobs));
        QCOMPARE(jobs.count(name + QLatin1Char('-')), printed ? 2 : 0);
    }
};

ORVANEL_TEST(TestPrintQueues)
#include "test_print_queues.moc"
