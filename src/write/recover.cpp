// When fru.sh stops short: korrel sends the rest of the record itself, and
// when the BMC keeps refusing, puts the old record back, so that a failed
// write does not leave a new header over half-written areas.
#include <cstring>

#include "read.h"
#include "write.h"

namespace korrel {

namespace {

bool writeIsConfirmed(const char *answer)
{
    return std::strcmp(answer, kWrittenLine) == 0;
}

bool sendBlock(RunState &st, const uint8_t *bytes, int block)
{
    return formatWriteLine(st, bytes, block) &&
           requestUntilSound(st.command, st.response, sizeof st.response, writeIsConfirmed);
}

bool blockHolds(RunState &st, const uint8_t *bytes, int block)
{
    if (!requestBlock(st, block))
        return false;
    for (int k = 0; k < kBlockSize; ++k)
        if (dataByte(st.response, k) != bytes[k])
            return false;
    return true;
}

}  // namespace

int finishWrites(RunState &st, int from)
{
    for (int block = from; block <= st.block; ++block)
        if (!sendBlock(st, st.fruimage + block * kBlockSize, block))
            return block;
    return st.block + 1;
}

// Blocks the old record did not reach held bytes korrel never read; they
// are left as they are, outside the old header's areas.  A block whose new
// bytes are the old ones needs no write, and a write refused may have
// changed nothing: the read-back decides.
bool restoreOldRecord(RunState &st, int last)
{
    for (int block = 0; block <= last && block < st.keep.blocksRead; ++block) {
        const uint8_t *old = st.keep.record + block * kBlockSize;
        if (std::memcmp(old, st.fruimage + block * kBlockSize, kBlockSize) != 0)
            sendBlock(st, old, block);
        if (!blockHolds(st, old, block))
            return false;
    }
    return true;
}

}  // namespace korrel
