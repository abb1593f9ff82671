#include "statedir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "console.h"

namespace korrel {

namespace {

constexpr const char *kStateDirVariable = "KORREL_STATE_DIR";
constexpr const char *kRootStateDir = "/var/lib/korrel";

// The path of the state directory; false when it does not fit, or is not
// absolute (a relative one would change with the working directory, and so
// lose a journal).  XDG_STATE_HOME counts only as an absolute path, as the
// XDG base directory rules say.
bool statePath(char *path)
{
    const char *named = std::getenv(kStateDirVariable);
    const char *xdg = std::getenv("XDG_STATE_HOME");
    const char *home = std::getenv("HOME");
    int n = -1;
    if (named != nullptr && named[0] != '\0')
        n = named[0] == '/' ? std::snprintf(path, kStatePathSize, "%s", named) : -1;
    else if (geteuid() == 0)
        n = std::snprintf(path, kStatePathSize, "%s", kRootStateDir);
    else if (xdg != nullptr && xdg[0] == '/')
        n = std::snprintf(path, kStatePathSize, "%s/korrel", xdg);
    else if (home != nullptr && home[0] == '/')
        n = std::snprintf(path, kStatePathSize, "%s/.local/state/korrel", home);
    return n > 0 && n < kStatePathSize;
}

// Makes every missing directory on the path, private; one that exists is
// left as it is and checked where it counts, at the end.
void makeDirs(char *path)
{
    for (char *slash = path + 1;; ++slash) {
        if (*slash != '/' && *slash != '\0')
            continue;
        char end = *slash;
        *slash = '\0';
        mkdir(path, kPrivateDir);
        *slash = end;
        if (end == '\0')
            return;
    }
}

// A directory of the user's or root's that neither group nor others may
// write to.  Checked on the directory opened, not on its name, which could
// change meanwhile.
bool isPrivateDir(int fd)
{
    struct stat sb;
    return fstat(fd, &sb) == 0 && S_ISDIR(sb.st_mode) && (sb.st_uid == geteuid() || sb.st_uid == 0) &&
           (sb.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

bool openStateDir(StateDir &state)
{
    state.fd = -1;
    if (!statePath(state.path)) {
        const char *named = std::getenv(kStateDirVariable);
        putFormat(msg::kStateDir, named != nullptr && named[0] != '\0' ? named : "~/.local/state/korrel");
        return false;
    }
    makeDirs(state.path);
    state.fd = open(state.path, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY);
    if (state.fd >= 0 && isPrivateDir(state.fd))
        return true;
    if (state.fd >= 0)
        close(state.fd);
    state.fd = -1;
    putFormat(msg::kStateDir, state.path);
    return false;
}

}  // namespace korrel
