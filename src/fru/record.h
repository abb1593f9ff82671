// The FRU record as a library: what a run read (the bytes and where its
// regions lie), the field values as read and edited, and the new image.
// Nothing here prints: a check that fails returns a Problem, and the phase
// that called it prints it.
#pragma once

#include <cstdint>

#include "console.h"
#include "fields.h"

namespace korrel {

// Area offsets in blocks, as the common header gives them; 0 for none.
struct FruLayout {
    int internalUse;
    int chassis;
    int board;
    int product;
    int multiRecord;
};

// The record's regions in the order of their offsets, as the rewrite lays
// them out again.
enum class Region : uint8_t { internalUse, chassis, board, product, multiRecord };
constexpr int kRegionCount = 5;

// The info areas are the regions between the internal use and the
// multirecord area, in the same order.
constexpr Region regionOf(Area area)
{
    return static_cast<Region>(static_cast<int>(area) + 1);
}
constexpr bool isInfoArea(Region region)
{
    return region != Region::internalUse && region != Region::multiRecord;
}
constexpr const AreaDef &areaDef(Region region)
{
    return kAreas[static_cast<int>(region) - 1];
}
static_assert(regionOf(Area::chassis) == Region::chassis && regionOf(Area::product) == Region::product,
              "info areas in the same order");

// A region's offset in the header's layout.
int &offsetOf(FruLayout &layout, Region region);
int offsetOf(const FruLayout &layout, Region region);

// The record as read: its bytes, and what the rewrite carries over from
// them besides the values, so that a record korrel did not lay out comes
// back as it was read.  What is carried over unedited is found in bytes,
// not copied out of them.
struct FruRecord {
    uint8_t bytes[kImageSize];  // blocks 0 to blocks - 1, as read
    int blocks;                 // the old record's extent, known to exist on the device
    int deviceSize;             // in bytes, once asked; -1 before
    FruLayout layout;
    Region order[kRegionCount];
    int regions;
    // The internal use area: its blocks from internalUseAt (a byte offset
    // in bytes) on; none means the new record gets korrel's fixed block.
    int internalUseAt;
    int internalUseBlocks;
    // The multirecord area, records and all; its records hold no offsets,
    // so it moves unchanged.
    int multiRecordStart;  // byte offset in bytes
    int multiRecordBytes;
    // Data byte 2 of each info area: chassis type, board and product
    // language codes, in area order.
    uint8_t areaCode[kAreaCount];
    bool hadCustom[kAreaCount];  // whether the area had a custom field at all
    // Custom fields behind an area's first, encoded as read, in order: a
    // run of bytes.
    int moreCustomAt[kAreaCount];
    int moreCustomBytes[kAreaCount];
};

// How a type/length field is written back: with the type bits it was read
// with, and from its bytes as read where fru.txt cannot carry them (a zero
// byte, a newline, or a single character korrel would store otherwise),
// unless the edit sets it.
struct FieldForm {
    uint8_t type;
    bool raw;
    int rawAt;  // byte offset in the record read
    int rawLength;
};

// The 18 values, bare (no newline), as read and then as edited.
struct FruValues {
    char text[kFieldCount][kValueSlot];
    FieldForm form[kLengthCount];  // in field order with the date left out
    // ONLY_BSN: every field but the board serial number emptied, custom
    // fields behind the first dropped, and a fixed manufacturing date stored.
    bool onlyBsn;
};

// The new record: its bytes, its last block, where its regions lie.
struct FruImage {
    uint8_t bytes[kImageSize];
    int lastBlock;
    FruLayout layout;
};

// Until the record is read, it is taken to be as korrel would write it:
// no internal use area (the fixed block), chassis, board and product areas
// in that order with one custom field each, chassis type and languages as
// korrel's own, every field 8-bit text, and the manufacturing date 000000,
// unspecified, which a board area korrel adds gets.
void resetRecord(FruRecord &record, FruValues &values);

// Whether a field of this type is 16-bit Unicode text in the area: 11b text
// in a board or product area whose language is not English.
bool isUnicodeText(const FruRecord &record, Area area, uint8_t type);

// The value's bytes as the encoder stores them.
inline const uint8_t *valueBytes(const FruValues &values, int field)
{
    return reinterpret_cast<const uint8_t *>(values.text[field]);
}

// Checks the header in block 0 and orders the regions it names; then, as
// blocks are read, how many the record needs: more than have been read
// means read on, and the device's size must be known before a multirecord
// area is followed.  Where the internal use and multirecord areas lie is
// noted on the way.  Problem set when the record cannot be kept.
Problem takeHeader(FruRecord &record);
int blocksNeeded(FruRecord &record, Problem &why);

// Once the whole record is read: decodes its info areas into values and
// notes where the custom fields behind the first lie.
Problem decodeFruRecord(FruRecord &record, FruValues &values);

// Empties the values for fru.txt to fill them again, and the new record.
void startFruImage(FruValues &values, FruImage &image);

// Encodes the new record from the values and what the read kept; a record
// read without an internal use area gets korrel's fixed block unless
// fixedBlock is false.  Encodes from scratch, so it can be asked again.
Problem encodeFruRecord(const FruRecord &record, const FruValues &values, FruImage &image,
                        bool fixedBlock = true);

}  // namespace korrel
