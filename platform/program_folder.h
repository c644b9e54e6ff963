#pragma once
// The program folder (the executable's folder) and where the program's files live.
//
// A portable run (the card database beside the executable, as in a build folder) keeps
// everything in the program folder. An installed run reads its data from <prefix>/share/orvanel
// (beside the executable's bin/ folder) or the XDG data folders, and keeps the user's files in
// $XDG_DATA_HOME/orvanel (~/.local/share/orvanel), since it cannot write its program folder.
#include <QString>

namespace platform {

QString ProgramFolder();
// A file name in the program folder.
QString ProgramFile(const QString& fileName);
// The executable's file name without extension ("orvanel").
QString ExecutableName();
// Points the program folder elsewhere (tests); an empty path restores the real one.
void setProgramFolder(const QString& folder);

// True when the card database lies beside the executable.
bool IsPortableRun();
// A read-only file shipped with the program (the card database). In an installed run the first
// place that holds it; when none does, the place the install puts it.
QString ProgramDataFile(const QString& fileName);
// The folder of the user's own files (goals), created when missing.
QString UserDataFolder();
// A file of the user's own in that folder.
QString UserDataFile(const QString& fileName);

} // namespace platform
