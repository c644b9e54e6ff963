#pragma once
// The text of a multi-line box exactly as the user typed it, for writing to a file or for a
// comparison. QPlainTextEdit::toPlainText() turns every no-break space into a plain space;
// this keeps every character and gives each line break as "\n".
#include <QString>

class QPlainTextEdit;

QString exactPlainText(const QPlainTextEdit* box);
