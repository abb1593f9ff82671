#include "hex.h"

namespace korrel {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Lower case is accepted because ipmitool prints its bytes that way; any
// other character maps to a meaningless value, so callers that read from
// outside check with isHexPair first.
int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return c - 0x57;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ||
           (c >= 'a' && c <= 'f');
}

}  // namespace

int byte2str(int value, char *out)
{
    out[0] = kHexDigits[(value >> 4) & 0x0F];
    out[1] = kHexDigits[value & 0x0F];
    out[2] = '\0';
    return 0;
}

int str2byte(const char *text, uint8_t *out)
{
    // Multiplied, not shifted: a non-hex character's digit value is negative.
    *out = static_cast<uint8_t>(digitValue(text[0]) * 16 + digitValue(text[1]));
    return 0;
}

// The date text is most significant byte first, so out[0] is the high byte.
int DTstr2byte(const char *text, uint8_t *out)
{
    for (int i = 0; i < 3; ++i)
        str2byte(text + 2 * i, &out[i]);
    return 0;
}

int byteSum(const uint8_t *bytes, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += bytes[i];
    return sum;
}

bool sumsToZero(const uint8_t *bytes, int count)
{
    return (byteSum(bytes, count) & 0xFF) == 0;
}

uint8_t checksumByte(int sum)
{
    return static_cast<uint8_t>(0x100 - (sum & 0xFF));
}

bool isHexPair(const char *text)
{
    return isHexDigit(text[0]) && isHexDigit(text[1]);
}

void offsetText(int offset, char *lsb, char *msb)
{
    byte2str(offset & 0xFF, lsb);
    if (offset > 0xFF)
        byte2str((offset & 0xFF00) >> 8, msb);
    else
        byte2str(0, msb);
}

}  // namespace korrel
