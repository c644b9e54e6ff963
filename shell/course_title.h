#pragma once
// The title look of the course windows' labels: bold, at a given size, in the title colour.
#include <QColor>

class QWidget;

void styleAsTitle(QWidget* label, qreal pointSize, const QColor& colour);
