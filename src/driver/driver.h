// The program driver's phases that are its own: the banner and the edit
// command taken from the command line.
#pragma once

#include "runstate.h"

namespace korrel {

void printBanner();

// Applies the one edit the command line asks for.  Returns false after
// printing its message when the run must end.
bool applyUserCommand(RunState &st, int argc, const char *const *argv);

void printUsage();

}  // namespace korrel
