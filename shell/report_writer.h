#pragma once
// Writes a report made of bold and plain runs into a rich-text box.
#include <QList>
#include <optional>

#include "courses/common/report_part.h"

class QTextEdit;

// Replaces the box's text by the runs, each inserted at the insertion point, bold or not, at
// pointSize when one is given. The insertion point then stands after the last run.
void writeReport(QTextEdit* box, const QList<ReportPart>& parts, std::optional<qreal> pointSize = std::nullopt);
