#include "console.h"
#include "driver.h"

namespace korrel {

void printBanner()
{
    putLine(msg::kOwner);
    putLine(msg::kRule);
    putLine(msg::kVersion);
    putLine(msg::kRule);
}

}  // namespace korrel
