#pragma once
// Ending the process: the event loop stops and no further step of the program runs.
#include <functional>

namespace platform {

void EndProcess();
// True once EndProcess ran; steps that could still run after it check this.
bool ProcessEnding();
// Tests record the end instead of stopping the event loop; an empty handler restores it.
void setEndProcessHandler(std::function<void()> handler);
// Forgets an earlier end (tests).
void resetProcessEnding();

} // namespace platform
