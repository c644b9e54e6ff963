#include "shell/shutdown.h"

#include "platform/forms.h"
#include "platform/process.h"

namespace modHelp {
namespace {
bool inProgress = false;
} // namespace

bool ShutdownInProgress() { return inProgress; }

void ShutdownApplication()
{
    inProgress = true;
    // In load order, including windows that an unload step itself opens (the main window
    // opens the exit screen). An unload step may run the shutdown again; the inner call
    // then finishes the work and ends the process, and this one stops.
    while (!platform::ProcessEnding() && !platform::Forms::loaded().empty())
        platform::Forms::unload(platform::Forms::loaded().front());
    if (!platform::ProcessEnding())
        platform::EndProcess();
    inProgress = false;
}

} // namespace modHelp
