#include <cstring>

#include "console.h"
#include "hex.h"
#include "write.h"

namespace korrel {

namespace {

// Internal use area of a record that had none: version 1 and a few fixed
// bytes; the checksum is added.
constexpr uint8_t kInternalUse[] = {0x01, 0x00, 0x01, 0x04, 0x00, 0x00, 0x03};
static_assert(sizeof kInternalUse == kBlockSize - 1, "one block, less its checksum");

// ONLY_BSN stores 2019-03-01 01:00 UTC, least significant byte first.
constexpr uint8_t kOnlyBsnDate[] = {0xBC, 0xE3, 0xB9};

uint8_t *blockAt(RunState &st, int block)
{
    return st.fruimage + block * kBlockSize;
}

// The zero checksum of blocks [first, first + count), stored in the last
// byte of the last block, which must still be zero.
void closeBlocks(RunState &st, int first, int count)
{
    int sum = 0;
    for (int b = first; b < first + count; ++b)
        sum += doChecksum(blockAt(st, b), kBlockSize - 1);
    blockAt(st, first + count - 1)[kBlockSize - 1] = static_cast<uint8_t>(doCRC(sum));
}

// A stored text is the value and its newline, so L is the value's length
// plus one; an empty stored text (a line with nothing behind its label) is
// encoded as an empty field, never as a length below zero.
void takeLengths(RunState &st)
{
    for (int f = 0; f < kFieldCount; ++f) {
        if (f == kDateField)
            continue;
        int length = static_cast<int>(std::strlen(st.fruvalue[f]));
        st.rd.length[lengthIndex(f)] = static_cast<uint8_t>(length == 0 ? 1 : length);
    }
}

bool stage(RunState &st, const uint8_t *bytes, int count)
{
    if (st.streamCount + count > kAreaStreamSize)
        return false;
    std::memcpy(st.areastream + st.streamCount, bytes, count);
    st.streamCount += count;
    return true;
}

// One field: its type/length byte, with the type it was read with, and the
// value without its newline, or the bytes read where fru.txt could not
// carry them.  The storage format reserves the length 1 of 8-bit text,
// since C1 ends an area's fields: a one-character text gets a NUL behind
// it, which decoders show as the character alone and which korrel itself
// reads back as such.
bool stageField(RunState &st, int f)
{
    const int li = lengthIndex(f);
    const uint8_t type = st.keep.type[li];
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(st.fruvalue[f]);
    int chars = st.rd.length[li] - 1;
    const uint8_t pad[2] = {bytes[0], 0};
    if (st.keep.keepRaw[li])
        bytes = st.keep.record + st.keep.rawAt[li], chars = st.keep.rawLength[li];
    else if (type == kText && chars == 1)
        bytes = pad, chars = 2;
    const uint8_t typeLength = static_cast<uint8_t>(type | chars);
    return stage(st, &typeLength, 1) && stage(st, bytes, chars);
}

// The area's fields in order.  Its first custom field is written when the
// area had one or the edit gives it a value; the custom fields behind it
// follow as they were read.
bool appendFields(RunState &st, const AreaDef &area)
{
    std::memset(st.areastream, 0, sizeof st.areastream);
    st.streamCount = 0;
    const int ai = static_cast<int>(area.area);
    const int custom = area.firstField + area.fieldCount - 1;
    for (int f = area.firstField; f < custom; ++f)
        if (!stageField(st, f))
            return false;
    if (st.keep.hadCustom[ai] || st.rd.length[lengthIndex(custom)] > 1)
        return stageField(st, custom) &&
               stage(st, st.keep.record + st.keep.moreCustomAt[ai], st.keep.moreCustomBytes[ai]);
    return true;
}

// A record read without a chassis area gets one only when the edit gives a
// chassis field a value; it goes in front of the board area.
int newOrder(const RunState &st, Region *order)
{
    bool hasChassis = false, needsChassis = false;
    for (int i = 0; i < st.keep.regions; ++i)
        hasChassis = hasChassis || st.keep.order[i] == Region::chassis;
    const AreaDef &chassis = areaDef(Area::chassis);
    for (int f = chassis.firstField; f < chassis.firstField + chassis.fieldCount; ++f)
        needsChassis = needsChassis || std::strlen(st.fruvalue[f]) > 1;
    int n = 0;
    for (int i = 0; i < st.keep.regions; ++i) {
        if (!hasChassis && needsChassis && st.keep.order[i] == Region::board)
            order[n++] = Region::chassis;
        order[n++] = st.keep.order[i];
    }
    return n;
}

// The internal use area as read, or korrel's fixed block for a record
// that had none.  Returns its length in blocks.
int buildInternalUse(RunState &st)
{
    int kept = st.keep.internalUseBlocks;
    if (kept > 0) {
        std::memcpy(blockAt(st, st.block), st.keep.record + st.keep.internalUseAt, kept * kBlockSize);
        return kept;
    }
    std::memcpy(blockAt(st, st.block), kInternalUse, sizeof kInternalUse);
    closeBlocks(st, st.block, 1);
    return 1;
}

// The multirecord area moves unchanged: its records hold no offsets.
int buildMultiRecord(RunState &st)
{
    int bytes = st.keep.multiRecordBytes;
    int nb = (bytes + kBlockSize - 1) / kBlockSize;
    if (st.block + nb > kImageBlocks)
        return 0;
    std::memcpy(blockAt(st, st.block), st.keep.record + st.keep.multiRecordStart, bytes);
    return nb;
}

}  // namespace

void startFruImage(RunState &st)
{
    st.layout = FruLayout{};
    std::memset(st.lsb, 0, sizeof st.lsb);
    std::memset(st.msb, 0, sizeof st.msb);
    std::memset(st.fruvalue, 0, sizeof st.fruvalue);
    std::memset(st.rd.length, 0, sizeof st.rd.length);
    std::memset(st.mfgDate, 0, sizeof st.mfgDate);
    std::memset(st.fruimage, 0, sizeof st.fruimage);
    st.fruimage[0] = kFormatVersion;
    st.block = 1;
}

int buildFruArea(RunState &st, const uint8_t *fixed, const AreaDef &area)
{
    if (!appendFields(st, area))
        return 0;
    int fixedCount = area.fixedBytes;
    int size = 2 + fixedCount + st.streamCount + 2;  // + end marker and checksum
    int nb = (size + kBlockSize - 1) / kBlockSize;
    if (st.block + nb > kImageBlocks)
        return 0;
    uint8_t *p = blockAt(st, st.block);
    p[0] = kFormatVersion;
    p[1] = static_cast<uint8_t>(nb);
    std::memcpy(p + 2, fixed, fixedCount);
    std::memcpy(p + 2 + fixedCount, st.areastream, st.streamCount);
    p[2 + fixedCount + st.streamCount] = kEndOfFields;
    closeBlocks(st, st.block, nb);
    return nb;
}

// Lays the regions out behind the header in the order they were read,
// packed; every one must start where the header's one-byte offsets reach.
bool buildFruImage(RunState &st)
{
    takeLengths(st);
    const uint8_t *code = st.keep.areaCode;
    DTstr2byte(st.fruvalue[kDateField], st.mfgDate);
    uint8_t fixed[3][4] = {{code[0]}, {code[1], st.mfgDate[2], st.mfgDate[1], st.mfgDate[0]}, {code[2]}};
    if (g_only_BSN)
        std::memcpy(fixed[1] + 1, kOnlyBsnDate, sizeof kOnlyBsnDate);

    Region order[kRegionCount];
    int regions = newOrder(st, order);
    for (int i = 0; i < regions; ++i) {
        Region region = order[i];
        int nb = 0;
        if (st.block <= kMaxOffset) {
            if (region == Region::internalUse)
                nb = buildInternalUse(st);
            else if (region == Region::multiRecord)
                nb = buildMultiRecord(st);
            else
                nb = buildFruArea(st, fixed[static_cast<int>(areaDef(region).area)], areaDef(region));
        }
        if (nb == 0) {
            putLine(msg::kDataTooLong);
            return false;
        }
        offsetOf(st.layout, region) = st.block;
        st.block += nb;
    }
    st.block -= 1;  // the image's last block

    uint8_t *header = blockAt(st, 0);
    for (int r = 0; r < kRegionCount; ++r)
        header[1 + r] = static_cast<uint8_t>(offsetOf(st.layout, static_cast<Region>(r)));
    closeBlocks(st, 0, 1);
    return true;
}

}  // namespace korrel
