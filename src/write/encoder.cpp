#include <cstring>

#include "console.h"
#include "hex.h"
#include "write.h"

namespace korrel {

namespace {

constexpr uint8_t kFormatVersion = 0x01;

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

// Each field is its type/length byte, with the type it was read with, and
// the value without its newline.  The storage format reserves the length 1
// of 8-bit text, since C1 ends an area's fields: a one-character text gets a
// NUL behind it, which decoders show as the character alone and which
// korrel itself reads back as such.
bool appendFields(RunState &st, const AreaDef &area)
{
    std::memset(st.areastream, 0, sizeof st.areastream);
    st.streamCount = 0;
    for (int f = area.firstField; f < area.firstField + area.fieldCount; ++f) {
        uint8_t type = st.keep.type[lengthIndex(f)];
        int chars = st.rd.length[lengthIndex(f)] - 1;
        int stored = type == kText && chars == 1 ? 2 : chars;
        if (st.streamCount + 1 + stored > kAreaStreamSize)
            return false;
        st.areastream[st.streamCount++] = static_cast<uint8_t>(type | stored);
        std::memcpy(st.areastream + st.streamCount, st.fruvalue[f], chars);
        st.streamCount += stored;  // the pad byte is already zero
    }
    return true;
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
    st.layout.internalUse = 1;
    int kept = st.keep.internalUseBlocks;
    if (kept > 0) {
        std::memcpy(blockAt(st, 1), st.keep.internalUse, kept * kBlockSize);
    } else {
        kept = 1;
        std::memcpy(blockAt(st, 1), kInternalUse, sizeof kInternalUse);
        closeBlocks(st, 1, 1);
    }
    st.block = static_cast<uint8_t>(1 + kept);
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

bool buildFruImage(RunState &st)
{
    takeLengths(st);
    const uint8_t *code = st.keep.areaCode;
    const uint8_t chassisFixed[] = {code[0]};
    const uint8_t productFixed[] = {code[2]};
    DTstr2byte(st.fruvalue[kDateField], st.mfgDate);
    uint8_t boardFixed[] = {code[1], st.mfgDate[2], st.mfgDate[1], st.mfgDate[0]};
    if (g_only_BSN)
        std::memcpy(boardFixed + 1, kOnlyBsnDate, sizeof kOnlyBsnDate);

    struct Step {
        const AreaDef &area;
        const uint8_t *fixed;
        int *offset;
    } steps[] = {
        {areaDef(Area::chassis), chassisFixed, &st.layout.chassis},
        {areaDef(Area::board), boardFixed, &st.layout.board},
        {areaDef(Area::product), productFixed, &st.layout.product},
    };
    for (const Step &step : steps) {
        *step.offset = st.block;
        int nb = buildFruArea(st, step.fixed, step.area);
        if (nb == 0) {
            putLine(msg::kDataTooLong);
            return false;
        }
        st.block = static_cast<uint8_t>(st.block + nb);
    }
    st.block = static_cast<uint8_t>(st.block - 1);  // the product area's last block

    uint8_t *header = blockAt(st, 0);
    header[1] = static_cast<uint8_t>(st.layout.internalUse);
    header[2] = static_cast<uint8_t>(st.layout.chassis);
    header[3] = static_cast<uint8_t>(st.layout.board);
    header[4] = static_cast<uint8_t>(st.layout.product);
    header[5] = static_cast<uint8_t>(st.layout.multiRecord);
    closeBlocks(st, 0, 1);
    return true;
}

}  // namespace korrel
