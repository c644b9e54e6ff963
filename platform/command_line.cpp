#include "platform/command_line.h"

namespace platform {
namespace {
QString& kept()
{
    static QString line;
    return line;
}
} // namespace

QString CommandLine() { return kept(); }

void setCommandLine(const QStringList& arguments) { kept() = arguments.mid(1).join(QLatin1Char(' ')); }

bool HasStartupSwitch(const QString& commandLine)
{
    return commandLine.contains(QLatin1String("/STARTUP"), Qt::CaseSensitive);
}

} // namespace platform
