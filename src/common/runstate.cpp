#include "runstate.h"

namespace korrel {

int g_only_BSN = 0;

int &offsetOf(FruLayout &layout, Region region)
{
    int *offsets[] = {&layout.internalUse, &layout.chassis, &layout.board, &layout.product,
                      &layout.multiRecord};
    return *offsets[static_cast<int>(region)];
}

int offsetOf(const FruLayout &layout, Region region)
{
    return offsetOf(const_cast<FruLayout &>(layout), region);
}

void resetKeep(FruKeep &keep)
{
    keep = FruKeep{};
    keep.deviceSize = -1;
    constexpr Region kOwn[] = {Region::internalUse, Region::chassis, Region::board, Region::product};
    for (Region region : kOwn)
        keep.order[keep.regions++] = region;
    for (int a = 0; a < 3; ++a) {
        keep.areaCode[a] = kAreas[a].defaultCode;
        keep.hadCustom[a] = true;
    }
    for (uint8_t &type : keep.type)
        type = kText;
}

}  // namespace korrel
