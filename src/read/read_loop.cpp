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

// The internal use area is written back byte for byte and no checksum
// covers it, so its blocks are read twice.
Problem confirmInternalUse(int device, FruRecord &record)
{
    const int first = record.internalUseAt / kBlockSize;
    for (int block = first; block < first + record.internalUseBlocks; ++block) {
        Readback seen = rereadBlock(device, block, record.bytes + block * kBlockSize);
        if (seen != Readback::kept)
            return {seen == Readback::differs ? msg::kInternalUseMisread : msg::kReadFailed, nullptr};
    }
    return {};
}

}  // namespace

Problem readRecord(int device, FruRecord &record, FruValues &values)
{
    resetRecord(record, values);
    Problem why{};
    for (int block = 0, needed = 1; block < needed; ++block) {
        if (!readBlock(device, block, record.bytes + block * kBlockSize))
            return {block == 0 && device != kFruDevice ? msg::kNoFruDevice : msg::kReadFailed, nullptr};
        record.blocks = block + 1;
        if (block == 0)
            why = startRecord(device, record);
        if (why.message == nullptr)
            needed = blocksNeeded(record, why);
        if (why.message != nullptr)
            return why;
    }
    why = decodeFruRecord(record, values);
    return why.message == nullptr ? confirmInternalUse(device, record) : why;
}

// A device other than 0 that gives not even its header is taken for absent:
// a BMC answers an ID it has no device for with a completion code (CBh, or
// CCh as OpenIPMI's ipmi_sim does) that ipmitool shows only on its standard
// error.  Device 0, the one every BMC has, keeps the message it always had.
void putReadFailure(int device, const Problem &why)
{
    if (why.message == msg::kNoFruDevice)
        putFormat(why.message, device);
    else if (why.message == msg::kReadFailed)
        putText(why.message);
    else
        putProblem(why);
}

bool readFruFromBmc(int device, FruRecord &record, FruValues &values)
{
    putText(msg::kReadFru);
    Problem why = readRecord(device, record, values);
    if (why.message != nullptr) {
        putReadFailure(device, why);
        return false;
    }
    putDone();
    return true;
}

}  // namespace korrel
