// An independent reading of a FRU record in the layout korrel writes:
// common header, one internal use block, then the chassis, board and
// product areas back to back, each with all its fields and one custom field.
// It shares no code with korrel, and it is plain C-like code so that the
// fuzzers can use it too.
#pragma once

#include <cstddef>
#include <cstdint>

namespace check {

constexpr int kTypeLengthFields = 17;

struct Field {
    const uint8_t *bytes;
    int length;
};

struct Image {
    int chassis, board, product;  // area offsets in blocks
    int lastBlock;                // the product area's last block
    uint8_t date[3];              // as the board area stores it, LSB first
    Field fields[kTypeLengthFields];  // in record order: CPN .. CPI
};

// Fills out and returns nullptr when every checksum, area length, offset,
// type/length byte, end marker and pad byte agrees with the bytes;
// otherwise returns what is wrong.
const char *readImage(const uint8_t *record, size_t size, Image *out);

}  // namespace check
