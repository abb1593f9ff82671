#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

#include "console.h"
#include "driver.h"
#include "files.h"
#include "wait_bound.h"

namespace korrel {

namespace {

// Root's lock lies where only root may create a file, so that no other user
// can plant it beforehand and hold it.  Another user's runs share a lock of
// that user's own in the sticky lock directory, since a lock that anyone
// may open anyone may hold; they do not wait for root's runs, nor root's for
// theirs.
constexpr const char *kRootLockDir = "/run";
constexpr const char *kRootLock = "/run/korrel.lock";
constexpr const char *kUserLockDir = "/run/lock";
constexpr int kLockPathSize = 64;
// Long enough for a run on a slow BMC; a run stuck longer than this on its
// BMC needs a person, not a queue.
constexpr long kLockWaitMs = 60 * 1000;
// The lock file can be removed while a run waits for it (by root); the next
// run then locks a new one, and this run must try again.
constexpr int kLockAttempts = 3;

volatile std::sig_atomic_t g_lockTimedOut = 0;

void onLockAlarm(int)
{
    g_lockTimedOut = 1;
}

// The lock file, opened without following a link and without blocking on a
// FIFO: a regular file of the effective user's that no one else may open,
// since whoever can open it can hold it.  Left open for children: the shell
// that runs fru.sh holds the lock on until its last write even if korrel is
// killed meanwhile.
int openLockFile(const char *dir, const char *path)
{
    if (dirTrust(dir) != DirTrust::safe)
        return -1;
    int fd = open(path, O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, kPrivateFile);
    struct stat sb;
    if (fd >= 0 && fstat(fd, &sb) == 0 && S_ISREG(sb.st_mode) && sb.st_uid == geteuid() &&
        (sb.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return fd;
    if (fd >= 0)
        close(fd);
    return -1;
}

enum class LockWait { taken, timedOut, failed };

// Waits for the lock up to the bound; the timer's alarm ends the wait with
// EINTR.
LockWait waitForLock(int fd)
{
    struct sigaction wake = {}, old = {};
    wake.sa_handler = onLockAlarm;  // no SA_RESTART
    sigemptyset(&wake.sa_mask);
    sigaction(SIGALRM, &wake, &old);
    const long ms = waitBoundMs(kLockWaitMs);
    itimerval bound = {{}, {ms / 1000, ms % 1000 * 1000}};
    setitimer(ITIMER_REAL, &bound, nullptr);
    int rc;
    do
        rc = flock(fd, LOCK_EX);
    while (rc != 0 && errno == EINTR && !g_lockTimedOut);
    bound = {};
    setitimer(ITIMER_REAL, &bound, nullptr);
    sigaction(SIGALRM, &old, nullptr);
    if (rc == 0)
        return LockWait::taken;
    return g_lockTimedOut ? LockWait::timedOut : LockWait::failed;
}

// True when path still names the file locked.
bool stillNamed(const char *path, int fd)
{
    struct stat named, locked;
    return lstat(path, &named) == 0 && fstat(fd, &locked) == 0 && named.st_dev == locked.st_dev &&
           named.st_ino == locked.st_ino;
}

// Locks path in dir; false after the message when the lock cannot be had.
bool lockFile(const char *dir, const char *path)
{
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        int fd = openLockFile(dir, path);
        if (fd < 0)
            break;
        LockWait wait = waitForLock(fd);
        if (wait == LockWait::timedOut) {
            putLine(msg::kLockBusy);
            return false;
        }
        // Held to the end of the run: the kernel releases it when korrel exits.
        if (wait == LockWait::taken && stillNamed(path, fd))
            return true;
        close(fd);
        if (wait == LockWait::failed)
            break;
    }
    putLine(msg::kLockUnusable);
    return false;
}

}  // namespace

bool takeRunLock()
{
    uid_t user = geteuid();
    if (user == 0)
        return lockFile(kRootLockDir, kRootLock);
    char path[kLockPathSize];
    int n = std::snprintf(path, sizeof path, "%s/korrel-%u.lock", kUserLockDir,
                          static_cast<unsigned>(user));
    if (n < 0 || n >= static_cast<int>(sizeof path)) {
        putLine(msg::kLockUnusable);
        return false;
    }
    return lockFile(kUserLockDir, path);
}

}  // namespace korrel
