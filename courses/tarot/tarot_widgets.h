#pragma once
// Builders for the controls the tarot window's tabs share: card names, card picture boxes,
// read-only text boxes and the captions above them.
#include <QString>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace tarot_widgets {

// The size of a card picture box, in pixels.
inline constexpr int CardWidth = 150;
inline constexpr int CardHeight = 260;

// A card's name, bold and larger than the texts around it.
QLabel* makeCardName(const QString& name, QWidget* parent);
// A picture box of a card's size that the keyboard can reach; accessibleName says what it shows.
QLabel* makeCardBox(const QString& name, const QString& accessibleName, QWidget* parent);
// A text box that shows a text the user cannot change, with a scroll bar when it needs one.
QPlainTextEdit* makeReadOnlyBox(const QString& name, QWidget* parent);
// A caption for a field: its buddy, and the field's name for screen readers.
QLabel* makeCaption(const QString& name, const QString& caption, QWidget* field, QWidget* parent);

} // namespace tarot_widgets
