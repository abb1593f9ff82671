// The end of a write: the blocks not yet confirmed sent, every block read
// back, and when the BMC keeps refusing or the device does not keep what it
// was sent, the old record put back with a verdict that is what the device
// reads back.  Also the start of the next run, which settles a journal left
// by a run cut off while writing.
#include <cstring>

#include "bmc.h"
#include "console.h"
#include "read.h"
#include "write.h"

namespace korrel {

namespace {

const uint8_t *blockOf(const uint8_t *bytes, int block)
{
    return bytes + block * kBlockSize;
}

// Sends the new blocks from the given one to the last.  Returns the first
// block the BMC kept refusing, or one past the last when every write was
// confirmed.
int finishWrites(int device, const Journal &write, int from)
{
    for (int block = from; block <= write.lastBlock; ++block)
        if (!writeBlock(device, block, blockOf(write.fresh, block)))
            return block;
    return write.lastBlock + 1;
}

// Every block written is read back: a confirmed write may not have been
// stored.  The message of the first block that does not read back as
// meant, or none.
const char *readBackAll(int device, const Journal &write)
{
    for (int block = 0; block <= write.lastBlock; ++block) {
        Readback seen = readBack(device, block, blockOf(write.fresh, block));
        if (seen != Readback::kept)
            return seen == Readback::differs ? msg::kNotKept : msg::kWriteFailed;
    }
    return nullptr;
}

// Puts the old record back over blocks 0 to last, as far as it was read,
// and prints what the read-back shows; true when it reads as before.
// Every block is written before any is read back, so that a BMC that stops
// answering reads leaves no block unwritten that would have taken its
// write.  Blocks the old record did not reach held bytes korrel never read;
// they are left as they are, outside the old header's areas.  A block whose
// new bytes are the old ones needs no write, and a write refused may have
// changed nothing: the read-back decides, and writes a block that differs
// again.  It stops at a block it cannot read: the BMC has stopped
// answering, and each block more would cost five tries.
bool restoreOldRecord(int device, const Journal &write, int last)
{
    const int end = last < write.oldBlocks ? last + 1 : write.oldBlocks;
    for (int block = 0; block < end; ++block)
        if (std::memcmp(blockOf(write.old, block), blockOf(write.fresh, block), kBlockSize) != 0)
            writeBlock(device, block, blockOf(write.old, block));
    bool mixed = false;
    for (int block = 0; block < end; ++block) {
        Readback seen = readBack(device, block, blockOf(write.old, block));
        mixed = mixed || seen == Readback::differs;
        if (seen == Readback::unreadable && !mixed) {
            putFormat(msg::kRestoreUnknown, block);
            return false;
        }
    }
    putLine(mixed ? msg::kPartOldPartNew : msg::kOldRestored);
    return !mixed;
}

// What the device holds of a journal's write.
enum class Holds { unreadable, oldRecord, newRecord, partOldPartNew, other };

// Reads the journal's blocks from the device into bytes and compares them
// with the journal's; first gets the first block that is not new yet.
Holds deviceHolds(int device, const Journal &write, uint8_t *bytes, int &first)
{
    bool allOld = true, allNew = true, each = true;
    first = write.lastBlock + 1;
    for (int block = 0; block <= write.lastBlock; ++block) {
        uint8_t *now = bytes + block * kBlockSize;
        if (!readBlock(device, block, now))
            return Holds::unreadable;
        // Blocks the old record did not reach may hold anything.
        bool isOld = block >= write.oldBlocks || std::memcmp(now, blockOf(write.old, block), kBlockSize) == 0;
        bool isNew = std::memcmp(now, blockOf(write.fresh, block), kBlockSize) == 0;
        if (!isNew && first > write.lastBlock)
            first = block;
        allOld = allOld && isOld;
        allNew = allNew && isNew;
        each = each && (isOld || isNew);
    }
    if (allOld || allNew)
        return allOld ? Holds::oldRecord : Holds::newRecord;
    return each ? Holds::partOldPartNew : Holds::other;
}

// A journal that the device holds neither record of: stale when the record
// is sound (the device was written since, by other means), kept aside; next
// to a damaged record, the only copy of either record, so the run stops.
bool setStaleJournalAside(int device, const StateDir &state, FruRecord &record, FruValues &values)
{
    Problem why = readRecord(device, record, values);
    char path[kJournalPathSize];
    if (why.message == nullptr && setJournalAside(state, device, path)) {
        putFormat(msg::kJournalStale, path);
        return true;
    }
    if (why.message == msg::kReadFailed || why.message == msg::kNoFruDevice) {
        putText(msg::kReadFru);
        putReadFailure(device, why);
        return false;
    }
    journalPath(state, device, path);
    putFormat(why.message == nullptr ? msg::kJournalUnusable : msg::kJournalDamaged, path);
    return false;
}

}  // namespace

bool completeWrite(int device, const Journal &write, const StateDir &state, int from, int touched)
{
    int refused = finishWrites(device, write, from);
    const char *failure = refused <= write.lastBlock ? msg::kWriteFailed : readBackAll(device, write);
    if (failure == nullptr) {
        dropJournal(state, device);
        return true;
    }
    putLine(failure);
    int last = write.lastBlock;  // after a read-back, every block was written
    if (refused <= write.lastBlock)
        last = refused > touched ? refused : touched;
    // Kept when the device holds neither record whole, for the next run.
    markJournalUndoing(state, device);
    if (restoreOldRecord(device, write, last))
        dropJournal(state, device);
    return false;
}

bool settleJournal(int device, const StateDir &state, Journal &journal, FruRecord &record,
                   FruValues &values)
{
    JournalFound found = loadJournal(state, device, journal);
    if (found == JournalFound::none)
        return true;
    int first = 0;
    Holds holds = found == JournalFound::found ? deviceHolds(device, journal, record.bytes, first)
                                               : Holds::other;
    if (holds == Holds::unreadable) {
        putText(msg::kReadFru);
        putText(msg::kReadFailed);
        return false;
    }
    // Nothing is left to do on the new record whole, or on the old one once
    // the write was undone.
    if (holds == Holds::newRecord || (holds == Holds::oldRecord && journal.undoing)) {
        dropJournal(state, device);
        return true;
    }
    if (holds == Holds::other)
        return setStaleJournalAside(device, state, record, values);
    // Cut off before its first changed block or after: the write is
    // finished, from the first block not new yet.
    putText(msg::kFinishEarlier);
    if (!completeWrite(device, journal, state, first, journal.lastBlock))
        return false;
    putDone();
    return true;
}

}  // namespace korrel
