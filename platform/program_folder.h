#pragma once
// The program folder (the executable's folder), where the data files live.
#include <QString>

namespace platform {

QString ProgramFolder();
// A file name in the program folder.
QString ProgramFile(const QString& fileName);
// The executable's file name without extension ("orvanel").
QString ExecutableName();
// The executable's file name as it stands in the program folder ("orvanel", "orvanel.exe").
QString ExecutableFileName();
// The executable's full path: the program folder and the executable's file name.
QString ExecutablePath();
// Points the program folder elsewhere (tests); an empty path restores the real one.
void setProgramFolder(const QString& folder);

} // namespace platform
