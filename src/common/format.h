// The FRU storage format as korrel reads and writes it: 8-byte blocks, the
// bounds of a record, and the bits of a type/length byte.
#pragma once

#include <cstdint>

namespace korrel {

constexpr int kBlockSize = 8;  // FRU offsets and lengths count 8-byte blocks
// The read and the image cover the same 4 KiB, so that every record korrel
// writes it can read and edit again.  The header addresses areas up to
// block 255; only a multirecord area runs on beyond that.
constexpr int kImageBlocks = 512;
constexpr int kImageSize = kImageBlocks * kBlockSize;
constexpr int kReadBlocks = kImageBlocks;
constexpr int kMaxOffset = 255;  // a header offset is one byte
constexpr int kMaxAreaBlocks = 255;  // an info area's length byte

constexpr uint8_t kFormatVersion = 0x01;  // of the common header and each info area

// A type/length byte keeps the field's length in its low six bits.  C1 (an
// 8-bit text of length 1 anywhere else) ends an area's fields.
constexpr uint8_t kLengthMask = 0x3F;
constexpr uint8_t kEndOfFields = 0xC1;
// The two type bits above the length: 11b is 8-bit text (ASCII + Latin 1, or
// 16-bit Unicode where the area's language is not English); 00b binary, 01b
// BCD plus and 10b 6-bit packed ASCII.  korrel writes what it edits as text.
constexpr uint8_t kTypeMask = 0xC0;
constexpr uint8_t kText = 0xC0;

// The language codes that mean English; any other makes an area's 11b text
// 16-bit Unicode, least significant byte first.
constexpr uint8_t kEnglish = 0;
constexpr uint8_t kEnglishToo = 25;

}  // namespace korrel
