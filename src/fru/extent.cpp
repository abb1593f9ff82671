// How far a record reaches, found from its bytes as they are read: the
// header names the regions, each info area gives its length, and the
// multirecord area is a chain that ends at the record marked last.
#include "hex.h"
#include "record.h"

namespace korrel {

namespace {

// A multirecord area is a chain of records, each a 5-byte header (type,
// end-of-list bit and format version 2, data length, data checksum, header
// checksum) and its data.
constexpr int kRecordHeaderSize = 5;
constexpr uint8_t kEndOfList = 0x80;
constexpr uint8_t kRecordVersionMask = 0x0F;
constexpr uint8_t kRecordVersion = 0x02;

// The regions the header names, in the order of their offsets.  A record
// without an internal use area gets korrel's fixed block first.
void orderRegions(FruRecord &record)
{
    record.regions = 0;
    if (record.layout.internalUse == 0)
        record.order[record.regions++] = Region::internalUse;
    for (int at = 1; at <= kMaxOffset; ++at)
        for (int r = 0; r < kRegionCount; ++r)
            if (offsetOf(record.layout, static_cast<Region>(r)) == at)
                record.order[record.regions++] = static_cast<Region>(r);
}

// Blocks needed to hold the first `bytes` of the record, within the
// device and korrel's bound; 0 after setting why not.
int blocksFor(const FruRecord &record, int bytes, Problem &why)
{
    int blocks = (bytes + kBlockSize - 1) / kBlockSize;
    if (blocks > kReadBlocks)
        why = {msg::kMultiRecordTooLong, nullptr};
    else if (blocks * kBlockSize > record.deviceSize)
        why = {msg::kMultiRecordPastDevice, nullptr};
    return why.message == nullptr ? blocks : 0;
}

// Follows the chain of multirecords from block `at` as far as it has been
// read, checking each record's sums; the end of the record that carries
// the end-of-list bit is the end of the area.
int multiRecordEnd(FruRecord &record, int at, Problem &why)
{
    const int have = record.blocks * kBlockSize;
    for (int p = at * kBlockSize;;) {
        if (p + kRecordHeaderSize > have)
            return blocksFor(record, p + kRecordHeaderSize, why);
        const uint8_t *h = record.bytes + p;
        int next = p + kRecordHeaderSize + h[2];
        if ((h[1] & kRecordVersionMask) != kRecordVersion ||
            !sumsToZero(h, kRecordHeaderSize)) {
            why = {msg::kMultiRecordInvalid, nullptr};
            return 0;
        }
        if (next > have)
            return blocksFor(record, next, why);
        if (((byteSum(h + kRecordHeaderSize, h[2]) + h[3]) & 0xFF) != 0) {
            why = {msg::kMultiRecordInvalid, nullptr};
            return 0;
        }
        if (h[1] & kEndOfList) {
            record.multiRecordStart = at * kBlockSize;
            record.multiRecordBytes = next - at * kBlockSize;
            return blocksFor(record, next, why);
        }
        p = next;
    }
}

// Where a region ends, in blocks, once its first block has been read: an
// info area by its length byte, an internal use area at the next region
// (it is never the last), noted to be written back byte for byte.
int regionEnd(FruRecord &record, int i, Problem &why)
{
    Region region = record.order[i];
    int at = offsetOf(record.layout, region);
    const uint8_t *first = record.bytes + at * kBlockSize;
    switch (region) {
    case Region::internalUse: {
        int next = offsetOf(record.layout, record.order[i + 1]);
        record.internalUseAt = at * kBlockSize;
        record.internalUseBlocks = next - at;
        return next;
    }
    case Region::multiRecord:
        return multiRecordEnd(record, at, why);
    default:
        if (first[0] != kFormatVersion || first[1] == 0)
            why = {msg::kAreaFormat, areaDef(region).name};
        return at + first[1];
    }
}

}  // namespace

// Block 0 is the common header: version 1, the five offsets, a zero sum.
// Any area may be absent, but no two may be at one block.
Problem takeHeader(FruRecord &record)
{
    const uint8_t *h = record.bytes;
    FruLayout &l = record.layout;
    l = FruLayout{h[1], h[2], h[3], h[4], h[5]};
    if (h[0] != kFormatVersion || !sumsToZero(h, kBlockSize))
        return {msg::kBadHeader, nullptr};
    const int offsets[] = {l.internalUse, l.chassis, l.board, l.product, l.multiRecord};
    for (int i = 0; i < kRegionCount; ++i)
        for (int j = i + 1; j < kRegionCount; ++j)
            if (offsets[i] != 0 && offsets[i] == offsets[j])
                return {msg::kBadHeader, nullptr};
    orderRegions(record);
    // Behind the last region nothing tells where an internal use area
    // ends, nor when it is the only one.
    if (l.internalUse != 0 && record.order[record.regions - 1] == Region::internalUse)
        return {msg::kInternalUse, nullptr};
    return {};
}

// More than have been read means read on.  0 after setting why when the
// record cannot be kept: its regions overlap.  Each region must begin at or
// behind the end of the one before; what lies between belongs to none.
int blocksNeeded(FruRecord &record, Problem &why)
{
    int end = 1;
    Region previous = Region::internalUse;
    for (int i = 0; i < record.regions; ++i) {
        Region region = record.order[i];
        int at = offsetOf(record.layout, region);
        if (at == 0)
            continue;  // the fixed internal use block korrel adds
        // The region before runs into this one: an info area's length byte
        // is wrong, the multirecord area lies inside an info area, or its
        // records run into the region behind it.
        if (at < end) {
            why = region != Region::multiRecord && isInfoArea(previous)
                      ? Problem{msg::kAreaFormat, areaDef(previous).name}
                      : Problem{msg::kMultiRecordPlace, nullptr};
            return 0;
        }
        if (at >= record.blocks)
            return at + 1;
        end = regionEnd(record, i, why);
        if (why.message != nullptr)
            return 0;
        previous = region;
    }
    return end;
}

}  // namespace korrel
