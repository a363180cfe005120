#pragma once

#include "app/Start.h"

namespace app {

// The program's windows and everything they need live in a module of their
// own, loaded only by a start that goes on to show them: a later start
// (--toggle above all) hands its request over with Qt Core alone, without
// the time it takes to load and link Qt Widgets, Gui and DBus.
//
// Loads the module and runs the program in it; 1, with the reason on
// standard error, when it cannot be loaded.
int runProgramModule(int &argc, char **argv, const StartRequest &request);

// The module's one entry point, as runProgramModule() looks it up.
using ModuleEntry = int(int *argc, char **argv, const StartRequest *request);
inline constexpr char kModuleEntry[] = "tessaflow_run";

} // namespace app
