// 16-bit Unicode text, least significant byte first, as the FRU storage
// format holds it in an area whose language is not English, to and from
// the UTF-8 of the command line and fru.txt.
#include "unicode.h"

namespace korrel {

namespace {

constexpr uint32_t kHighSurrogates = 0xD800;
constexpr uint32_t kLowSurrogates = 0xDC00;
constexpr uint32_t kSurrogatesEnd = 0xE000;
constexpr uint32_t kSupplementary = 0x10000;  // the first character that takes two units
constexpr uint32_t kLastCharacter = 0x10FFFF;
constexpr int kUnitBits = 10;                  // of a character carried by a surrogate
constexpr uint32_t kUnitMask = 0x3FF;
// UTF-8: a lead byte, then continuation bytes 10xxxxxx of six bits each.
constexpr int kMaxUtf8 = 4;
constexpr uint8_t kContinuation = 0x80;
constexpr uint8_t kContinuationMask = 0xC0;
constexpr int kSixBits = 6;
constexpr uint32_t kSixBitMask = 0x3F;
// The first character that takes 2, 3 and 4 bytes.
constexpr uint32_t kLeast[] = {0, 0, 0x80, 0x800, kSupplementary};
// The lead byte's marker bits for 1 to 4 bytes.
constexpr uint8_t kLead[] = {0x00, 0x00, 0xC0, 0xE0, 0xF0};

bool inRange(uint32_t c, uint32_t first, uint32_t end)
{
    return c >= first && c < end;
}

uint32_t unitAt(const uint8_t *p)
{
    return p[0] | static_cast<uint32_t>(p[1]) << 8;
}

void putUnit(uint32_t unit, uint8_t *p)
{
    p[0] = static_cast<uint8_t>(unit & 0xFF);
    p[1] = static_cast<uint8_t>(unit >> 8);
}

// The character at text, of `units` units (1, or 2 for a surrogate pair);
// 0 when there is none, as for a lone surrogate or an odd byte at the end.
uint32_t takeUtf16(const uint8_t *text, int length, int &units)
{
    units = 1;
    if (length < 2)
        return 0;
    uint32_t c = unitAt(text);
    if (inRange(c, kLowSurrogates, kSurrogatesEnd))
        return 0;
    if (!inRange(c, kHighSurrogates, kLowSurrogates))
        return c;
    uint32_t low = length < 4 ? 0 : unitAt(text + 2);
    if (!inRange(low, kLowSurrogates, kSurrogatesEnd))
        return 0;
    units = 2;
    return kSupplementary + ((c - kHighSurrogates) << kUnitBits) + (low - kLowSurrogates);
}

// A character's UTF-8 bytes into out; their count.
int putUtf8(uint32_t c, char *out)
{
    int n = c < kLeast[2] ? 1 : c < kLeast[3] ? 2 : c < kLeast[4] ? 3 : 4;
    for (int i = n - 1; i > 0; --i, c >>= kSixBits)
        out[i] = static_cast<char>(kContinuation | (c & kSixBitMask));
    out[0] = static_cast<char>(kLead[n] | c);
    return n;
}

// The byte count of the UTF-8 sequence a lead byte begins; 0 for none.
int utf8Length(uint8_t lead)
{
    for (int n = kMaxUtf8; n > 1; --n)
        if ((lead & (kLead[n] | kLead[n] >> 1)) == kLead[n])
            return n;
    return lead < kContinuation ? 1 : 0;
}

// The character that starts text and its byte count n; false for a byte
// sequence that is no character in UTF-8 (a stray or missing continuation
// byte, an overlong form, a surrogate, past U+10FFFF).
bool takeUtf8(const uint8_t *text, uint32_t &c, int &n)
{
    n = utf8Length(text[0]);
    if (n == 0)
        return false;
    c = text[0] & ~(kLead[n] | kLead[n] >> 1);
    for (int i = 1; i < n; ++i) {
        if ((text[i] & kContinuationMask) != kContinuation)
            return false;
        c = c << kSixBits | (text[i] & kSixBitMask);
    }
    return c >= kLeast[n] && c <= kLastCharacter && !inRange(c, kHighSurrogates, kSurrogatesEnd);
}

}  // namespace

int utf16ToUtf8(const uint8_t *text, int length, char *out, int room)
{
    int taken = 0, written = 0;
    for (int units = 1;; taken += 2 * units) {
        uint32_t c = takeUtf16(text + taken, length - taken, units);
        char bytes[kMaxUtf8];
        int n = c == 0 || c == '\n' ? 0 : putUtf8(c, bytes);
        if (n == 0 || written + n > room)
            break;
        for (int i = 0; i < n; ++i)
            out[written++] = bytes[i];
    }
    out[written] = '\0';
    return taken;
}

int utf8ToUtf16(const char *text, uint8_t *out, int room)
{
    const uint8_t *p = reinterpret_cast<const uint8_t *>(text);
    int written = 0;
    for (int n = 0; *p != 0; p += n) {
        uint32_t c;
        if (!takeUtf8(p, c, n))
            return -1;
        int units = c < kSupplementary ? 1 : 2;
        if (written + 2 * units > room)
            return -1;
        if (units == 2) {
            putUnit(kHighSurrogates + ((c - kSupplementary) >> kUnitBits), out + written);
            c = kLowSurrogates + ((c - kSupplementary) & kUnitMask);
            written += 2;
        }
        putUnit(c, out + written);
        written += 2;
    }
    return written;
}

}  // namespace korrel
