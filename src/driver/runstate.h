// The state of one run, owned by main for the life of the process and
// handed to each phase in the parts it works on; no phase keeps state of
// its own.
#pragma once

#include "files.h"
#include "journal.h"
#include "record.h"
#include "statedir.h"

namespace korrel {

struct RunState {
    int device;         // the FRU device every request addresses
    StateDir state;     // korrel's own: the run lock and the journal
    int lock;           // the run lock, held to the end of the run
    FruRecord record;   // the record as read
    FruValues values;   // its fields, as read and edited
    FruImage image;     // the new record
    Journal journal;    // the write in progress, or one a run cut off left
    ScratchFiles files;
};

}  // namespace korrel
