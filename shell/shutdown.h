#pragma once

namespace modHelp {

// Unloads every loaded window in load order (each unload step runs), then ends the process.
// Safe to enter again from an unload step; the inner call finishes the work.
void ShutdownApplication();
// True from the start of the shutdown until the process ends.
bool ShutdownInProgress();

} // namespace modHelp
