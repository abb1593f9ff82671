// The state of one run.  main owns a single zeroed instance for the life of
// the process and hands it to each phase; no phase keeps state of its own.
#pragma once

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

struct RunState {
    FruLayout layout;
    FruReadState rd;
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

// Set by the ONLY_BSN command; read by the encoder and the script writer.
extern int g_only_BSN;

}  // namespace korrel
