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
int gReads;
pipeline::ReadFault gFault;

int sum(const uint8_t *bytes, size_t n)
{
    return std::accumulate(bytes, bytes + n, 0) & 0xFF;
}

}  // namespace

bool korrel::runReadCommand(const char *command, char *response, int size)
{
    // The size request, as ipmitool prints its answer: size LSB, MSB, access.
    if (std::strncmp(command, "ipmitool raw 0x0A 0x10 ", 23) == 0)
        return std::snprintf(response, size, " %02x %02x 00\n", int(gSize & 0xFF), int(gSize >> 8 & 0xFF)) > 0;
    const int request = gReads++;
    if (request == gFault.at || (gFault.forGood && request > gFault.at))
        return gFault.line != nullptr && std::snprintf(response, size, "%s\n", gFault.line) >= 0;
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

bool read(RunState &st, const uint8_t *device, size_t size, ReadFault fault)
{
    gDevice = device, gSize = size, gAt = 0, gReads = 0, gFault = fault, g_only_BSN = 0;
    return readFruFromBmc(st);
}

int readsSent()
{
    return gReads;
}

int valueBytes(const RunState &st, int field, int *chars)
{
    int li = lengthIndex(field);
    size_t length = std::strlen(st.fruvalue[field]);
    *chars = st.keep.keepRaw[li] ? st.keep.rawLength[li] : length > 0 ? static_cast<int>(length) - 1 : 0;
    return !st.keep.keepRaw[li] && st.keep.type[li] == kText && *chars == 1 ? 2 : *chars;
}

namespace {

// One field at p: the type it was read with, its length and its bytes.
bool fieldHolds(const RunState &st, int f, const uint8_t *p)
{
    int chars, stored = valueBytes(st, f, &chars);
    const char *bytes = st.keep.keepRaw[lengthIndex(f)]
                            ? reinterpret_cast<const char *>(st.keep.record + st.keep.rawAt[lengthIndex(f)])
                            : st.fruvalue[f];
    return p[0] == (st.keep.type[lengthIndex(f)] | stored) && std::memcmp(p + 1, bytes, chars) == 0 &&
           (stored == chars || p[2] == 0);
}

// An info area at byte at: version, length, code, date, every field, the
// custom fields kept, the end marker, zero padding and a zero checksum.
const char *areaHolds(const RunState &st, int a, size_t &at)
{
    const uint8_t *b = st.fruimage;
    size_t end = at + kBlockSize * b[at + 1], p = at + (a == 1 ? 6 : 3);
    if (b[at] != 1 || end == at || end > sizeof st.fruimage || sum(b + at, end - at) != 0)
        return "area version, length or checksum";
    if (b[at + 2] != st.keep.areaCode[a])
        return "chassis type or language";
    // Only a date of six hex digits is one korrel reads.
    const char *date = st.fruvalue[kDateField];
    unsigned minutes = 0;
    if (a == 1 && !g_only_BSN && std::strspn(date, "0123456789abcdefABCDEF") >= 6 &&
        std::sscanf(date, "%6x", &minutes) == 1 && (b[at + 3] | b[at + 4] << 8 | b[at + 5] << 16) != int(minutes))
        return "date";
    const AreaDef &area = kAreas[a];
    int last = area.firstField + area.fieldCount - 1;
    bool custom = st.keep.hadCustom[a] || std::strlen(st.fruvalue[last]) > 1;
    for (int f = area.firstField; f < last + custom; ++f) {
        int chars;
        if (!fieldHolds(st, f, b + p))
            return "a field's type, length or bytes";
        if ((p += 1 + valueBytes(st, f, &chars)) >= end - 1)
            return "fields run past their area";
    }
    int more = custom ? st.keep.moreCustomBytes[a] : 0;
    if (std::memcmp(b + p, st.keep.record + st.keep.moreCustomAt[a], more) != 0)
        return "the custom fields kept";
    p += more;
    if (b[p] != 0xC1 || end - p - 2 >= kBlockSize)
        return "end marker or area length";
    while (++p < end - 1)
        if (b[p] != 0)
            return "padding";
    at = end;
    return nullptr;
}

// The internal use area kept, or the fixed block; the multirecord area kept.
const char *keptHolds(const RunState &st, int r, size_t &at)
{
    const uint8_t *b = st.fruimage + at;
    size_t n = r == 0 ? kBlockSize * (st.keep.internalUseBlocks > 0 ? st.keep.internalUseBlocks : 1)
                      : st.keep.multiRecordBytes;
    const uint8_t *kept = st.keep.record + (r == 0 ? st.keep.internalUseAt : st.keep.multiRecordStart);
    if (r == 0 && st.keep.internalUseBlocks == 0 ? b[0] != 1 || sum(b, kBlockSize) != 0 : std::memcmp(b, kept, n) != 0)
        return "internal use or multirecord area";
    at += (n + kBlockSize - 1) / kBlockSize * kBlockSize;
    return nullptr;
}

}  // namespace

// Read apart from korrel's decoder: the header, then each region it names,
// in the order of their offsets and packed from block 1.
const char *imageHolds(const RunState &st)
{
    const uint8_t *b = st.fruimage;
    if (b[0] != 1 || b[6] != 0 || sum(b, kBlockSize) != 0)
        return "common header";
    size_t at = kBlockSize;
    for (int block = 1; block <= kMaxOffset; ++block)
        for (int r = 0; r < kRegionCount; ++r) {
            if (b[1 + r] != block)
                continue;
            if (at != kBlockSize * static_cast<size_t>(block))
                return "regions not packed behind each other";
            const char *problem = r == 0 || r == 4 ? keptHolds(st, r, at) : areaHolds(st, r - 1, at);
            if (problem != nullptr)
                return problem;
        }
    return at == (st.block + 1u) * kBlockSize ? nullptr : "the image's last block";
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
