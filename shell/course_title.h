#pragma once
// The text look of the course windows' pages: titles bold, at a given size, in the title
// colour, and the column of wrapped texts that opens a course's first page.
#include <QColor>
#include <span>

class QLabel;
class QVBoxLayout;
class QWidget;

void styleAsTitle(QWidget* label, qreal pointSize, const QColor& colour);

// Adds one wrapped label per text to the layout, named "<arrayName>_<k>", into labels[k]; the
// first reads as a title of 11 points in the title colour.
void addIntroTexts(QVBoxLayout* layout, std::span<QLabel*> labels, const char* arrayName,
                   std::span<const char* const> texts, QWidget* parent, const QColor& titleColour);
