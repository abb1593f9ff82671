#include <cstdio>

#include "bmc.h"
#include "console.h"
#include "read.h"

namespace korrel {

namespace {

// The header, and before a multirecord area is followed, the device's
// size: the chain must not be read past the device's end.
Problem startRecord(int device, FruRecord &record)
{
    Problem problem = takeHeader(record);
    if (problem.message != nullptr || record.layout.multiRecord == 0)
        return problem;
    DeviceSize size = askDeviceSize(device);
    if (size.answer != SizeAnswer::bytes)
        return {size.answer == SizeAnswer::wordAccess ? msg::kWordAccess : msg::kDeviceTooSmall, nullptr};
    record.deviceSize = size.bytes;
    return {};
}

// A device other than 0 that gives not even its header is taken for absent:
// a BMC answers an ID it has no device for with a completion code (CBh, or
// CCh as OpenIPMI's ipmi_sim does) that ipmitool shows only on its standard
// error.  Device 0, the one every BMC has, keeps the message it always had.
void putReadFailure(int device, int block)
{
    char id[sizeof "254"];
    const int n = std::snprintf(id, sizeof id, "%d", device);
    if (block > 0 || device == kFruDevice || n < 0 || n >= static_cast<int>(sizeof id))
        putText(msg::kReadFailed);
    else
        putFormat(msg::kNoFruDevice, id);
}

}  // namespace

// Reads the record block by block, from the header on, as far as its areas
// reach, then decodes it; nothing past the record is read.  The bytes are
// kept as read: the rewrite copies what it does not edit from them, and a
// write the BMC keeps refusing is undone with them.
bool readFruFromBmc(int device, FruRecord &record, FruValues &values)
{
    putText(msg::kReadFru);
    resetRecord(record, values);
    Problem why{};
    for (int block = 0, needed = 1; block < needed; ++block) {
        if (!readBlock(device, block, record.bytes + block * kBlockSize)) {
            putReadFailure(device, block);
            return false;
        }
        record.blocks = block + 1;
        if (block == 0)
            why = startRecord(device, record);
        if (why.message == nullptr)
            needed = blocksNeeded(record, why);
        if (why.message != nullptr) {
            putProblem(why);
            return false;
        }
    }
    why = decodeFruRecord(record, values);
    if (why.message != nullptr) {
        putProblem(why);
        return false;
    }
    putDone();
    return true;
}

}  // namespace korrel
