// Hex text and checksum primitives: every byte that crosses to or from the
// BMC travels as two hex digits, and every FRU area is closed by a zero
// checksum.  These are the only conversions and sums in the program.
#pragma once

#include <cstdint>

namespace korrel {

constexpr int kHexTextSize = 3;  // two digits and a NUL

int byte2str(int value, char *out);
int str2byte(const char *text, uint8_t *out);
int DTstr2byte(const char *text, uint8_t *out);

// The sum of count bytes, not reduced.
int byteSum(const uint8_t *bytes, int count);

// True when count bytes sum to zero modulo 256, as a region closed by its
// checksum byte does.
bool sumsToZero(const uint8_t *bytes, int count);

// The byte that makes a region whose other bytes sum to sum add up to zero
// modulo 256.
uint8_t checksumByte(int sum);

// True when text starts with two hex digits of either case.
bool isHexPair(const char *text);

// The offset LSB and MSB texts of a FRU byte offset; offsets up to 255 carry
// the MSB text "00".
void offsetText(int offset, char *lsb, char *msb);

}  // namespace korrel
