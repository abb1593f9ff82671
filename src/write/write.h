// Writing the new record: the image encoder, and the fru.sh script that
// stores it on the BMC one 8-byte block per ipmitool call.
#pragma once

#include "runstate.h"

namespace korrel {

// Clears the run state and begins the image: the header's version byte and
// the internal use area, as it was read or else korrel's fixed block.
void startFruImage(RunState &st);

// Encodes the chassis, board and product areas from the stored texts and
// completes the header.  Returns false after printing its message when an
// area's fields do not fit the staging buffer.
bool buildFruImage(RunState &st);

// Encodes one info area at the current block: version, length, the fixed
// bytes given (area.fixedBytes of them), the fields, end marker, padding and
// checksum.  Returns the area's length in blocks, or 0 when its fields do
// not fit.
int buildFruArea(RunState &st, const uint8_t *fixed, const AreaDef &area);

// Each returns false after printing its message when the run must end.
bool writeFruScript(RunState &st);
bool runFruScript(RunState &st);

}  // namespace korrel
