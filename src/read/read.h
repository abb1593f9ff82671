// The read phase: the FRU record from the BMC, one 8-byte block per
// request, as far as its regions reach, then decoded into the values.
#pragma once

#include "record.h"

namespace korrel {

// Returns false after printing its message when the run must end.
bool readFruFromBmc(int device, FruRecord &record, FruValues &values);

// The read itself, printing nothing: the record block by block, from the
// header on, as far as its areas reach, then decoded; nothing past the
// record is read.  The bytes are kept as read: the rewrite copies what it
// does not edit from them, and a write the BMC keeps refusing is undone
// with them.  Problem set when it cannot be kept, kReadFailed when a read
// failed, kNoFruDevice when a device other than 0 gave not even block 0.
Problem readRecord(int device, FruRecord &record, FruValues &values);

// Prints why the read ended: a failed request exactly, as ever, an absent
// device with its ID, any other problem as putProblem does.
void putReadFailure(int device, const Problem &why);

}  // namespace korrel
