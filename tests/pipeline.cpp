#include "pipeline.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bmc.h"
#include "read.h"

namespace {

const uint8_t *gDevice;
size_t gSize, gAt;
int gReads;
pipeline::ReadFault gFault;

}  // namespace

bool korrel::runIpmitool(const char *command, char *line, int size)
{
    // The size request, as ipmitool prints its answer: size LSB, MSB, access.
    if (std::strncmp(command, "ipmitool raw 0x0A 0x10 ", 23) == 0)
        return std::snprintf(line, size, " %02x %02x 00\n", int(gSize & 0xFF), int(gSize >> 8 & 0xFF)) > 0;
    const int request = gReads++;
    if (request == gFault.at || (gFault.forGood && request > gFault.at))
        return gFault.line != nullptr && std::snprintf(line, size, "%s\n", gFault.line) >= 0;
    // A block is read where the request asks: the internal use area twice.
    unsigned lsb, msb;
    if (std::sscanf(command, "ipmitool raw 0x0A 0x11 %*x %x %x", &lsb, &msb) == 2)
        gAt = lsb + 256 * msb;
    const char *format = gAt / kBlockSize % 2 == 0 ? " %02x" : " %02X";
    if (gAt + kBlockSize <= gSize) {
        int n = std::snprintf(line, size, format, kBlockSize);
        for (int k = 0; k < kBlockSize; ++k)
            n += std::snprintf(line + n, size - n, format, gDevice[gAt++]);
        return true;
    }
    // The first line of what is left, as fgets takes it.
    for (int n = 0; gAt < gSize && n < size - 1; ++n)
        if ((line[n] = static_cast<char>(gDevice[gAt++])) == '\n')
            break;
    return true;
}

void korrel::pauseBeforeRetry() {}

namespace pipeline {

using namespace korrel;

namespace {

bool sameBytes(const FruRecord &a, int atA, const FruRecord &b, int atB, int count)
{
    return std::memcmp(a.bytes + atA, b.bytes + atB, count) == 0;
}

// The date comes back as its six hex digits in upper case; ONLY_BSN's as
// the fixed one.  A date text that is no hex number gives no date back.
bool sameDate(const FruValues &was, const char *back)
{
    if (was.onlyBsn)
        return std::strcmp(back, "B9E3BC") == 0;
    const char *date = was.text[kDateField];
    if (std::strspn(date, "0123456789abcdefABCDEF") < kDateTextLength)
        return true;
    for (int i = 0; i < kDateTextLength; ++i)
        if (std::toupper(static_cast<unsigned char>(date[i])) != back[i])
            return false;
    return true;
}

const char *sameFields(const Run &was, const Run &back)
{
    for (int f = 0; f < kFieldCount; ++f) {
        if (f == kDateField) {
            if (!sameDate(was.values, back.values.text[f]))
                return "the date read back";
            continue;
        }
        const FieldForm &a = was.values.form[lengthIndex(f)], &b = back.values.form[lengthIndex(f)];
        if (std::strcmp(was.values.text[f], back.values.text[f]) != 0 || a.type != b.type)
            return "a value or its type read back";
        if (a.raw && (a.rawLength != b.rawLength || !sameBytes(was.record, a.rawAt, back.record, b.rawAt, a.rawLength)))
            return "the bytes of a field kept as read";
    }
    return nullptr;
}

// The internal use, multirecord and custom fields behind the first, kept
// byte for byte; korrel's fixed block where there was no internal use area
// and the record holds more.
const char *sameKept(const Run &was, const Run &back)
{
    const FruRecord &a = was.record, &b = back.record;
    if (a.internalUseBlocks > 0 ? a.internalUseBlocks != b.internalUseBlocks ||
                                      !sameBytes(a, a.internalUseAt, b, b.internalUseAt, a.internalUseBlocks * kBlockSize)
                                : b.internalUseBlocks != (b.regions > 1 ? 1 : 0))
        return "the internal use area";
    if (a.multiRecordBytes != b.multiRecordBytes ||
        !sameBytes(a, a.multiRecordStart, b, b.multiRecordStart, a.multiRecordBytes))
        return "the multirecord area";
    for (int i = 0; i < kAreaCount; ++i) {
        if (a.areaCode[i] != b.areaCode[i])
            return "chassis type or language";
        int more = was.values.onlyBsn ? 0 : a.moreCustomBytes[i];
        if (more != b.moreCustomBytes[i] || !sameBytes(a, a.moreCustomAt[i], b, b.moreCustomAt[i], more))
            return "the custom fields kept";
    }
    return nullptr;
}

}  // namespace

void require(const char *problem)
{
    if (problem == nullptr)
        return;
    std::fprintf(stderr, "property broken: %s\n", problem);
    std::abort();
}

bool read(Run &run, const uint8_t *device, size_t size, ReadFault fault)
{
    gDevice = device, gSize = size, gAt = 0, gReads = 0, gFault = fault;
    return readFruFromBmc(0, run.record, run.values);
}

int readsSent()
{
    return gReads;
}

const char *roundTrip(const Run &run)
{
    static Run built, back;
    built = run;
    startFruImage(built.values, built.image);
    std::memcpy(built.values.text, run.values.text, sizeof run.values.text);  // as fru.txt gives them
    Problem problem = encodeFruRecord(built.record, built.values, built.image);
    if (problem.message != nullptr)
        return std::strcmp(problem.message, msg::kDataTooLong) == 0 ? nullptr : problem.message;
    back = Run{};
    if (!read(back, built.image.bytes, (built.image.lastBlock + 1u) * kBlockSize))
        return "the image built is refused when read";
    if (const char *differs = sameFields(run, back))
        return differs;
    return sameKept(run, back);
}

}  // namespace pipeline
