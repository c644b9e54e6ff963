#include "platform/text_file.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/whole_file.h"

namespace platform {

bool WriteTextFile(const QString& path, const QString& text)
{
    QStringEncoder encode(QStringConverter::System);
    return WriteWholeFile(path, encode(text)).written;
}

bool ReadTextLines(const QString& path, QStringList* lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringDecoder decode(QStringConverter::System);
    QString text = decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList result = text.split(QLatin1Char('\n'));
    // A final line end does not start another line.
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    *lines = result;
    return true;
}

} // namespace platform
