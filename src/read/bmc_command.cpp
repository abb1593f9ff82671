#include <cstdio>

#include "read.h"

namespace korrel {

bool runReadCommand(const char *command, char *response, int size)
{
    FILE *pipe = popen(command, "r");
    if (pipe == nullptr)
        return false;
    // Only the first line matters; the rest of the output and the exit
    // status are left to the response check.
    if (std::fgets(response, size, pipe) == nullptr)
        response[0] = '\0';
    pclose(pipe);
    return true;
}

}  // namespace korrel
