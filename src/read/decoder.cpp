#include <cstdio>
#include <cstring>

#include "console.h"
#include "hex.h"
#include "read.h"

namespace korrel {

namespace {

// The date is kept as text, most significant byte first, while the area
// stores it least significant byte first in bytes 3 to 5.
void takeDate(RunState &st, const uint8_t *area)
{
    std::snprintf(st.fruvalue[kDateField], kValueSlot, "%02X%02X%02X", area[5], area[4], area[3]);
}

// A value is what fru.txt shows of the field: its bytes up to the first
// zero byte or newline, which a line of text cannot carry.  A field holding
// either is also kept as read, to be written back so unless it is edited;
// so is one character of 8-bit text, which korrel itself would store with
// a NUL behind it (the length 1 is reserved for the end marker).
void takeField(RunState &st, int field, uint8_t typeLength, const uint8_t *bytes)
{
    int li = lengthIndex(field);
    int n = typeLength & kLengthMask;
    st.keep.type[li] = typeLength & kTypeMask;
    int shown = 0;
    while (shown < n && bytes[shown] != 0 && bytes[shown] != '\n')
        ++shown;
    std::memcpy(st.fruvalue[field], bytes, shown);
    if (shown < n || (n == 1 && (typeLength & kTypeMask) == kText)) {
        st.keep.keepRaw[li] = true;
        st.keep.rawAt[li] = static_cast<int>(bytes - st.keep.record);
        st.keep.rawLength[li] = static_cast<uint8_t>(n);
    }
}

// Behind the last field stands C1; a 00 ends the fields too, but only when
// nothing but zeros follows it up to the checksum byte: otherwise it is an
// empty binary field with more fields behind it.
bool fieldsEnd(const uint8_t *area, int at, int checksumAt)
{
    if (area[at] == kEndOfFields)
        return true;
    for (int i = at; i < checksumAt; ++i)
        if (area[i] != 0)
            return false;
    return true;
}

// Walks the area's fields, which must all lie before its checksum byte:
// the fixed ones, then its custom fields up to the end marker.  The first
// custom field has a value slot; those behind it are kept as read.
// Returns the message format when the area is not sound.
const char *walkFields(RunState &st, const AreaDef &area, const uint8_t *a, int size)
{
    const int checksumAt = size - 1;
    const int firstCustom = area.firstField + area.fieldCount - 1;
    const int ai = static_cast<int>(area.area);
    st.keep.hadCustom[ai] = false;
    int at = 2 + area.fixedBytes;
    for (int field = area.firstField;; ++field) {
        bool custom = field >= firstCustom;
        if (at >= checksumAt)
            return custom ? msg::kNoEndOfFields : msg::kFieldPastEnd;
        if (custom && fieldsEnd(a, at, checksumAt))
            return nullptr;
        int n = a[at] & kLengthMask;
        if (at + 1 + n > checksumAt)
            return msg::kFieldPastEnd;
        if (field <= firstCustom) {
            takeField(st, field, a[at], a + at + 1);
        } else {
            if (st.keep.moreCustomBytes[ai] == 0)
                st.keep.moreCustomAt[ai] = static_cast<int>(a + at - st.keep.record);
            st.keep.moreCustomBytes[ai] += 1 + n;
        }
        st.keep.hadCustom[ai] = st.keep.hadCustom[ai] || custom;
        at += 1 + n;
    }
}

// An info area is its length byte's number of blocks, which must sum to
// zero (the read checked its version and length); its fixed bytes are
// kept, its fields decoded.
const char *decodeArea(RunState &st, const AreaDef &area, const uint8_t *a)
{
    int size = a[1] * kBlockSize;
    if ((doChecksum(a, size - 1) & 0xFF) != 0)
        return msg::kAreaChecksum;
    st.keep.areaCode[static_cast<int>(area.area)] = a[2];
    if (area.hasDate)
        takeDate(st, a);
    return walkFields(st, area, a, size);
}

}  // namespace

bool decodeFruRecord(RunState &st)
{
    for (const AreaDef &area : kAreas) {
        int offset = offsetOf(st.layout, regionOf(area.area));
        if (offset == 0)
            continue;  // no chassis area
        const char *problem = decodeArea(st, area, st.keep.record + offset * kBlockSize);
        if (problem != nullptr) {
            putFormat(problem, area.name);
            return false;
        }
    }
    return true;
}

}  // namespace korrel
