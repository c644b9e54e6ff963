#pragma once
// The user's start-up entry that starts the program at logon with " /STARTUP": on Linux an
// autostart desktop entry, $XDG_CONFIG_HOME/autostart/<name>.desktop (default
// ~/.config/autostart); on Windows the value <name> under the user's Run key.
#include <QString>

namespace platform {

// True when the entry exists (its contents are not looked at).
bool IsRunAtStartup(const QString& name);
// Writes the entry for the executable <name> in folder, or removes it. A write that fails shows
// "Error N opening key" or "Error N setting key" (style 0), N the system's error number; a
// failed removal is not reported.
void SetRunAtStartup(const QString& name, const QString& folder, bool enable);

// The autostart folder and the entry's file (Linux).
QString AutostartFolder();
QString AutostartFile(const QString& name);
// The desktop entry that starts the program at programPath with " /STARTUP".
QString StartupDesktopEntry(const QString& programPath);
// The Exec value: the path quoted and escaped by the desktop-entry rules, then " /STARTUP".
QString DesktopExecValue(const QString& programPath);

} // namespace platform
