#include "shell/report_writer.h"

#include <QTextCursor>
#include <QTextEdit>

void writeReport(QTextEdit* box, const QList<ReportPart>& parts, std::optional<qreal> pointSize)
{
    box->clear();
    QTextCursor cursor = box->textCursor();
    for (const ReportPart& part : parts) {
        QTextCharFormat format;
        format.setFontWeight(part.bold ? QFont::Bold : QFont::Normal);
        if (pointSize)
            format.setFontPointSize(*pointSize);
        cursor.insertText(part.text, format);
    }
    box->setTextCursor(cursor);
}
