#include "runstate.h"

namespace korrel {

int g_only_BSN = 0;

void resetKeep(FruKeep &keep)
{
    keep = FruKeep{};
    for (int a = 0; a < 3; ++a)
        keep.areaCode[a] = kAreas[a].defaultCode;
    for (uint8_t &type : keep.type)
        type = kText;
}

}  // namespace korrel
