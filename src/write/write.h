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

// A write answers with the count of bytes it stored.
constexpr const char *kWrittenLine = " 08\n";

// Fills the run state's command text with the write line of one block of
// bytes, as fru.sh carries it; false when it does not fit.
bool formatWriteLine(RunState &st, const uint8_t *bytes, int block);

// Sends the image's blocks from the given one to its last, as fru.sh would
// have, each retried like a read.  Returns the first block the BMC kept
// refusing, or one past the image's last when every write was confirmed.
int finishWrites(RunState &st, int from);

// Puts the old record back over blocks 0 to last, as far as it reaches,
// and reads each back.  True when every one holds the old bytes again.
bool restoreOldRecord(RunState &st, int last);

}  // namespace korrel
