// An independent reading of a FRU record as korrel writes it, sharing no
// code with korrel: the areas back to back behind the internal use area,
// every field present, every checksum, length and end marker as the bytes
// say.  Plain code, so that the fuzzers can use it too.
#pragma once

#include <cstddef>
#include <cstdint>

namespace check {

constexpr int kFields = 17;  // the type/length fields, CPN to CPI

struct Field {
    uint8_t type;  // the type bits of its type/length byte
    int length;
    const uint8_t *bytes;
};

struct Record {
    int offset[4];  // internal use, chassis, board, product, in blocks
    int lastBlock;  // the product area's last block
    uint8_t code[3];  // chassis type, board and product language codes
    uint8_t date[3];  // as the board area holds it, least significant first
    Field field[kFields];
};

// Fills out and returns nullptr when the record is sound; otherwise returns
// what is wrong with it.
const char *readRecord(const uint8_t *bytes, size_t size, Record *out);

}  // namespace check
