#include "pipeline.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "read.h"
#include "record_check.h"
#include "write.h"

namespace {

const uint8_t *gDevice;
size_t gSize, gAt;

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

const char *imageHolds(const RunState &st)
{
    check::Record r;
    if (const char *problem = check::readRecord(st.fruimage, (st.block + 1) * kBlockSize, &r))
        return problem;
    int kept = st.keep.internalUseBlocks;
    if (r.offset[1] != 1 + (kept > 0 ? kept : 1) ||
        std::memcmp(st.fruimage + kBlockSize, st.keep.internalUse, kept * kBlockSize) != 0)
        return "internal use area";
    if (std::memcmp(r.code, st.keep.areaCode, 3) != 0)
        return "chassis type or language";
    // Only a date of six hex digits is one korrel reads.
    const char *date = st.fruvalue[kDateField];
    unsigned minutes = 0;
    if (!g_only_BSN && std::strspn(date, "0123456789abcdefABCDEF") >= 6 && std::sscanf(date, "%6x", &minutes) == 1 &&
        (r.date[0] | r.date[1] << 8 | r.date[2] << 16) != static_cast<int>(minutes))
        return "date";
    for (int f = 0; f < kFieldCount; ++f) {
        if (f == kDateField)
            continue;
        int chars = std::strlen(st.fruvalue[f]) > 0 ? static_cast<int>(std::strlen(st.fruvalue[f])) - 1 : 0;
        uint8_t type = st.keep.type[lengthIndex(f)];
        int padded = type == kText && chars == 1 ? 2 : chars;  // one character of text gets a NUL behind it
        const check::Field &field = r.field[lengthIndex(f)];
        if (field.type != type || field.length != padded || std::memcmp(field.bytes, st.fruvalue[f], chars) != 0 ||
            (padded > chars && field.bytes[chars] != 0))
            return "a field's type or bytes";
    }
    return nullptr;
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
