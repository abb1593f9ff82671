#include <cstdio>
#include <cstring>

#include "console.h"
#include "hex.h"
#include "read.h"

namespace korrel {

namespace {

constexpr const char *kReadRequest = "ipmitool raw 0x0A 0x11 0x00";
// A multirecord area is a chain of records, each a 5-byte header (type,
// end-of-list bit and format version 2, data length, data checksum, header
// checksum) and its data.
constexpr int kRecordHeaderSize = 5;
constexpr uint8_t kEndOfList = 0x80;
constexpr uint8_t kRecordVersionMask = 0x0F;
constexpr uint8_t kRecordVersion = 0x02;

// What ended the read early: a message, and the area it names if it is a
// format with %s.
struct Refusal {
    const char *message;
    const char *area;
};

// The regions the header names, in the order of their offsets.  A record
// without an internal use area gets korrel's fixed block first.
void orderRegions(const FruLayout &layout, FruKeep &keep)
{
    keep.regions = 0;
    if (layout.internalUse == 0)
        keep.order[keep.regions++] = Region::internalUse;
    for (int at = 1; at <= kMaxOffset; ++at)
        for (int r = 0; r < kRegionCount; ++r)
            if (offsetOf(layout, static_cast<Region>(r)) == at)
                keep.order[keep.regions++] = static_cast<Region>(r);
}

// Block 0 is the common header: version 1, the five offsets, a zero sum.
// Every area korrel writes must be there, and no two at one block.
const char *takeHeader(RunState &st)
{
    const uint8_t *h = st.keep.record;
    FruLayout &l = st.layout;
    l = FruLayout{h[1], h[2], h[3], h[4], h[5]};
    if (h[0] != kFormatVersion || (doChecksum(h, kBlockSize - 1) & 0xFF) != 0)
        return msg::kBadHeader;
    if (l.board == 0)
        return msg::kNoBoard;
    if (l.product == 0)
        return msg::kNoProduct;
    const int offsets[] = {l.internalUse, l.chassis, l.board, l.product, l.multiRecord};
    for (int i = 0; i < kRegionCount; ++i)
        for (int j = i + 1; j < kRegionCount; ++j)
            if (offsets[i] != 0 && offsets[i] == offsets[j])
                return msg::kBadHeader;
    orderRegions(l, st.keep);
    // Behind the last area nothing tells where an internal use area ends.
    if (l.internalUse != 0 && st.keep.order[st.keep.regions - 1] == Region::internalUse)
        return msg::kInternalUse;
    return nullptr;
}

// Blocks needed to hold the first `bytes` of the record, within the
// device and korrel's bound; 0 after setting why not.
int blocksFor(const RunState &st, int bytes, Refusal &why)
{
    int blocks = (bytes + kBlockSize - 1) / kBlockSize;
    if (blocks > kReadBlocks)
        why = {msg::kMultiRecordTooLong, nullptr};
    else if (blocks * kBlockSize > st.keep.deviceSize)
        why = {msg::kMultiRecordPastDevice, nullptr};
    return why.message == nullptr ? blocks : 0;
}

// Follows the chain of multirecords from block `at` as far as it has been
// read, checking each record's sums; the end of the record that carries
// the end-of-list bit is the end of the area.
int multiRecordEnd(RunState &st, int at, Refusal &why)
{
    const uint8_t *rec = st.keep.record;
    const int have = st.keep.blocksRead * kBlockSize;
    for (int p = at * kBlockSize;;) {
        if (p + kRecordHeaderSize > have)
            return blocksFor(st, p + kRecordHeaderSize, why);
        const uint8_t *h = rec + p;
        int next = p + kRecordHeaderSize + h[2];
        if ((h[1] & kRecordVersionMask) != kRecordVersion ||
            (doChecksum(h, kRecordHeaderSize - 1) & 0xFF) != 0) {
            why = {msg::kMultiRecordInvalid, nullptr};
            return 0;
        }
        if (next > have)
            return blocksFor(st, next, why);
        if (((doChecksum(h + kRecordHeaderSize, h[2] - 1) + h[3]) & 0xFF) != 0) {
            why = {msg::kMultiRecordInvalid, nullptr};
            return 0;
        }
        if (h[1] & kEndOfList) {
            st.keep.multiRecordStart = at * kBlockSize;
            st.keep.multiRecordBytes = next - at * kBlockSize;
            return blocksFor(st, next, why);
        }
        p = next;
    }
}

// Where a region ends, in blocks, once its first block has been read: an
// info area by its length byte, an internal use area at the next region
// (it is never the last).
int regionEnd(RunState &st, int i, Refusal &why)
{
    Region region = st.keep.order[i];
    int at = offsetOf(st.layout, region);
    const uint8_t *first = st.keep.record + at * kBlockSize;
    switch (region) {
    case Region::internalUse:
        return offsetOf(st.layout, st.keep.order[i + 1]);
    case Region::multiRecord:
        return multiRecordEnd(st, at, why);
    default:
        if (first[0] != kFormatVersion || first[1] == 0)
            why = {msg::kAreaFormat, areaDef(region).name};
        return at + first[1];
    }
}

// How many blocks the record takes, as far as the blocks read tell: more
// than have been read means read on.  0 after setting why when the record
// cannot be kept: its areas overlap, or its multirecord area is not last.
int blocksNeeded(RunState &st, Refusal &why)
{
    int end = 1;
    Region previous = Region::internalUse;
    for (int i = 0; i < st.keep.regions; ++i) {
        Region region = st.keep.order[i];
        int at = offsetOf(st.layout, region);
        if (at == 0)
            continue;  // the fixed internal use block korrel adds
        // The area before runs into this one: its length byte is wrong,
        // or the multirecord area lies inside it.
        if (at < end) {
            why = region != Region::multiRecord && isInfoArea(previous)
                      ? Refusal{msg::kAreaFormat, areaDef(previous).name}
                      : Refusal{msg::kMultiRecordPlace, nullptr};
            return 0;
        }
        if (region == Region::multiRecord && i + 1 < st.keep.regions) {
            why = {msg::kMultiRecordPlace, nullptr};
            return 0;
        }
        if (at >= st.keep.blocksRead)
            return at + 1;
        end = regionEnd(st, i, why);
        if (why.message != nullptr)
            return 0;
        previous = region;
    }
    return end;
}

// Where in the record the internal use area lies, to be written back byte
// for byte.
void keepInternalUse(RunState &st)
{
    int at = st.layout.internalUse;
    for (int i = 0; at != 0 && i + 1 < st.keep.regions; ++i) {
        if (st.keep.order[i] != Region::internalUse)
            continue;
        st.keep.internalUseAt = at * kBlockSize;
        st.keep.internalUseBlocks = offsetOf(st.layout, st.keep.order[i + 1]) - at;
    }
}

// The old record's bytes are kept as read: the rewrite copies what it does
// not edit from them, and a write the BMC keeps refusing is undone with them.
void keepBlock(RunState &st, int block)
{
    for (int k = 0; k < kBlockSize; ++k)
        st.keep.record[block * kBlockSize + k] = dataByte(st.response, k);
    st.keep.blocksRead = block + 1;
}

// The header, and before a multirecord area is followed, the device's
// size: the chain must not be read past the device's end.
Refusal startRecord(RunState &st)
{
    const char *problem = takeHeader(st);
    if (problem != nullptr)
        return {problem, nullptr};
    if (st.layout.multiRecord != 0) {
        DeviceSize size = askDeviceSize(st);
        if (size.answer != SizeAnswer::bytes)
            return {size.answer == SizeAnswer::wordAccess ? msg::kWordAccess : msg::kDeviceTooSmall, nullptr};
        st.keep.deviceSize = size.bytes;
    }
    return {};
}

}  // namespace

bool requestBlock(RunState &st, int block)
{
    std::memset(st.response, 0, sizeof st.response);
    std::memset(st.command, 0, sizeof st.command);
    std::memset(st.lsb, 0, sizeof st.lsb);
    std::memset(st.msb, 0, sizeof st.msb);
    offsetText(block * kBlockSize, st.lsb, st.msb);
    int n = std::snprintf(st.command, sizeof st.command, "%s 0x%s 0x%s 0x08\n",
                          kReadRequest, st.lsb, st.msb);
    if (n < 0 || n >= static_cast<int>(sizeof st.command))
        return false;
    return requestUntilSound(st.command, st.response, sizeof st.response, responseIsSound);
}

uint8_t dataByte(const char *response, int k)
{
    uint8_t b;
    str2byte(response + dataPos(k), &b);
    return b;
}

bool responseIsSound(const char *response)
{
    // A line that ends before its eighth byte must not be read past its end.
    const size_t needed = static_cast<size_t>(dataPos(kBlockSize - 1) + 2);
    if (std::memchr(response, '\0', needed) != nullptr)
        return false;
    if (response[kCountPos] != '0' || response[kCountPos + 1] != '8')
        return false;
    // A count of 08 in front of anything but eight hex bytes is no block.
    for (int k = 0; k < kBlockSize; ++k)
        if (!isHexPair(response + dataPos(k)))
            return false;
    return true;
}

// Reads the record block by block, from the header on, as far as its areas
// reach, then decodes it; nothing past the record is read.
bool readFruFromBmc(RunState &st)
{
    putText(msg::kReadFru);
    st.layout = FruLayout{};
    std::memset(st.fruvalue, 0, sizeof st.fruvalue);
    resetKeep(st.keep);
    Refusal why{};
    for (int block = 0, needed = 1; block < needed; ++block) {
        if (!requestBlock(st, block)) {
            putText(msg::kReadFailed);
            return false;
        }
        keepBlock(st, block);
        if (block == 0)
            why = startRecord(st);
        if (why.message == nullptr)
            needed = blocksNeeded(st, why);
        if (why.message != nullptr) {
            if (why.area != nullptr)
                putFormat(why.message, why.area);
            else
                putLine(why.message);
            return false;
        }
    }
    keepInternalUse(st);
    if (!decodeFruRecord(st))
        return false;
    putDone();
    return true;
}

}  // namespace korrel
