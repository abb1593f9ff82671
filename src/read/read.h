// The read phase: the FRU record from the BMC, one 8-byte block per
// request, as far as its regions reach, then decoded into the values.
#pragma once

#include "record.h"

namespace korrel {

// Returns false after printing its message when the run must end.
bool readFruFromBmc(int device, FruRecord &record, FruValues &values);

}  // namespace korrel
