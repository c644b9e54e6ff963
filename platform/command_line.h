#pragma once
// The program's command line as the start-up code received it: its arguments after the
// program's own name, joined by blanks.
#include <QString>
#include <QStringList>

namespace platform {

QString CommandLine();
// Keeps the arguments of the program (arguments[0] is the program itself); tests may set any.
void setCommandLine(const QStringList& arguments);
// True when the command line holds "/STARTUP" (case counts, anywhere in it).
bool HasStartupSwitch(const QString& commandLine = CommandLine());

} // namespace platform
