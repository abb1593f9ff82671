// Decoding the info areas of the record read into the field values.
#include <cstdio>
#include <cstring>

#include "hex.h"
#include "record.h"
#include "unicode.h"

namespace korrel {

namespace {

// The date is kept as text, most significant byte first, while the area
// stores it least significant byte first in bytes 3 to 5.
void takeDate(FruValues &values, const uint8_t *area)
{
    std::snprintf(values.text[kDateField], kValueSlot, "%02X%02X%02X", area[5], area[4], area[3]);
}

// A value is what fru.txt shows of the field: its bytes up to the first
// zero byte or newline, which a line of text cannot carry.  A field holding
// either is also kept as read, to be written back so unless it is edited;
// so is one character of 8-bit text, which korrel itself would store with
// a NUL behind it (the length 1 is reserved for the end marker).  16-bit
// Unicode text is shown as UTF-8, and kept as read where fru.txt cannot
// carry all of it: a NUL, a newline, no character, or more than 63 bytes.
void takeField(const FruRecord &record, FruValues &values, int field, uint8_t typeLength,
               const uint8_t *bytes)
{
    FieldForm &form = values.form[lengthIndex(field)];
    int n = typeLength & kLengthMask;
    form.type = typeLength & kTypeMask;
    bool kept;
    if (isUnicodeText(record, kFields[field].area, form.type)) {
        kept = utf16ToUtf8(bytes, n, values.text[field], kMaxValue) < n;
    } else {
        int shown = 0;
        while (shown < n && bytes[shown] != 0 && bytes[shown] != '\n')
            ++shown;
        std::memcpy(values.text[field], bytes, shown);
        kept = shown < n || (n == 1 && form.type == kText);
    }
    if (kept)
        form = FieldForm{form.type, true, static_cast<int>(bytes - record.bytes), n};
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
const char *walkFields(FruRecord &record, FruValues &values, const AreaDef &area, const uint8_t *a,
                       int size)
{
    const int checksumAt = size - 1;
    const int firstCustom = area.firstField + area.fieldCount - 1;
    const int ai = static_cast<int>(area.area);
    record.hadCustom[ai] = false;
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
            takeField(record, values, field, a[at], a + at + 1);
        } else {
            if (record.moreCustomBytes[ai] == 0)
                record.moreCustomAt[ai] = static_cast<int>(a + at - record.bytes);
            record.moreCustomBytes[ai] += 1 + n;
        }
        record.hadCustom[ai] = record.hadCustom[ai] || custom;
        at += 1 + n;
    }
}

// An info area is its length byte's number of blocks, which must sum to
// zero (the read checked its version and length); its fixed bytes are
// kept, its fields decoded.
const char *decodeArea(FruRecord &record, FruValues &values, const AreaDef &area, const uint8_t *a)
{
    int size = a[1] * kBlockSize;
    if (!sumsToZero(a, size))
        return msg::kAreaChecksum;
    record.areaCode[static_cast<int>(area.area)] = a[2];
    if (area.hasDate)
        takeDate(values, a);
    return walkFields(record, values, area, a, size);
}

}  // namespace

Problem decodeFruRecord(FruRecord &record, FruValues &values)
{
    for (const AreaDef &area : kAreas) {
        int offset = offsetOf(record.layout, regionOf(area.area));
        if (offset == 0)
            continue;  // absent: its values stay empty
        const char *problem = decodeArea(record, values, area, record.bytes + offset * kBlockSize);
        if (problem != nullptr)
            return {problem, area.name};
    }
    return {};
}

}  // namespace korrel
