#include "text_columns.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

QList<qsizetype> columnStarts(const QString& line)
{
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char(' '))
            continue;
        if (i == 0 || (i >= 2 && line[i - 1] == QLatin1Char(' ') && line[i - 2] == QLatin1Char(' ')))
            starts << i;
    }
    return starts;
}

QList<LaidOutLine> laidOutLines(QPlainTextEdit* box)
{
    QList<LaidOutLine> lines;
    QTextDocument* document = box->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLine line = block.layout()->lineForTextPosition(0);
        LaidOutLine laidOut;
        laidOut.text = block.text();
        for (qsizetype start : columnStarts(laidOut.text))
            laidOut.columnX << line.cursorToX(int(start));
        laidOut.width = line.isValid() ? line.cursorToX(int(laidOut.text.size())) : 0;
        lines << laidOut;
    }
    return lines;
}

void verifyColumnsLineUp(const QList<LaidOutLine>& lines, int columns, int rows)
{
    const LaidOutLine* first = nullptr;
    int found = 0;
    for (const LaidOutLine& line : lines) {
        if (line.columnX.size() < columns)
            continue;
        ++found;
        if (!first) {
            first = &line;
            continue;
        }
        for (qsizetype k = 0; k < columns; ++k)
            QVERIFY2(qAbs(line.columnX[k] - first->columnX[k]) < 0.5,
                     qPrintable(QStringLiteral("column %1 of \"%2\" starts at x %3, of \"%4\" at x %5")
                                    .arg(k).arg(line.text).arg(line.columnX[k]).arg(first->text).arg(first->columnX[k])));
    }
    QCOMPARE(found, rows);
}
