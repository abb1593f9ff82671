// The program driver's phases that are its own: the banner, the option, the
// run lock and the edit command taken from the command line.
#pragma once

#include "record.h"
#include "statedir.h"

namespace korrel {

void printBanner();

// Takes the one option, --fru-id N or --fru-id=N, off the front of the
// command line, so that the edit command behind it is read exactly as
// without it, and sets the FRU device every request addresses (0 without
// the option).  Returns false after printing its message when N is no FRU
// device ID.
bool takeFruIdOption(int &argc, char **&argv, int &device);

// One run at a time: two runs that overlap on one device each write back
// the record they read, and the later one loses the other's edit.  Waits
// for an exclusive lock held to the end of the run, whose descriptor it
// leaves in lock, closed on exec: no child but fru.sh holds it, so that an
// orphaned request cannot keep the next run waiting.  Returns false after
// printing its message when it is not free within a bound or cannot be had.
bool takeRunLock(const StateDir &state, int &lock);

// Applies the one edit the command line asks for.  Returns false after
// printing its message when the run must end.
bool applyUserCommand(FruValues &values, int argc, const char *const *argv);

void printUsage();

}  // namespace korrel
