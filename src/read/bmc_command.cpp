#include <cstdio>

#include "read.h"

namespace korrel {

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

}  // namespace korrel
