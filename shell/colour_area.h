#pragma once
// The areas in a colour of their own (course pages and link columns, the about box, the exit
// screen). Such an area gets a whole palette: its colour and text colour, and a fixed light set
// for the controls on it (white boxes and indicators with black text, light grey buttons). A
// desktop's dark palette would otherwise give those controls dark boxes and outlines that vanish
// on the area's colour, or black text on a dark box; with the whole set, an area reads the same
// in a light and a dark desktop.
#include <QColor>
#include <QPalette>

class QWidget;

namespace colour_area {

QPalette areaPalette(const QColor& background, const QColor& text);

// Fills widget with background; its texts in text colour, its controls in the light set.
void paintArea(QWidget* widget, const QColor& background, const QColor& text);

} // namespace colour_area
