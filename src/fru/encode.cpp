// Encoding the new record: the header, then the regions in the order they
// were read, packed behind each other, each info area built from the values
// and what the read kept.
#include <cstring>

#include "hex.h"
#include "record.h"
#include "unicode.h"

namespace korrel {

namespace {

// An area's encoded fields are staged before the area's length is known;
// no area is longer than 255 blocks, and so neither are they.
constexpr int kAreaStreamSize = kMaxAreaBlocks * kBlockSize;

// Internal use area of a record that had none: version 1 and a few fixed
// bytes; the checksum is added.
constexpr uint8_t kInternalUse[] = {0x01, 0x00, 0x01, 0x04, 0x00, 0x00, 0x03};
static_assert(sizeof kInternalUse == kBlockSize - 1, "one block, less its checksum");

// ONLY_BSN stores 2019-03-01 01:00 UTC, least significant byte first.
constexpr uint8_t kOnlyBsnDate[] = {0xBC, 0xE3, 0xB9};

// The image under construction: block is where the next region begins;
// problem, when set, is why an area cannot be built other than its length.
struct Builder {
    const FruRecord &record;
    const FruValues &values;
    FruImage &image;
    int block;
    const char *problem;
};

// One area's encoded fields.
struct Stream {
    uint8_t bytes[kAreaStreamSize];
    int count;
};

uint8_t *blockAt(FruImage &image, int block)
{
    return image.bytes + block * kBlockSize;
}

// The zero checksum of blocks [first, first + count), stored in the last
// byte of the last block, which must still be zero.
void closeBlocks(FruImage &image, int first, int count)
{
    int sum = byteSum(blockAt(image, first), count * kBlockSize);
    blockAt(image, first + count - 1)[kBlockSize - 1] = checksumByte(sum);
}

bool stage(Stream &stream, const uint8_t *bytes, int count)
{
    if (stream.count + count > kAreaStreamSize)
        return false;
    std::memcpy(stream.bytes + stream.count, bytes, count);
    stream.count += count;
    return true;
}

// One field: its type/length byte, with the type it was read with, and the
// value, or the bytes read where fru.txt could not carry them.  Text in an
// area whose language is not English is 16-bit Unicode, made from the UTF-8
// value.  The storage format reserves the length 1 of 8-bit text, since C1
// ends an area's fields: a one-character text gets a NUL behind it, which
// decoders show as the character alone and which korrel itself reads back
// as such.
bool stageField(Builder &b, Stream &stream, int f)
{
    const FieldForm &form = b.values.form[lengthIndex(f)];
    const uint8_t *bytes = valueBytes(b.values, f);
    int chars = static_cast<int>(std::strlen(b.values.text[f]));
    const uint8_t pad[2] = {bytes[0], 0};
    uint8_t units[kMaxValue];
    if (form.raw) {
        bytes = b.record.bytes + form.rawAt, chars = form.rawLength;
    } else if (isUnicodeText(b.record, kFields[f].area, form.type)) {
        bytes = units, chars = utf8ToUtf16(b.values.text[f], units, sizeof units);
        if (chars < 0) {
            b.problem = msg::kNotUnicode;
            return false;
        }
    } else if (form.type == kText && chars == 1) {
        bytes = pad, chars = 2;
    }
    const uint8_t typeLength = static_cast<uint8_t>(form.type | chars);
    return stage(stream, &typeLength, 1) && stage(stream, bytes, chars);
}

// The area's fields in order.  Its first custom field is written when the
// area had one or the edit gives it a value; the custom fields behind it
// follow as they were read, unless ONLY_BSN drops them.
bool appendFields(Builder &b, Stream &stream, const AreaDef &area)
{
    const int ai = static_cast<int>(area.area);
    const int custom = area.firstField + area.fieldCount - 1;
    for (int f = area.firstField; f < custom; ++f)
        if (!stageField(b, stream, f))
            return false;
    if (!b.record.hadCustom[ai] && b.values.text[custom][0] == '\0')
        return true;
    int more = b.values.onlyBsn ? 0 : b.record.moreCustomBytes[ai];
    return stageField(b, stream, custom) &&
           stage(stream, b.record.bytes + b.record.moreCustomAt[ai], more);
}

// One info area at the current block: version, length, the fixed bytes
// given (area.fixedBytes of them), the fields, end marker, padding and
// checksum.  Returns its length in blocks, or 0 when it does not fit.
int buildFruArea(Builder &b, const uint8_t *fixed, const AreaDef &area)
{
    Stream stream = {};
    if (!appendFields(b, stream, area))
        return 0;
    int fixedCount = area.fixedBytes;
    int size = 2 + fixedCount + stream.count + 2;  // + end marker and checksum
    int nb = (size + kBlockSize - 1) / kBlockSize;
    if (nb > kMaxAreaBlocks || b.block + nb > kImageBlocks)
        return 0;
    uint8_t *p = blockAt(b.image, b.block);
    p[0] = kFormatVersion;
    p[1] = static_cast<uint8_t>(nb);
    std::memcpy(p + 2, fixed, fixedCount);
    std::memcpy(p + 2 + fixedCount, stream.bytes, stream.count);
    p[2 + fixedCount + stream.count] = kEndOfFields;
    closeBlocks(b.image, b.block, nb);
    return nb;
}

int indexOf(const Region *order, int regions, Region region)
{
    for (int i = 0; i < regions; ++i)
        if (order[i] == region)
            return i;
    return -1;
}

// Where an area the record lacks goes: next to its nearest neighbour in
// korrel's order (chassis, board, product), in front of the next one or
// else behind the one before; in a record without info areas, in front of
// the multirecord area, or last.
int placeOf(const Region *order, int regions, Region added)
{
    for (int r = static_cast<int>(added) + 1; r <= static_cast<int>(Region::product); ++r)
        if (int i = indexOf(order, regions, static_cast<Region>(r)); i >= 0)
            return i;
    for (int r = static_cast<int>(added) - 1; r >= static_cast<int>(Region::chassis); --r)
        if (int i = indexOf(order, regions, static_cast<Region>(r)); i >= 0)
            return i + 1;
    int i = indexOf(order, regions, Region::multiRecord);
    return i >= 0 ? i : regions;
}

bool holdsValue(const FruValues &values, const AreaDef &area)
{
    for (int f = area.firstField; f < area.firstField + area.fieldCount; ++f)
        if (values.text[f][0] != '\0')
            return true;
    return false;
}

// The regions of the new record: those read, with korrel's fixed internal
// use block where the record had none unless it is left out or would be
// alone, and an area the record lacks when the edit gives one of its fields
// a value.
int newOrder(const FruRecord &record, const FruValues &values, bool fixedBlock, Region *order)
{
    int n = 0;
    for (int i = 0; i < record.regions; ++i)
        if (fixedBlock || record.order[i] != Region::internalUse || record.internalUseBlocks > 0)
            order[n++] = record.order[i];
    for (const AreaDef &area : kAreas) {
        Region region = regionOf(area.area);
        if (indexOf(order, n, region) >= 0 || !holdsValue(values, area))
            continue;
        int at = placeOf(order, n, region);
        std::memmove(order + at + 1, order + at, (n - at) * sizeof *order);
        order[at] = region;
        ++n;
    }
    // Nothing would tell where a fixed block with no region behind it ends.
    return n == 1 && order[0] == Region::internalUse && record.internalUseBlocks == 0 ? 0 : n;
}

// The internal use area as read, or korrel's fixed block for a record
// that had none.  Returns its length in blocks.
int buildInternalUse(Builder &b)
{
    int kept = b.record.internalUseBlocks;
    if (kept > 0) {
        std::memcpy(blockAt(b.image, b.block), b.record.bytes + b.record.internalUseAt,
                    kept * kBlockSize);
        return kept;
    }
    std::memcpy(blockAt(b.image, b.block), kInternalUse, sizeof kInternalUse);
    closeBlocks(b.image, b.block, 1);
    return 1;
}

// The multirecord area moves unchanged: its records hold no offsets.
int buildMultiRecord(Builder &b)
{
    int bytes = b.record.multiRecordBytes;
    int nb = (bytes + kBlockSize - 1) / kBlockSize;
    if (b.block + nb > kImageBlocks)
        return 0;
    std::memcpy(blockAt(b.image, b.block), b.record.bytes + b.record.multiRecordStart, bytes);
    return nb;
}

}  // namespace

void startFruImage(FruValues &values, FruImage &image)
{
    std::memset(values.text, 0, sizeof values.text);
    image = FruImage{};
}

// Lays the regions out behind the header in the order they were read,
// packed; every one must start where the header's one-byte offsets reach.
Problem encodeFruRecord(const FruRecord &record, const FruValues &values, FruImage &image,
                        bool fixedBlock)
{
    image = FruImage{};
    const uint8_t *code = record.areaCode;
    uint8_t date[3];
    DTstr2byte(values.text[kDateField], date);
    uint8_t fixed[kAreaCount][4] = {{code[0]}, {code[1], date[2], date[1], date[0]}, {code[2]}};
    if (values.onlyBsn)
        std::memcpy(fixed[1] + 1, kOnlyBsnDate, sizeof kOnlyBsnDate);

    Builder b = {record, values, image, 1, nullptr};
    Region order[kRegionCount];
    int regions = newOrder(record, values, fixedBlock, order);
    for (int i = 0; i < regions; ++i) {
        Region region = order[i];
        int nb = 0;
        if (b.block <= kMaxOffset) {
            if (region == Region::internalUse)
                nb = buildInternalUse(b);
            else if (region == Region::multiRecord)
                nb = buildMultiRecord(b);
            else
                nb = buildFruArea(b, fixed[static_cast<int>(areaDef(region).area)], areaDef(region));
        }
        if (nb == 0)
            return {b.problem != nullptr ? b.problem : msg::kDataTooLong, nullptr};
        offsetOf(image.layout, region) = b.block;
        b.block += nb;
    }
    image.lastBlock = b.block - 1;

    uint8_t *header = blockAt(image, 0);
    header[0] = kFormatVersion;
    for (int r = 0; r < kRegionCount; ++r)
        header[1 + r] = static_cast<uint8_t>(offsetOf(image.layout, static_cast<Region>(r)));
    closeBlocks(image, 0, 1);
    return {};
}

}  // namespace korrel
