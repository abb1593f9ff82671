#include <cerrno>
#include <cstdio>
#include <ctime>

#include "bmc.h"

namespace korrel {

namespace {

constexpr long kRetryPauseNs = 30L * 1000 * 1000;  // 30 ms

}  // namespace

bool runIpmitool(const char *command, char *line, int size)
{
    FILE *pipe = popen(command, "r");
    if (pipe == nullptr)
        return false;
    // Only the first line matters; the rest of the output is read by no one.
    if (std::fgets(line, size, pipe) == nullptr)
        line[0] = '\0';
    return pclose(pipe) == 0;
}

void pauseBeforeRetry()
{
    timespec left = {0, kRetryPauseNs};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

}  // namespace korrel
