#include "fields.h"

#include <cstring>

namespace korrel {

int fieldByKey(const char *key)
{
    for (int i = 0; i < kFieldCount; ++i)
        if (kFields[i].key != nullptr && std::strcmp(kFields[i].key, key) == 0)
            return i;
    return -1;
}

}  // namespace korrel
