#pragma once
// Measuring column texts (test results, reports) the way a box lays them out, to check that
// each column starts at the same x on every line.
#include <QList>
#include <QString>

class QPlainTextEdit;

struct LaidOutLine {
    QString text;
    QList<qreal> columnX; // where each column starts; see columnStarts
    qreal width = 0;      // of the whole line
};

// A column starts at a line's first character and at every character after two or more blanks.
QList<qsizetype> columnStarts(const QString& line);

// Every line of the box, laid out by the box in its font.
QList<LaidOutLine> laidOutLines(QPlainTextEdit* box);

// Checks that the lines holding `columns` columns or more (the rows of a table; titles and
// totals hold fewer) start each of those columns at the same x, and that there are `rows` of them.
void verifyColumnsLineUp(const QList<LaidOutLine>& lines, int columns, int rows);
