#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "console.h"
#include "driver.h"
#include "files.h"
#include "statedir.h"
#include "wait_bound.h"

namespace korrel {

namespace {

// The lock lies in korrel's private state directory, so that no other user
// can plant it beforehand and hold it.  Each user's runs share the lock of
// that user's state directory: they do not wait for root's runs, nor root's
// for theirs, and runs with another KORREL_STATE_DIR (one per BMC edited
// over the LAN, say) do not wait for each other.
constexpr const char *kLockName = "korrel.lock";
// Long enough for a run on a slow BMC; a run stuck longer than this on its
// BMC needs a person, not a queue.
constexpr long kLockWaitMs = 60 * 1000;
// The lock file can be removed while a run waits for it (by root); the next
// run then locks a new one, and this run must try again.
constexpr int kLockAttempts = 3;

// The lock file, opened without following a link and without blocking on a
// FIFO: a regular file of the effective user's that no one else may open,
// since whoever can open it can hold it.  Closed on exec: only the shell
// that runs fru.sh is given it, to hold on until its last write even if
// korrel is killed meanwhile.
int openLockFile(const StateDir &state)
{
    int fd = openat(state.fd, kLockName, O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                    kPrivateFile);
    struct stat sb;
    if (fd >= 0 && fstat(fd, &sb) == 0 && S_ISREG(sb.st_mode) && sb.st_uid == geteuid() &&
        (sb.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return fd;
    if (fd >= 0)
        close(fd);
    return -1;
}

enum class LockWait { taken, timedOut, failed };

// The timer only interrupts the wait; the clock decides whether the bound
// has passed, so another signal that interrupts it changes nothing.
void onLockAlarm(int) {}

// Arms the timer for the time left until the deadline; false when none is.
bool armTimer(const timespec &deadline)
{
    const int ms = msLeft(deadline);
    if (ms == 0)
        return false;
    itimerval left = {{}, {ms / 1000, ms % 1000 * 1000}};
    return setitimer(ITIMER_REAL, &left, nullptr) == 0;
}

// Waits for the lock up to the bound.  SIGALRM is unblocked for the wait,
// whatever mask the caller passed on, so that the bound holds.
LockWait waitForLock(int fd)
{
    struct sigaction wake = {}, oldAction = {};
    wake.sa_handler = onLockAlarm;  // no SA_RESTART: flock returns EINTR
    sigemptyset(&wake.sa_mask);
    sigaction(SIGALRM, &wake, &oldAction);
    sigset_t alarmOnly, oldMask;
    sigemptyset(&alarmOnly);
    sigaddset(&alarmOnly, SIGALRM);
    sigprocmask(SIG_UNBLOCK, &alarmOnly, &oldMask);
    const timespec deadline = deadlineAfterMs(waitBoundMs(kLockWaitMs));
    // Woken early by another signal, the wait goes on for the time left.
    LockWait wait = LockWait::timedOut;
    while (armTimer(deadline)) {
        if (flock(fd, LOCK_EX) == 0) {
            wait = LockWait::taken;
            break;
        }
        if (errno != EINTR) {
            wait = LockWait::failed;
            break;
        }
    }
    const itimerval none = {};
    setitimer(ITIMER_REAL, &none, nullptr);
    sigprocmask(SIG_SETMASK, &oldMask, nullptr);
    sigaction(SIGALRM, &oldAction, nullptr);
    return wait;
}

// True when the lock's name still names the file locked.
bool stillNamed(const StateDir &state, int fd)
{
    struct stat named, locked;
    return fstatat(state.fd, kLockName, &named, AT_SYMLINK_NOFOLLOW) == 0 && fstat(fd, &locked) == 0 &&
           named.st_dev == locked.st_dev && named.st_ino == locked.st_ino;
}

}  // namespace

bool takeRunLock(const StateDir &state, int &lock)
{
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        int fd = openLockFile(state);
        if (fd < 0)
            break;
        LockWait wait = waitForLock(fd);
        if (wait == LockWait::timedOut) {
            putLine(msg::kLockBusy);
            return false;
        }
        // Held to the end of the run: the kernel releases it when korrel exits.
        if (wait == LockWait::taken && stillNamed(state, fd)) {
            lock = fd;
            return true;
        }
        close(fd);
        if (wait == LockWait::failed)
            break;
    }
    putLine(msg::kLockUnusable);
    return false;
}

}  // namespace korrel
