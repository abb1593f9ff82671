// Storing the new record on the BMC: the fru.sh script of one write request
// per block, and the commit that runs it and makes sure it is kept whole.
#pragma once

#include "files.h"
#include "record.h"

namespace korrel {

// Encodes the new record; false after printing why it cannot be.
bool buildFruImage(const FruRecord &record, const FruValues &values, FruImage &image);

// True when the new image fits the device.  The blocks read are known to
// exist; for an image that goes past them the device is asked its size
// (unless the read already did), and one that cannot tell counts as too
// small, since a write stopped at the device's end would leave a new header
// over a cut-off record; one addressed in words is refused.  A record read
// without an internal use area that fits only without korrel's fixed block
// is encoded again without it.  Prints its message when it returns false.
bool deviceHoldsImage(int device, const FruRecord &record, const FruValues &values, FruImage &image);

// Writes fru.sh; false after printing its message.
bool writeFruScript(int device, const FruImage &image, bool onlyBsn, FileId &id);

// Runs fru.sh, sends what it left unwritten, and puts the old record back
// when the BMC keeps refusing; false after printing what the BMC holds.
bool runFruScript(int device, const FruRecord &record, const FruImage &image, ScratchFiles &files);

}  // namespace korrel
