#include "record_check.h"

#include <cstring>

namespace check {

namespace {

constexpr int kAreaFields[3] = {3, 6, 8};

int sum(const uint8_t *bytes, size_t n)
{
    int s = 0;
    for (size_t i = 0; i < n; ++i)
        s += bytes[i];
    return s & 0xFF;
}

}  // namespace

const char *readRecord(const uint8_t *b, size_t size, Record *out)
{
    *out = Record{};
    // korrel puts the internal use area at block 1; the chassis area ends it.
    if (size < 16 || b[0] != 1 || b[1] != 1 || b[5] != 0 || b[6] != 0 || sum(b, 8) != 0)
        return "common header";
    out->offset[0] = 1;
    size_t next = 2;
    int f = 0;
    for (int a = 0; a < 3; ++a) {
        size_t at = 8 * (out->offset[a + 1] = b[a + 2]);
        if (at < 8 * next || (a > 0 && at != 8 * next) || at + 8 > size || b[at] != 1)
            return "area offset or version";
        size_t end = at + 8 * b[at + 1];
        if (b[at + 1] == 0 || end > size || sum(b + at, end - at) != 0)
            return "area length or checksum";
        out->code[a] = b[at + 2];
        size_t p = at + 3;
        if (a == 1) {
            std::memcpy(out->date, b + p, 3);
            p += 3;
        }
        for (int i = 0; i < kAreaFields[a]; ++i, ++f) {
            out->field[f] = Field{static_cast<uint8_t>(b[p] & 0xC0), b[p] & 0x3F, b + p + 1};
            p += 1 + out->field[f].length;
            if (p >= end - 1)
                return "fields run past the area";
        }
        if (b[p] != 0xC1 || end - p - 2 >= 8)
            return "end marker or area length";
        for (++p; p < end - 1; ++p)
            if (b[p] != 0)
                return "padding";
        next = end / 8;
    }
    out->lastBlock = static_cast<int>(next) - 1;
    return nullptr;
}

}  // namespace check
