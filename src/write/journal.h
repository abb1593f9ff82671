// The journal of a write in progress: before its first write korrel stores,
// durably, the old bytes of the blocks it will write and the new record, so
// that a run cut off while writing (a power loss, a dropped SSH session, a
// reboot) leaves the next run what it needs to finish the write.  It lives
// in the state directory as the directory fruN.journal, N the FRU device
// ID, holding old.bin and new.bin: plain images that ipmitool fru write
// takes as they are; and the empty file undo once the write is undone.
#pragma once

#include <cstdint>

#include "format.h"
#include "statedir.h"

namespace korrel {

// A write to the device: the new bytes of blocks 0 to lastBlock, and the
// old bytes of the first oldBlocks of them as read; the blocks behind those
// held bytes korrel never read, outside the old record.
struct Journal {
    uint8_t old[kImageSize];
    int oldBlocks;
    uint8_t fresh[kImageSize];
    int lastBlock;
    // The write failed and its old record is being put back: a device that
    // holds that whole was restored, not left before the first write.
    bool undoing;
};

constexpr int kJournalPathSize = kStatePathSize + 64;

// The journal's path, for messages.
void journalPath(const StateDir &state, int device, char (&path)[kJournalPathSize]);

// Stores it, written and synced, then renamed into place and the state
// directory synced: a journal under its name is always whole.  False after
// the message when it cannot be.
bool storeJournal(const StateDir &state, int device, const Journal &journal);

enum class JournalFound { none, found, unusable };

// Loads the journal of the device, if there is one.
JournalFound loadJournal(const StateDir &state, int device, Journal &journal);

// Marks it as being undone, before the old record is put back.
void markJournalUndoing(const StateDir &state, int device);

// Removes it, once the device holds either record whole.
void dropJournal(const StateDir &state, int device);

// Keeps a journal that does not belong to the record on the device under
// another name, which it leaves in aside; false when it cannot.
bool setJournalAside(const StateDir &state, int device, char (&aside)[kJournalPathSize]);

}  // namespace korrel
