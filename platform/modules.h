#pragma once
// Modules: parts of the program kept in libraries of their own (with the Qt libraries they
// need), loaded on first use, so that starting the program does not load them.
#include <QString>
#include <QtGlobal>

namespace platform {

// The named function of the named module (a file name without prefix or suffix, such as
// "orvanel-printing"), loading the module once: first from the program folder (a build or a
// portable copy), then from the installed modules' folder. Null when the module or the
// function is missing (a missing module is looked for again on the next call); the reason goes
// to the debug log.
QFunctionPointer ModuleFunction(const char* module, const char* function);
// Looks for modules in the given folder only (tests: the build folder), forgetting those found
// so far; an empty folder restores the program's places.
void setModuleFolder(const QString& folder);

} // namespace platform
