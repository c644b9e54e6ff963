// A printout the print system refuses is reported with the same critical message as when
// there is no printer: through a fake queue everywhere, and a real CUPS queue where there is one.
#include <QTest>

#include "../../courses/numerology/frmLearnNumerologyMain.h"
#include "controls.h"
#include "cups_server.h"
#include "fake_print_queues.h"
#include "fixtures.h"
#include "platform/forms.h"
#include "platform/print_queues.h"
#include "test_registry.h"

namespace {

using QueueState = platform::PrintQueues::QueueState;

// Takes a short interpretation test to its report page and presses "Print Test Results";
// returns the prompts shown.
QStringList printReport()
{
    TestEnvironment env;
    auto* w = platform::Forms::instance<frmLearnNumerologyMain>();
    for (const char* name : {"optMain_1", "cmdNext", "optOption_1", "cmdNext2", "chkSubject_12", "cmdNext3"})
        click(w, QLatin1String(name));
    for (int q = 0; q < 5; ++q) {
        click(w, QStringLiteral("optChoice_1"));
        click(w, QStringLiteral("cmdNextQuestion"));
    }
    click(w, QStringLiteral("cmdPrint"));
    return env.prompts();
}

QStringList promptsWith(QueueState state, const QString& defaultQueue = QStringLiteral("office"))
{
    auto fake = std::make_unique<FakeQueues>();
    fake->state = state;
    fake->defaultName = defaultQueue;
    platform::setPrintQueues(std::move(fake));
    return printReport();
}

} // namespace

class TestNumerologyRefusedPrint : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        platform::setPrintQueues(nullptr);
        platform::setPrintServer(QString());
    }

    void refusalIsReportedAsNoPrinter_data()
    {
        QTest::addColumn<QueueState>("state");
        QTest::newRow("queue rejects jobs") << QueueState::Rejecting;
        QTest::newRow("printer stopped") << QueueState::Stopped;
    }

    void refusalIsReportedAsNoPrinter()
    {
        QFETCH(QueueState, state);
        const QStringList noPrinter = promptsWith(QueueState::Ready, QString());
        QCOMPARE(noPrinter.size(), 1);
        QCOMPARE(promptsWith(state), noPrinter);
        QCOMPARE(promptsWith(QueueState::Ready), QStringList()); // a job taken says nothing
    }

    void realQueueThatRejectsJobs()
    {
        if (!platform::makeSystemPrintQueues())
            QSKIP("built without CUPS");
        CupsServer server;
        QString why;
        if (!server.start(&why))
            QSKIP(qPrintable(why));
        QVERIFY(server.addQueue(QStringLiteral("refusing")));
        QVERIFY(server.command(QStringLiteral("cupsreject"), {QStringLiteral("refusing")}));
        QVERIFY(server.command(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("refusing")}));
        platform::setPrintServer(server.socketPath());
        const QStringList prompts = printReport();
        QCOMPARE(prompts, promptsWith(QueueState::Ready, QString()));
    }
};

ORVANEL_TEST(TestNumerologyRefusedPrint)
#include "test_numerology_refused_print.moc"
