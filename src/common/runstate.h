// The state of one run.  main owns a single zeroed instance for the life of
// the process and hands it to each phase; no phase keeps state of its own.
#pragma once

#include <sys/types.h>

#include <cstdint>

#include "fields.h"

namespace korrel {

constexpr int kBlockSize = 8;         // FRU offsets and lengths count 8-byte blocks
constexpr int kImageBlocks = 150;
constexpr int kImageSize = kImageBlocks * kBlockSize;
constexpr int kAreaStreamSize = 256;
constexpr int kCommandSize = 255;
constexpr int kResponseSize = 255;
constexpr int kTextLineSize = 254;
constexpr int kReadBlocks = 64;    // the read covers the first 512 bytes of the device

// Area offsets in blocks, as the common header gives them.
struct FruLayout {
    int internalUse;
    int chassis;
    int board;
    int product;
    int multiRecord;
};

// The decoder's progress between blocks.
struct FruReadState {
    // Bytes of each type/length field still to copy while decoding; the
    // encoder reuses the same counters for the stored-text lengths.
    uint8_t length[kLengthCount];
    uint8_t fill[kLengthCount];
    uint8_t taken[kFieldCount];
    uint8_t finished;
    int cursor;  // next data byte of the current block; 8 when it is done
};

// What the rewrite carries over from the record read besides the values,
// so that a record korrel did not lay out comes back as it was read.  The
// image's reset leaves it alone.
struct FruKeep {
    // The internal use area's blocks, which lie before the first info area;
    // none means the new record gets korrel's fixed block.
    uint8_t internalUse[(kReadBlocks - 1) * kBlockSize];
    int internalUseBlocks;
    // Data byte 2 of each info area: chassis type, board and product
    // language codes, in area order.
    uint8_t areaCode[3];
    // The type bits of each type/length field's byte, in field order with
    // the date left out.
    uint8_t type[kLengthCount];
    int blocksRead;  // the old record's extent, known to exist on the device
    // The old record's blocks as read: what a write the BMC keeps refusing
    // is undone with.
    uint8_t record[kReadBlocks * kBlockSize];
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
    uint8_t block;  // current block index of the image
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
// no internal use area, chassis type and languages as korrel's own, every
// field 8-bit text.
void resetKeep(FruKeep &keep);

// Set by the ONLY_BSN command; read by the encoder and the script writer.
extern int g_only_BSN;

}  // namespace korrel
