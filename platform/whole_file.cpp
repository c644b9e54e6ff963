#include "platform/whole_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace platform {

WholeFileWrite WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {true, QString(), 0};
    // Read before anything else can touch it: the number the failing call left.
    int error = errno;
    // QSaveFile turns a folder away itself, before the system is asked.
    if (error == 0)
        error = QFileInfo(path).isDir() ? EISDIR : EIO;
    return {false, file.errorString(), error};
}

} // namespace platform
