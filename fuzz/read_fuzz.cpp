// The read phase fed arbitrary records.  The input is the FRU device: each
// read request is answered with the next eight bytes printed as ipmitool
// prints them; fewer than eight left over are answered as a raw line, so the
// response check meets arbitrary text too; after that comes no output.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "fuzz_checks.h"
#include "read.h"

namespace {

const uint8_t *gDevice;
size_t gSize;
int gRequests;

// Even blocks printed in lower case, odd ones in upper case, as BMCs differ.
void printBlock(const uint8_t *bytes, int block, char *response, int size)
{
    const char *format = block % 2 == 0 ? " %02x" : " %02X";
    int at = std::snprintf(response, size, format, korrel::kBlockSize);
    for (int k = 0; k < korrel::kBlockSize; ++k)
        at += std::snprintf(response + at, size - at, format, bytes[k]);
    std::snprintf(response + at, size - at, "\n");
}

}  // namespace

// Stands in for the one function that talks to ipmitool.
bool korrel::runReadCommand(const char *command, char *response, int size)
{
    int offset = gRequests * kBlockSize;
    char expected[64];
    std::snprintf(expected, sizeof expected, "ipmitool raw 0x0A 0x11 0x00 0x%02X 0x%02X 0x08\n",
                  offset & 0xFF, offset >> 8);
    fuzz::require(std::strcmp(command, expected) == 0, "blocks requested in order, in hex");
    fuzz::require(++gRequests <= kReadBlocks, "at most 64 reads");
    size_t at = static_cast<size_t>(offset);
    if (at + kBlockSize <= gSize) {
        printBlock(gDevice + at, offset / kBlockSize, response, size);
    } else {
        // The first line of the rest, as fgets takes it.
        for (int n = 0; at < gSize && n < size - 1; ++n)
            if ((response[n] = static_cast<char>(gDevice[at++])) == '\n')
                break;
    }
    return true;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::silenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static korrel::RunState st;
    std::memset(&st, 0, sizeof st);
    korrel::g_only_BSN = 0;
    gDevice = data;
    gSize = size;
    gRequests = 0;
    bool read = korrel::readFruFromBmc(st);
    // A type/length byte counts at most 63 bytes, and the slot keeps a zero
    // behind them; the date is six characters.
    fuzz::requireSlotsWithin(st, korrel::kMaxValue);
    for (int i = korrel::kDateTextLength; i < korrel::kValueSlot; ++i)
        fuzz::require(st.fruvalue[korrel::kDateField][i] == 0, "date of six characters");
    for (int i = 0; i < korrel::kLengthCount; ++i)
        fuzz::require(st.rd.fill[i] <= korrel::kMaxValue, "fill count within a value");
    if (read) {
        fuzz::require(st.rd.finished == 1, "a read that succeeds saw the product area end");
        fuzz::require(st.layout.board > 0 && st.layout.product > st.layout.board, "areas in order");
    }
    return 0;
}
