#include "pipeline.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>

#include "read.h"
#include "write.h"

namespace {

const uint8_t *gDevice;
size_t gSize, gAt;

int sum(const uint8_t *bytes, size_t n)
{
    return std::accumulate(bytes, bytes + n, 0) & 0xFF;
}

}  // namespace

bool korrel::runReadCommand(const char *, char *response, int size)
{
    const char *format = gAt / kBlockSize % 2 == 0 ? " %02x" : " %02X";
    if (gAt + kBlockSize <= gSize) {
        int n = std::snprintf(response, size, format, kBlockSize);
        for (int k = 0; k < kBlockSize; ++k)
            n += std::snprintf(response + n, size - n, format, gDevice[gAt++]);
        return true;
    }
    // The first line of what is left, as fgets takes it.
    for (int n = 0; gAt < gSize && n < size - 1; ++n)
        if ((response[n] = static_cast<char>(gDevice[gAt++])) == '\n')
            break;
    return true;
}

void korrel::pauseBeforeRetry() {}

namespace pipeline {

using namespace korrel;

void require(const char *problem)
{
    if (problem == nullptr)
        return;
    std::fprintf(stderr, "property broken: %s\n", problem);
    std::abort();
}

bool read(RunState &st, const uint8_t *device, size_t size)
{
    gDevice = device, gSize = size, gAt = 0, g_only_BSN = 0;
    return readFruFromBmc(st);
}

int valueBytes(const RunState &st, int field, int *chars)
{
    size_t length = std::strlen(st.fruvalue[field]);
    *chars = length > 0 ? static_cast<int>(length) - 1 : 0;
    return st.keep.type[lengthIndex(field)] == kText && *chars == 1 ? 2 : *chars;
}

// Read apart from korrel's decoder: the header, the internal use area kept
// (or the fixed block), then the three areas back to back, each a whole
// number of blocks with every field, the end marker, zero padding and a
// zero checksum.
const char *imageHolds(const RunState &st)
{
    const uint8_t *b = st.fruimage;
    int kept = st.keep.internalUseBlocks;
    size_t next = kBlockSize * (1 + (kept > 0 ? kept : 1));
    if (b[0] != 1 || b[1] != 1 || b[5] != 0 || b[6] != 0 || sum(b, kBlockSize) != 0 ||
        std::memcmp(b + kBlockSize, st.keep.internalUse, kept * kBlockSize) != 0)
        return "common header or internal use area";
    for (int a = 0; a < 3; ++a) {
        size_t at = kBlockSize * b[2 + a], end = at + kBlockSize * b[at + 1], p = at + (a == 1 ? 6 : 3);
        if (at != next || b[at] != 1 || end == at || end > sizeof st.fruimage || sum(b + at, end - at) != 0)
            return "area offset, version, length or checksum";
        if (b[at + 2] != st.keep.areaCode[a])
            return "chassis type or language";
        // Only a date of six hex digits is one korrel reads.
        const char *date = st.fruvalue[kDateField];
        unsigned minutes = 0;
        if (a == 1 && !g_only_BSN && std::strspn(date, "0123456789abcdefABCDEF") >= 6 &&
            std::sscanf(date, "%6x", &minutes) == 1 && (b[at + 3] | b[at + 4] << 8 | b[at + 5] << 16) != int(minutes))
            return "date";
        for (int f = 0; f < kFieldCount; ++f) {
            if (f == kDateField || static_cast<int>(kFields[f].area) != a)
                continue;
            const char *text = st.fruvalue[f];
            int chars, padded = valueBytes(st, f, &chars);
            if (b[p] != (st.keep.type[lengthIndex(f)] | padded) || std::memcmp(b + p + 1, text, chars) != 0 || (padded > chars && b[p + 2] != 0))
                return "a field's type, length or bytes";
            if ((p += 1 + padded) >= end - 1)
                return "fields run past their area";
        }
        if (b[p] != 0xC1 || end - p - 2 >= kBlockSize)
            return "end marker or area length";
        while (++p < end - 1)
            if (b[p] != 0)
                return "padding";
        next = end;
    }
    return next == (st.block + 1u) * kBlockSize ? nullptr : "the image's last block";
}

const char *roundTrip(const RunState &st)
{
    static RunState built, again;
    built = st;
    startFruImage(built);
    for (int f = 0; f < kFieldCount; ++f)
        std::snprintf(built.fruvalue[f], kValueSlot, "%s\n", st.fruvalue[f]);
    if (!buildFruImage(built))
        return nullptr;
    if (const char *problem = imageHolds(built))
        return problem;
    // The read covers 64 blocks: a longer record is sound but not korrel's
    // to read again.
    if (built.block >= kReadBlocks)
        return nullptr;
    again = RunState{};
    if (!read(again, built.fruimage, (built.block + 1) * kBlockSize))
        return "the image built is refused when read";
    if (std::memcmp(again.fruvalue, st.fruvalue, sizeof st.fruvalue) != 0 ||
        std::memcmp(again.keep.type, st.keep.type, sizeof st.keep.type) != 0 ||
        std::memcmp(again.keep.areaCode, st.keep.areaCode, 3) != 0)
        return "values, types or codes read back";
    return nullptr;
}

}  // namespace pipeline
