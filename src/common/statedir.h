// korrel's own state, kept between runs: the run lock and the journal of a
// write in progress.  Both live in one directory that only its owner may
// write, so that no other user can plant a lock first and hold it, or a
// journal for the next run to act on.
#pragma once

#include <sys/types.h>

namespace korrel {

constexpr int kStatePathSize = 4096;

// The directory, opened, and its path for messages.
struct StateDir {
    int fd;  // O_DIRECTORY, closed on exec; -1 before it is opened
    char path[kStatePathSize];
};

constexpr mode_t kPrivateDir = 0700;

// Finds the state directory, makes it when missing (with any missing
// directory above it, each 0700) and opens it: KORREL_STATE_DIR when set;
// /var/lib/korrel for root, which survives a reboot as a journal must; for
// another user $XDG_STATE_HOME/korrel, by default ~/.local/state/korrel.
// It must belong to the user korrel runs as or to root, and neither its
// group nor others may write to it.  False after the message otherwise.
bool openStateDir(StateDir &state);

}  // namespace korrel
