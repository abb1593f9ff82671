// The new image before it is written: encoded from the values, and checked
// against the device it is meant for.
#include "bmc.h"
#include "console.h"
#include "write.h"

namespace korrel {

namespace {

// The blocks read are known to exist; past them the device's size decides,
// asked once (a record with a multirecord area had it asked by the read).
bool fits(int device, const FruRecord &record, const FruImage &image, DeviceSize &size)
{
    int blocks = image.lastBlock + 1;
    if (blocks <= record.blocks)
        return true;
    if (size.answer == SizeAnswer::bytes && size.bytes < 0)
        size = askDeviceSize(device);
    return size.answer == SizeAnswer::bytes && size.bytes >= blocks * kBlockSize;
}

}  // namespace

bool buildFruImage(const FruRecord &record, const FruValues &values, FruImage &image)
{
    Problem problem = encodeFruRecord(record, values, image);
    if (problem.message == nullptr)
        return true;
    putProblem(problem);
    return false;
}

bool deviceHoldsImage(int device, const FruRecord &record, const FruValues &values, FruImage &image)
{
    DeviceSize size = {SizeAnswer::bytes, record.deviceSize};
    if (fits(device, record, image, size))
        return true;
    // korrel's fixed internal use block is not worth a record that does not
    // fit: without it, the record is one block shorter.
    if (record.internalUseBlocks == 0 && size.answer == SizeAnswer::bytes &&
        encodeFruRecord(record, values, image, false).message == nullptr &&
        fits(device, record, image, size))
        return true;
    putLine(size.answer == SizeAnswer::wordAccess ? msg::kWordAccess : msg::kDeviceTooSmall);
    return false;
}

}  // namespace korrel
