#include <cstdio>
#include <cstring>

#include "console.h"
#include "hex.h"
#include "read.h"

namespace korrel {

namespace {

constexpr const char *kReadRequest = "ipmitool raw 0x0A 0x11 0x00";

// Block 0 is the common header; data bytes 1 to 4 give the area offsets.
void takeHeader(const char *response, FruLayout &layout)
{
    int *offsets[] = {&layout.internalUse, &layout.chassis, &layout.board,
                      &layout.product};
    for (int i = 0; i < 4; ++i) {
        uint8_t b;
        str2byte(response + dataPos(i + 1), &b);
        *offsets[i] = b;
    }
}

bool requestBlock(RunState &st, int block)
{
    std::memset(st.response, 0, sizeof st.response);
    std::memset(st.command, 0, sizeof st.command);
    std::memset(st.lsb, 0, sizeof st.lsb);
    std::memset(st.msb, 0, sizeof st.msb);
    offsetText(block * kBlockSize, st.lsb, st.msb);
    int n = std::snprintf(st.command, sizeof st.command, "%s 0x%s 0x%s 0x08\n",
                          kReadRequest, st.lsb, st.msb);
    if (n < 0 || n >= static_cast<int>(sizeof st.command))
        return false;
    return runReadCommand(st.command, st.response, sizeof st.response) &&
           responseIsSound(st.response);
}

}  // namespace

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

bool readFruFromBmc(RunState &st)
{
    putText(msg::kReadFru);
    st.layout = FruLayout{};
    std::memset(st.fruvalue, 0, sizeof st.fruvalue);
    for (int block = 0; block < kReadBlocks; ++block) {
        if (st.rd.finished) {
            putDone();
            return true;
        }
        if (!requestBlock(st, block)) {
            putText(msg::kReadFailed);
            return false;
        }
        if (block == 0) {
            takeHeader(st.response, st.layout);
            if (!headerIsSound(st.layout)) {
                putLine(msg::kBadHeader);
                return false;
            }
            continue;
        }
        // A non-zero internal use offset means block 1 is the internal use
        // area; it must read well but holds nothing korrel edits.
        if (block == 1 && st.layout.internalUse != 0)
            continue;
        st.rd.cursor = 0;
        if (!decodeFruBlock(st, block, st.response))
            return false;
    }
    // The bound was reached: a product area that ended in the last block is
    // whole; any other record was cut off and must not be rewritten.
    if (!st.rd.finished) {
        putLine(areaDef(Area::product).noEndMessage);
        return false;
    }
    return true;
}

}  // namespace korrel
