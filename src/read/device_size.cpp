#include "console.h"
#include "hex.h"
#include "read.h"

namespace korrel {

namespace {

// Get FRU Inventory Area Info; ipmitool prints its answer as " LL MM AA":
// the device's size in bytes, least significant byte first, then the
// access byte.
constexpr const char *kSizeRequest = "ipmitool raw 0x0A 0x10 0x00\n";
constexpr int kSizeLsbPos = 1;
constexpr int kSizeMsbPos = 4;

// The line is cleared and longer than the answer: a short one fails here.
bool sizeAnswerIsSound(const char *line)
{
    return line[0] == ' ' && line[kSizeMsbPos - 1] == ' ' && isHexPair(line + kSizeLsbPos) &&
           isHexPair(line + kSizeMsbPos);
}

}  // namespace

long askDeviceSize(RunState &st)
{
    char *line = st.response;
    if (!requestUntilSound(kSizeRequest, line, sizeof st.response, sizeAnswerIsSound))
        return -1;
    uint8_t lsb, msb;
    str2byte(line + kSizeLsbPos, &lsb);
    str2byte(line + kSizeMsbPos, &msb);
    return lsb + 256 * msb;
}

bool deviceHoldsImage(RunState &st)
{
    int blocks = st.block + 1;
    if (blocks <= st.keep.blocksRead)
        return true;
    // A record with a multirecord area had the device's size asked before
    // its chain was read.
    if (st.keep.deviceSize < 0)
        st.keep.deviceSize = askDeviceSize(st);
    if (st.keep.deviceSize >= blocks * kBlockSize)
        return true;
    putLine(msg::kDeviceTooSmall);
    return false;
}

}  // namespace korrel
