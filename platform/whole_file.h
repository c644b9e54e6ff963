#pragma once
// Replaces a whole file at once: the bytes go to a temporary file beside it, which is then
// renamed over it (QSaveFile), so a failure or a crash mid-write leaves the old file, or none,
// as it was. Every file the program writes whole goes through here.
#include <QByteArray>
#include <QString>

namespace platform {

struct WholeFileWrite {
    bool written = false;
    // Why the file was not written, in the system's words.
    QString errorString;
    // The system's error number (errno) of the step that failed; EISDIR for a folder in the
    // file's place, EIO when the system gave none.
    int systemError = 0;
    explicit operator bool() const { return written; }
};

WholeFileWrite WriteWholeFile(const QString& path, const QByteArray& bytes);

} // namespace platform
