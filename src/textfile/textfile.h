// fru.txt: the 18 fields as text, one "Label:value" line each.  It is the
// single hand-over between the values read and edited and the bytes encoded.
#pragma once

#include "runstate.h"

namespace korrel {

// Each returns false after printing its message when the run must end.
bool writeFruText(RunState &st);
bool parseFruText(RunState &st);

}  // namespace korrel
