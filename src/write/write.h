// Storing the new record on the BMC: the fru.sh script of one write request
// per block, and the commit that runs it and makes sure it is kept whole.
#pragma once

#include "files.h"
#include "journal.h"
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

// Stores the journal of the write about to begin: the old bytes of the
// blocks the image overwrites, as far as they were read, and the image.
// False after the message when it cannot be stored; nothing is written.
bool keepJournal(const StateDir &state, int device, const FruRecord &record, const FruImage &image,
                 Journal &write);

// Runs fru.sh, then completes the write as completeWrite does; false after
// printing what the BMC holds.  The script alone is given the run lock.
bool runFruScript(int device, const Journal &write, const StateDir &state, int lock, ScratchFiles &files);

// Completes a write whose blocks before from are confirmed and of which
// blocks up to touched may have been sent: sends the rest, reads every
// block back, and when a block is refused for good or does not read back,
// prints why, puts the old record back and prints what the BMC holds.  The
// journal is removed once the device holds the new record, or the old one
// again.  True when the new record reads back as meant.
bool completeWrite(int device, const Journal &write, const StateDir &state, int from, int touched);

// Before the read: a journal left for the device by a run cut off while
// writing is settled by what the device holds.  Its old or new record
// whole: the journal goes.  Each block the one or the other: the write is
// finished and read back, on one line.  Neither, and a sound record: the
// journal is stale and kept aside; a damaged one: the run stops, naming the
// journal, which holds both records for a restore by hand.  False after
// the message when the run must end.
bool settleJournal(int device, const StateDir &state, Journal &journal, FruRecord &record,
                   FruValues &values);

}  // namespace korrel
