#include <cstring>

#include "read.h"

namespace korrel {

namespace {

// The first try and four more, as firmware that reads FRU data from a BMC
// commonly allows: long enough for an EEPROM write to finish.
constexpr int kAttempts = 5;

}  // namespace

bool requestUntilSound(const char *command, char *response, int size,
                       bool (*isSound)(const char *response))
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0)
            pauseBeforeRetry();
        // A shorter answer must not be completed by the one before it.
        std::memset(response, 0, size);
        if (runReadCommand(command, response, size) && isSound(response))
            return true;
    }
    return false;
}

}  // namespace korrel
