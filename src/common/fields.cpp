#include "fields.h"

#include <cstring>

namespace korrel {

const char fruname[kFieldCount][kLabelSlot] = {
    "Chassis Part Number:",
    "Chassis Serial Number:",
    "Custom Chassis Info:",
    "MFG Date Time:",
    "Board manufacturer:",
    "Board Product Name:",
    "Board Serial Number:",
    "Board Part Number:",
    "FRU File IDS:",
    "Custom MFG:",
    "Manufacturer Name:",
    "Product Name:",
    "Product Part Model Number:",
    "Product Version:",
    "Product Serial Number:",
    "Asset Tag:",
    "FRU File ID:",
    "Custom Product Info:",
};

int fieldByKey(const char *key)
{
    for (int i = 0; i < kFieldCount; ++i)
        if (kFields[i].key != nullptr && std::strcmp(kFields[i].key, key) == 0)
            return i;
    return -1;
}

}  // namespace korrel
