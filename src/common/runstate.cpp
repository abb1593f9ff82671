#include "runstate.h"

namespace korrel {

int g_only_BSN = 0;

}  // namespace korrel
