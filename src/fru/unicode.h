// 16-bit Unicode text (UTF-16, least significant byte first), as an area
// whose language is not English holds its 11b text, and UTF-8, as the
// command line and fru.txt carry it.
#pragma once

#include <cstdint>

namespace korrel {

// Decodes as many whole characters of text as fit room bytes of UTF-8, up
// to the first that a line of fru.txt cannot carry (a NUL or a newline) or
// that is no character (a lone surrogate, an odd byte at the end); out gets
// a NUL behind them.  Returns the bytes of text taken: fewer than length
// when fru.txt cannot carry it all.
int utf16ToUtf8(const uint8_t *text, int length, char *out, int room);

// Encodes UTF-8 text into at most room bytes; returns their count, or -1
// when text is not valid UTF-8 or does not fit.
int utf8ToUtf16(const char *text, uint8_t *out, int room);

}  // namespace korrel
