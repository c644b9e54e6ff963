#pragma once
// Labels that show a value the program computes (a day count, a question counter, a score).
// Qt names a label by its text or by a fixed accessible name and gives it no text interface, so
// a screen reader hears either the bare value or only its caption. A value label is heard as
// "caption: value", offers the value through a text interface, and tells each change.
#include <QString>

class QLabel;

namespace value_label {

// Makes label a value label with the given caption. Its accessible name is the caption and
// the label's current text ("Total Day(s) To Achieve Goal: 7"), or only the caption while the
// label is empty, or only the text when it begins with the caption ("Question 3 of 15"). The
// name follows the text at every moment; QLabel::setText raises the name change for screen
// readers, because the label's own accessible name is left empty. (QLabel::clear() raises
// nothing: empty a value label with setText(QString()).)
void announce(QLabel* label, const QString& caption);

// The name a value label with this caption and text is heard by.
QString accessibleName(const QString& caption, const QString& text);

} // namespace value_label
