#include <cctype>

#include "console.h"
#include "hex.h"
#include "read.h"

namespace korrel {

uint8_t dataByte(const char *response, int k)
{
    uint8_t b;
    str2byte(response + dataPos(k), &b);
    return b;
}

namespace {

int areaOffset(const FruLayout &layout, Area area)
{
    switch (area) {
    case Area::chassis: return layout.chassis;
    case Area::board: return layout.board;
    case Area::product: return layout.product;
    }
    return 0;
}

// Each area runs from its offset up to the next area's; the product area has
// no upper bound, and an absent chassis area (offset 0) has no blocks at all.
bool inArea(const FruLayout &layout, Area area, int block)
{
    switch (area) {
    case Area::chassis:
        return layout.chassis != 0 && layout.chassis <= block && block < layout.board;
    case Area::board:
        return layout.board <= block && block < layout.product;
    case Area::product:
        return block >= layout.product;
    }
    return false;
}

// The date is kept as text, most significant byte first, while the area
// stores it least significant byte first in data bytes 3 to 5.
void takeDate(RunState &st, const char *response)
{
    char *text = st.fruvalue[kDateField];
    for (int i = 0; i < 3; ++i) {
        const char *pair = response + dataPos(5 - i);
        text[2 * i] = static_cast<char>(std::toupper(static_cast<unsigned char>(pair[0])));
        text[2 * i + 1] = static_cast<char>(std::toupper(static_cast<unsigned char>(pair[1])));
    }
    st.rd.taken[kDateField] = 1;
}

void takeTypeLength(RunState &st, const char *response, int field)
{
    FruReadState &rd = st.rd;
    uint8_t b = dataByte(response, rd.cursor);
    rd.taken[field] = 1;
    // In a custom field's place C1 means there is none; it then serves as
    // the area's end marker.
    if (kFields[field].custom && b == kEndOfFields) {
        rd.length[lengthIndex(field)] = 0;  // the cursor stays: it is the end marker
        return;
    }
    rd.length[lengthIndex(field)] = b & kLengthMask;
    st.keep.type[lengthIndex(field)] = b & kTypeMask;
    ++rd.cursor;
}

// Copies as many of the field's bytes as this block holds; a field may run
// on into the next block.  Each field is taken once with at most 63 bytes,
// so fill never passes kMaxValue and the slot keeps its terminating zero.
void copyBytes(RunState &st, const char *response, int field)
{
    FruReadState &rd = st.rd;
    uint8_t &left = rd.length[lengthIndex(field)];
    uint8_t &fill = rd.fill[lengthIndex(field)];
    while (left > 0 && rd.cursor < kBlockSize) {
        st.fruvalue[field][fill++] = static_cast<char>(dataByte(response, rd.cursor++));
        --left;
    }
}

// One step through an area: its start, then the first field with bytes
// left, else the end check.  Returns false when the end marker is missing.
bool areaStep(RunState &st, const AreaDef &area, int block, const char *response)
{
    FruReadState &rd = st.rd;
    if (block == areaOffset(st.layout, area.area) && !rd.taken[area.firstField]) {
        // The chassis type or the language code, written back as read.
        st.keep.areaCode[static_cast<int>(area.area)] = dataByte(response, 2);
        if (area.hasDate)
            takeDate(st, response);
        rd.cursor = area.firstTypeLength;
        takeTypeLength(st, response, area.firstField);
    }
    for (int f = area.firstField; f < area.firstField + area.fieldCount; ++f) {
        if (rd.cursor >= kBlockSize)
            return true;
        if (!rd.taken[f])
            takeTypeLength(st, response, f);
        if (rd.cursor >= kBlockSize)
            return true;
        if (rd.length[lengthIndex(f)] != 0) {
            copyBytes(st, response, f);
            return true;
        }
    }
    uint8_t end = dataByte(response, rd.cursor);
    if (end != kEndOfFields && end != 0x00) {
        putLine(area.noEndMessage);
        return false;
    }
    rd.cursor = kBlockSize;  // the rest of the block is padding
    if (area.area == Area::product)
        rd.finished = 1;
    return true;
}

}  // namespace

bool decodeFruBlock(RunState &st, int block, const char *response)
{
    while (st.rd.cursor < kBlockSize) {
        bool inAny = false;
        for (const AreaDef &area : kAreas) {
            if (!inArea(st.layout, area.area, block))
                continue;
            inAny = true;
            if (!areaStep(st, area, block, response))
                return false;
        }
        // Padding between the header and the first area, or the tail of a
        // longer internal use area: nothing to decode.
        if (!inAny)
            st.rd.cursor = kBlockSize;
    }
    return true;
}

}  // namespace korrel
