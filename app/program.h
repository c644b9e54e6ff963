#pragma once
// The program's start-up sequence, shared by orvanel and the benchmark program.
#include <functional>

// Creates the application, registers the four courses, keeps the command line (the tarot
// window asks for " /STARTUP"), loads the invisible start-up window, whose load step shows
// the main window or refuses a second copy, and runs the main loop until the shutdown.
// beforeStart runs once the courses are registered, just before the start-up window loads.
// Returns the program's exit code.
int RunOrvanel(int& argc, char** argv, const std::function<void()>& beforeStart = {});
