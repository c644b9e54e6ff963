#pragma once
// A report as the courses write it: runs of text, each bold or plain, inserted one after
// another. The logic builds the runs; a window writes them into a rich-text box.
#include <QList>
#include <QString>

struct ReportPart {
    QString text;
    bool bold = false;
    bool operator==(const ReportPart&) const = default;
};

// The report's characters as one string, without the bold.
inline QString ReportPlainText(const QList<ReportPart>& parts)
{
    QString text;
    for (const ReportPart& part : parts)
        text += part.text;
    return text;
}
