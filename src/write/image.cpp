// The new image before it is written: encoded from the values, and checked
// against the device it is meant for.
#include "bmc.h"
#include "console.h"
#include "write.h"

namespace korrel {

bool buildFruImage(const FruRecord &record, const FruValues &values, FruImage &image)
{
    Problem problem = encodeFruRecord(record, values, image);
    if (problem.message == nullptr)
        return true;
    putProblem(problem);
    return false;
}

bool deviceHoldsImage(int device, const FruRecord &record, const FruImage &image)
{
    int blocks = image.lastBlock + 1;
    if (blocks <= record.blocks)
        return true;
    // A record with a multirecord area had the device's size asked before
    // its chain was read.
    DeviceSize size = {SizeAnswer::bytes, record.deviceSize};
    if (record.deviceSize < 0)
        size = askDeviceSize(device);
    if (size.answer == SizeAnswer::bytes && size.bytes >= blocks * kBlockSize)
        return true;
    putLine(size.answer == SizeAnswer::wordAccess ? msg::kWordAccess : msg::kDeviceTooSmall);
    return false;
}

}  // namespace korrel
