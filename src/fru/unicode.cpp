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
constexpr int kMaxUtf8 = 4;

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
    static const uint8_t kLead[] = {0x00, 0x00, 0xC0, 0xE0, 0xF0};
    int n = c < 0x80 ? 1 : c < 0x800 ? 2 : c < kSupplementary ? 3 : 4;
    for (int i = n - 1; i > 0; --i, c >>= 6)
        out[i] = static_cast<char>(0x80 | (c & 0x3F));
    out[0] = static_cast<char>(kLead[n] | c);
    return n;
}

// The character that starts text and its byte count n; false for a byte
// sequence that is no character in UTF-8 (a stray or missing continuation
// byte, an overlong form, a surrogate, past U+10FFFF).
bool takeUtf8(const uint8_t *text, uint32_t &c, int &n)
{
    static const uint32_t kLeast[] = {0, 0, 0x80, 0x800, kSupplementary};
    uint8_t lead = text[0];
    n = lead < 0x80 ? 1 : lead >= 0xC0 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
        : lead >= 0xF0 && lead < 0xF8 ? 4 : 0;
    if (n == 0)
        return false;
    c = n == 1 ? lead : lead & (0x7F >> n);
    for (int i = 1; i < n; ++i) {
        if ((text[i] & 0xC0) != 0x80)
            return false;
        c = c << 6 | (text[i] & 0x3F);
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
