#pragma once
// The save-file dialog: asks for a file to save to, with a filter, no name given at first,
// asking before an existing file is replaced, and only in a folder that exists. A name typed
// without an extension gets the filter's ("result" is saved as "result.txt").
#include <QString>
#include <functional>

class QWidget;

namespace platform {

inline constexpr char TextFileFilter[] = "Text file (*.txt)";

// The chosen file's path, or empty when the user cancels.
QString AskSaveFileName(QWidget* parent = nullptr, const QString& filter = QString::fromLatin1(TextFileFilter));

using SaveFileHandler = std::function<QString(const QString& filter)>;
// Chooses the file instead of the dialog (tests); an empty handler restores the dialog.
void setSaveFileHandler(SaveFileHandler handler);

} // namespace platform
