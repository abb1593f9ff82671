#include <cstdio>
#include <cstring>

#include "bmc.h"
#include "hex.h"

namespace korrel {

namespace {

// IPMI's storage network function and its three FRU commands.
constexpr int kNetFnStorage = 0x0A;
constexpr int kGetFruInfo = 0x10;
constexpr int kReadFruData = 0x11;
constexpr int kWriteFruData = 0x12;

// The first try and four more, as firmware that reads FRU data from a BMC
// commonly allows: long enough for an EEPROM write to finish.
constexpr int kAttempts = 5;

// A read answer reads " 08 b0 b1 ... b7": the count at positions 1 and 2,
// data byte k at positions 3k+4 and 3k+5.
constexpr int kCountPos = 1;
constexpr int dataPos(int k)
{
    return 3 * k + 4;
}

// ipmitool prints the size answer as " LL MM AA\n": the size in bytes,
// least significant byte first, then the access byte.
constexpr int kSizeAnswerLength = 10;
constexpr int kSizePairs = 3;
constexpr int kAccessPair = 2;
// Access byte bit 0: the device is addressed in 16-bit words, so every
// offset and count korrel sends, all in bytes, would be wrong.
constexpr uint8_t kWordAccess = 0x01;

// A request is built by appending to its text; n is its length so far, or
// -1 once something did not fit.
void append(Request &out, int &n, const char *format, const char *text)
{
    if (n < 0)
        return;
    int added = std::snprintf(out.text + n, sizeof out.text - n, format, text);
    n = added < 0 || n + added >= kRequestSize ? -1 : n + added;
}

void appendByte(Request &out, int &n, int value)
{
    char hex[kHexTextSize];
    byte2str(value, hex);
    append(out, n, " 0x%s", hex);
}

// "ipmitool raw", the network function, the command and the device ID.
int begin(Request &out, int command, int device)
{
    std::memset(out.text, 0, sizeof out.text);
    int n = 0;
    append(out, n, "%s", "ipmitool raw");
    appendByte(out, n, kNetFnStorage);
    appendByte(out, n, command);
    appendByte(out, n, device);
    return n;
}

// The FRU offset of a block, least significant byte first.
void appendOffset(Request &out, int &n, int block)
{
    char lsb[kHexTextSize], msb[kHexTextSize];
    offsetText(block * kBlockSize, lsb, msb);
    append(out, n, " 0x%s", lsb);
    append(out, n, " 0x%s", msb);
}

bool finish(Request &out, int &n)
{
    append(out, n, "%s", "\n");
    return n >= 0;
}

bool readRequest(int device, int block, Request &out)
{
    int n = begin(out, kReadFruData, device);
    appendOffset(out, n, block);
    appendByte(out, n, kBlockSize);
    return finish(out, n);
}

bool sizeRequest(int device, Request &out)
{
    int n = begin(out, kGetFruInfo, device);
    return finish(out, n);
}

// Runs a request until isSound accepts its first line, five times at most
// with a pause between: a busy BMC or a lost LAN packet must not end an edit
// that would work a moment later.  Leaves the last line in answer.
bool requestUntilSound(const Request &request, char *answer, bool (*isSound)(const char *answer))
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0)
            pauseBeforeRetry();
        // A shorter answer must not be completed by the one before it.
        std::memset(answer, 0, kAnswerSize);
        if (runIpmitool(request.text, answer, kAnswerSize) && isSound(answer))
            return true;
    }
    return false;
}

bool writeIsConfirmed(const char *answer)
{
    return std::strcmp(answer, kWrittenLine) == 0;
}

// A word-access answer is sound: asking again would not change it.
bool sizeAnswerIsSound(const char *line)
{
    return parseSizeAnswer(line).answer != SizeAnswer::unsound;
}

}  // namespace

bool writeRequest(int device, int block, const uint8_t *bytes, Request &out)
{
    int n = begin(out, kWriteFruData, device);
    appendOffset(out, n, block);
    for (int k = 0; k < kBlockSize; ++k)
        appendByte(out, n, bytes[k]);
    return finish(out, n);
}

bool readBlock(int device, int block, uint8_t *bytes)
{
    Request request;
    char answer[kAnswerSize];
    if (!readRequest(device, block, request) || !requestUntilSound(request, answer, responseIsSound))
        return false;
    for (int k = 0; k < kBlockSize; ++k)
        str2byte(answer + dataPos(k), &bytes[k]);
    return true;
}

bool writeBlock(int device, int block, const uint8_t *bytes)
{
    Request request;
    char answer[kAnswerSize];
    return writeRequest(device, block, bytes, request) &&
           requestUntilSound(request, answer, writeIsConfirmed);
}

Readback rereadBlock(int device, int block, uint8_t *bytes)
{
    uint8_t seen[kAttempts][kBlockSize];
    std::memcpy(seen[0], bytes, kBlockSize);
    for (int n = 1; n < kAttempts; ++n) {
        if (n > 1)
            pauseBeforeRetry();
        if (!readBlock(device, block, seen[n]))
            return Readback::unreadable;
        for (int k = 0; k < n; ++k) {
            if (std::memcmp(seen[k], seen[n], kBlockSize) == 0) {
                std::memcpy(bytes, seen[n], kBlockSize);
                return Readback::kept;
            }
        }
    }
    return Readback::differs;
}

Readback readBack(int device, int block, const uint8_t *bytes)
{
    uint8_t read[kBlockSize];
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // A write refused five times leaves the block as it reads.
        if (attempt > 0) {
            pauseBeforeRetry();
            if (!writeBlock(device, block, bytes))
                return Readback::differs;
        }
        if (!readBlock(device, block, read))
            return Readback::unreadable;
        if (std::memcmp(read, bytes, kBlockSize) == 0)
            return Readback::kept;
    }
    return Readback::differs;
}

DeviceSize askDeviceSize(int device)
{
    Request request;
    char answer[kAnswerSize];
    if (!sizeRequest(device, request) || !requestUntilSound(request, answer, sizeAnswerIsSound))
        return DeviceSize{SizeAnswer::unsound, 0};
    return parseSizeAnswer(answer);
}

bool responseIsSound(const char *response)
{
    // A line that ends before its eighth byte must not be read past its end.
    const size_t needed = static_cast<size_t>(dataPos(kBlockSize - 1) + 2);
    if (std::memchr(response, '\0', needed) != nullptr)
        return false;
    if (response[kCountPos] != '0' || response[kCountPos + 1] != '8')
        return false;
    // A count of 08 in front of anything but eight hex bytes is no block.
    for (int k = 0; k < kBlockSize; ++k)
        if (!isHexPair(response + dataPos(k)))
            return false;
    return true;
}

DeviceSize parseSizeAnswer(const char *line)
{
    const DeviceSize unsound = {SizeAnswer::unsound, 0};
    if (std::strlen(line) != kSizeAnswerLength || line[kSizeAnswerLength - 1] != '\n')
        return unsound;
    uint8_t pair[kSizePairs];
    for (int i = 0; i < kSizePairs; ++i) {
        if (line[3 * i] != ' ' || !isHexPair(line + 3 * i + 1))
            return unsound;
        str2byte(line + 3 * i + 1, &pair[i]);
    }
    if ((pair[kAccessPair] & kWordAccess) != 0)
        return DeviceSize{SizeAnswer::wordAccess, 0};
    return DeviceSize{SizeAnswer::bytes, pair[0] + 256 * pair[1]};
}

}  // namespace korrel
