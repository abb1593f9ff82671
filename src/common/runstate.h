// The state of one run.  main owns a single zeroed instance for the life of
// the process and hands it to each phase; no phase keeps state of its own.
#pragma once

#include <sys/types.h>

#include <cstdint>

#include "fields.h"

namespace korrel {

constexpr int kBlockSize = 8;         // FRU offsets and lengths count 8-byte blocks
// The read and the image cover the same 4 KiB, so that every record korrel
// writes it can read and edit again.  The header addresses areas up to
// block 255; only a multirecord area runs on beyond that.
constexpr int kImageBlocks = 512;
constexpr int kImageSize = kImageBlocks * kBlockSize;
constexpr int kReadBlocks = kImageBlocks;
constexpr int kMaxOffset = 255;       // a header offset is one byte
constexpr int kAreaStreamSize = 256;
constexpr int kCommandSize = 255;
constexpr int kResponseSize = 255;
constexpr int kTextLineSize = 254;

// Area offsets in blocks, as the common header gives them; 0 for none.
struct FruLayout {
    int internalUse;
    int chassis;
    int board;
    int product;
    int multiRecord;
};

// The encoder's field lengths: the length of each type/length field's
// stored text, in field order with the date left out.
struct FruReadState {
    uint8_t length[kLengthCount];
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

// What the rewrite carries over from the record read besides the values,
// so that a record korrel did not lay out comes back as it was read.  The
// image's reset leaves it alone.
struct FruKeep {
    // The old record's bytes as read, blocks 0 to blocksRead - 1.
    uint8_t record[kReadBlocks * kBlockSize];
    int blocksRead;  // the old record's extent, known to exist on the device
    int deviceSize;  // in bytes, once asked; -1 before
    Region order[kRegionCount];
    int regions;
    // What the rewrite carries over unedited is found in record, not copied
    // out of it.  The internal use area: its blocks from internalUseAt (a
    // byte offset in record) on; none means the new record gets korrel's
    // fixed block.
    int internalUseAt;
    int internalUseBlocks;
    // The multirecord area, records and all; its records hold no offsets,
    // so it moves unchanged.
    int multiRecordStart;  // byte offset in record
    int multiRecordBytes;
    // Data byte 2 of each info area: chassis type, board and product
    // language codes, in area order.
    uint8_t areaCode[3];
    // The type bits of each type/length field's byte, in field order with
    // the date left out.
    uint8_t type[kLengthCount];
    // Fields whose bytes fru.txt cannot carry (a zero byte, a newline) are
    // written back from their bytes in record unless the edit sets them.
    bool keepRaw[kLengthCount];
    int rawAt[kLengthCount];
    uint8_t rawLength[kLengthCount];
    // Custom fields behind an area's first, encoded as read, in order: a
    // run of bytes in record.
    int moreCustomAt[3];
    int moreCustomBytes[3];
    bool hadCustom[3];  // whether the area had a custom field at all
};

// A scratch file as korrel created it, so that a file swapped in under its
// name later is noticed.
struct FileId {
    dev_t dev;
    ino_t ino;
};

struct RunState {
    FruLayout layout;
    FruReadState rd;
    FruKeep keep;
    FileId textFile;
    FileId scriptFile;
    FileId outputFile;
    char fruvalue[kFieldCount][kValueSlot];
    uint8_t mfgDate[3];
    uint8_t fruimage[kImageSize];
    int block;  // current block index of the image
    uint8_t areastream[kAreaStreamSize];
    int streamCount;
    char command[kCommandSize];
    char response[kResponseSize];
    char lsb[3];
    char msb[3];
    char textLine[kTextLineSize];
    char byteText[kBlockSize][3];
};

// Until the record is read, it is taken to be as korrel would write it:
// no internal use area (the fixed block), chassis, board and product areas
// in that order with one custom field each, chassis type and languages as
// korrel's own, every field 8-bit text.
void resetKeep(FruKeep &keep);

// Set by the ONLY_BSN command; read by the encoder and the script writer.
extern int g_only_BSN;

}  // namespace korrel
