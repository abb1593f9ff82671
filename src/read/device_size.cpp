#include <cstring>

#include "console.h"
#include "hex.h"
#include "read.h"

namespace korrel {

namespace {

// Get FRU Inventory Area Info.
constexpr const char *kSizeRequest = "ipmitool raw 0x0A 0x10 0x00\n";
// ipmitool prints the answer as " LL MM AA\n": the size in bytes, least
// significant byte first, then the access byte.
constexpr int kSizeAnswerLength = 10;
constexpr int kSizePairs = 3;
constexpr int kAccessPair = 2;
// Access byte bit 0: the device is addressed in 16-bit words, so every
// offset and count korrel sends, all in bytes, would be wrong.
constexpr uint8_t kWordAccess = 0x01;

// A word-access answer is sound: asking again would not change it.
bool sizeAnswerIsSound(const char *line)
{
    return parseSizeAnswer(line).answer != SizeAnswer::unsound;
}

}  // namespace

DeviceSize askDeviceSize(RunState &st)
{
    char *line = st.response;
    if (!requestUntilSound(kSizeRequest, line, sizeof st.response, sizeAnswerIsSound))
        return DeviceSize{SizeAnswer::unsound, 0};
    return parseSizeAnswer(line);
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

bool deviceHoldsImage(RunState &st)
{
    int blocks = st.block + 1;
    if (blocks <= st.keep.blocksRead)
        return true;
    // A record with a multirecord area had the device's size asked before
    // its chain was read.
    DeviceSize size = {SizeAnswer::bytes, st.keep.deviceSize};
    if (st.keep.deviceSize < 0)
        size = askDeviceSize(st);
    if (size.answer == SizeAnswer::bytes && size.bytes >= blocks * kBlockSize)
        return true;
    putLine(size.answer == SizeAnswer::wordAccess ? msg::kWordAccess : msg::kDeviceTooSmall);
    return false;
}

}  // namespace korrel
