#include <cerrno>
#include <cstdio>
#include <ctime>

#include "read.h"
#include "wait_bound.h"

namespace korrel {

namespace {

constexpr long kRetryPauseMs = 30;

}  // namespace

bool runReadCommand(const char *command, char *response, int size)
{
    FILE *pipe = popen(command, "r");
    if (pipe == nullptr)
        return false;
    // Only the first line matters; the rest of the output is read by no one.
    if (std::fgets(response, size, pipe) == nullptr)
        response[0] = '\0';
    // ipmitool exits non-zero when the BMC refused the request, whatever it
    // printed before.
    return pclose(pipe) == 0;
}

void pauseBeforeRetry()
{
    const long ms = waitBoundMs(kRetryPauseMs);
    timespec left = {ms / 1000, ms % 1000 * 1000 * 1000};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

}  // namespace korrel
