#include "shell/exact_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString exactPlainText(const QPlainTextEdit* box)
{
    // The raw text separates lines with the paragraph separator (Return) or the line
    // separator (Shift+Return); both stand as a line break in the box.
    QString text = box->document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return text;
}
