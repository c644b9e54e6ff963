// Printing a document: to a PDF file, through a replaced printer, and the failures that must
// come back as false rather than pass for a printout.
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "fixtures.h"
#include "platform/printer.h"
#include "platform/printing.h"
#include "test_registry.h"

namespace {

// A document long enough for several pages.
QString longText()
{
    QString text;
    for (int i = 1; i <= 200; ++i)
        text += QStringLiteral("Line %1 of the printed report\n").arg(i);
    return text;
}

int pdfPages(const QByteArray& pdf)
{
    // Each page object carries "/Type /Page" on a line of its own; the page tree "/Type /Pages".
    return int(pdf.count("/Type /Page\n"));
}

} // namespace

class TestPrinter : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { platform::setPrintHandler({}); }

    void pdfHoldsEveryPage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QTextDocument document(longText());
        QVERIFY(platform::PrintToPdf(document, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY2(pdfPages(pdf) > 1, qPrintable(QString::number(pdfPages(pdf))));
    }

    void failuresAreNotReportedAsPrinted()
    {
        QTextDocument document(QStringLiteral("report"));
        QTemporaryDir dir;
        QVERIFY(!platform::PrintToPdf(document, dir.filePath(QStringLiteral("missing/report.pdf"))));
        // No printer at all: nothing goes out and nothing breaks.
        QVERIFY(!platform::PrintOnPrinter(document, QPrinterInfo()));
    }

    void handlerReplacesTheDefaultPrinter_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("printed") << true;
        QTest::newRow("refused") << false;
    }

    void handlerReplacesTheDefaultPrinter()
    {
        QFETCH(bool, accepted);
        QStringList jobs;
        platform::setPrintHandler([&](const QTextDocument& document, const QString& jobName) {
            jobs << jobName + QLatin1Char(':') + document.toPlainText();
            return accepted;
        });
        QTextDocument document(QStringLiteral("Report\nline two"));
        QCOMPARE(platform::PrintDocument(document, QStringLiteral("job")), accepted);
        QCOMPARE(jobs, QStringList{QStringLiteral("job:Report\nline two")});
    }

    void pdfHandlerWritesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.pdf"));
        platform::setPrintHandler(platform::pdfPrintHandler(path));
        QVERIFY(platform::PrintDocument(QTextDocument(QStringLiteral("Report"))));
        QVERIFY(QFile(path).size() > 0);
    }
};

ORVANEL_TEST(TestPrinter)
#include "test_printer.moc"
