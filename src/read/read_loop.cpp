#include <cstdio>
#include <cstring>

#include "console.h"
#include "hex.h"
#include "read.h"

namespace korrel {

namespace {

constexpr const char *kReadRequest = "ipmitool raw 0x0A 0x11 0x00";

// Block 0 is the common header; data bytes 1 to 5 give the area offsets.
void takeHeader(const char *response, FruLayout &layout)
{
    int *offsets[] = {&layout.internalUse, &layout.chassis, &layout.board,
                      &layout.product, &layout.multiRecord};
    for (int i = 0; i < 5; ++i)
        *offsets[i] = dataByte(response, i + 1);
}

int firstInfoArea(const FruLayout &layout)
{
    return layout.chassis != 0 ? layout.chassis : layout.board;
}

// Chassis (or none), board and product in ascending order behind the
// header, and an internal use area that shares a block with none of them.
bool headerIsSound(const FruLayout &l)
{
    if (l.product <= l.board || (l.chassis != 0 && l.chassis >= l.board))
        return false;
    return l.internalUse == 0 ||
           (l.internalUse != l.chassis && l.internalUse != l.board && l.internalUse != l.product);
}

// The message for a header whose record korrel cannot rewrite whole, or
// nullptr.  A multirecord area lies behind the product area, which the read
// never fetches, and only the blocks before the first info area are read
// whole, so neither could be written back.
const char *headerRefusal(const FruLayout &layout)
{
    if (layout.board == 0 && layout.product == 0)  // a blank device reads as zeros
        return msg::kBadHeader;
    if (layout.board == 0)
        return msg::kNoBoard;
    if (layout.product == 0)
        return msg::kNoProduct;
    if (!headerIsSound(layout))
        return msg::kBadHeader;
    if (layout.multiRecord != 0)
        return msg::kMultiRecord;
    if (layout.internalUse > firstInfoArea(layout))
        return msg::kInternalUse;
    return nullptr;
}

bool inInternalUse(const FruLayout &layout, int block)
{
    return layout.internalUse != 0 && layout.internalUse <= block &&
           block < firstInfoArea(layout);
}

// The internal use area is written back byte for byte.
void keepInternalUse(RunState &st, int block)
{
    int at = (block - st.layout.internalUse) * kBlockSize;
    for (int k = 0; k < kBlockSize; ++k)
        st.keep.internalUse[at + k] = dataByte(st.response, k);
    st.keep.internalUseBlocks = block - st.layout.internalUse + 1;
}

// fru.txt carries a value as one line of text that ends at its first NUL:
// a newline, a NUL inside 8-bit text (16-bit Unicode, most likely) or a NUL
// in any other type would come back changed.  Zeros that only pad 8-bit
// text are dropped harmlessly.  Returns the first such field, or -1.
int fieldNotCarried(const RunState &st)
{
    for (int f = 0; f < kFieldCount; ++f) {
        if (f == kDateField)
            continue;
        const char *value = st.fruvalue[f];
        bool text = st.keep.type[lengthIndex(f)] == kText;
        bool padding = false;
        for (int i = 0; i < st.rd.fill[lengthIndex(f)]; ++i) {
            if (value[i] == '\n' || (value[i] == 0 && !text) || (value[i] != 0 && padding))
                return f;
            padding = padding || value[i] == 0;
        }
    }
    return -1;
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

// Once the product area's end is seen, every value must survive the trip
// through fru.txt.
bool finishRead(RunState &st, int blocks)
{
    st.keep.blocksRead = blocks;
    int field = fieldNotCarried(st);
    if (field >= 0)
        putFormat(msg::kValueNotKept, kFields[field].key);
    return field < 0;
}

bool readFruFromBmc(RunState &st)
{
    putText(msg::kReadFru);
    st.layout = FruLayout{};
    std::memset(st.fruvalue, 0, sizeof st.fruvalue);
    resetKeep(st.keep);
    for (int block = 0; block < kReadBlocks; ++block) {
        if (st.rd.finished) {
            if (!finishRead(st, block))
                return false;
            putDone();
            return true;
        }
        if (!requestBlock(st, block)) {
            putText(msg::kReadFailed);
            return false;
        }
        if (block == 0) {
            takeHeader(st.response, st.layout);
            const char *refusal = headerRefusal(st.layout);
            if (refusal != nullptr) {
                putLine(refusal);
                return false;
            }
            continue;
        }
        if (inInternalUse(st.layout, block)) {
            keepInternalUse(st, block);
            continue;
        }
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
    return finishRead(st, kReadBlocks);
}

}  // namespace korrel
