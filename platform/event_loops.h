#pragma once
// The program's main event loop and the loops that run nested under it (modal dialogs,
// message boxes, menus run with exec). Code below a nested loop on the stack still holds
// its windows, so windows are only destroyed when no nested loop runs.
#include <QEventLoop>

namespace platform {

// Runs the application's event loop (or the given loop) as the program's main loop and
// returns its exit code.
int RunMainLoop(QEventLoop* loop = nullptr);
// True while an event loop runs nested under the main loop, or any loop runs when no main
// loop does (a box shown at start-up, or from a test).
bool NestedLoopRunning();

} // namespace platform
