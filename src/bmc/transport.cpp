// Running ipmitool, and fru.sh: each in a process group of its own, its
// standard output a pipe to korrel, under a deadline.  No request may hang
// a run: a BMC that never answers, or an ipmitool stuck on
// a dead LAN session, is killed with everything it started and counts as a
// failed request, which the retry rule sends again.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "bmc.h"
#include "files.h"
#include "wait_bound.h"

namespace korrel {

namespace {

constexpr long kRetryPauseMs = 30;

// How long a request may run: an in-band request takes milliseconds, and
// ipmitool's own LAN timeout is shorter, so one still running by then never
// ends by itself.  A shorter limit leaves it at least 1 s, so that an
// ipmitool still at work on a busy host is never killed.
constexpr long kRequestMs = 30 * 1000;
constexpr long kShortestRequestMs = 1000;

constexpr long kNsPerMs = 1000L * 1000;
constexpr int kReapNapMs = 1;  // between looks whether a child has ended
constexpr int kChunkSize = 512;
constexpr int kMaxWords = 16;  // a write request is 14
constexpr ssize_t kLate = -2;  // readUntil: the deadline passed first

timespec deadlineFromNow()
{
    const long bound = waitBoundMs(kRequestMs);
    return deadlineAfterMs(bound > kShortestRequestMs ? bound : kShortestRequestMs);
}

void nap(long ns)
{
    timespec left = {0, ns};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

struct Child {
    pid_t pid;
    int out;  // the read end of its standard output
};

// A command's words, as the shell would split them.  korrel's commands are
// its own plain words ("ipmitool raw 0x0A 0x11 ...", "/bin/sh -e
// ./fru.sh"), so korrel runs them without a shell, found on PATH as the
// shell would find them: a shell would only split them at the blanks, and
// on a busy host costs as much again as the request.
struct Words {
    char text[kRequestSize];
    char *argv[kMaxWords + 1];
};

bool splitWords(const char *command, Words &words)
{
    int n = std::snprintf(words.text, sizeof words.text, "%s", command);
    if (n < 0 || n >= static_cast<int>(sizeof words.text))
        return false;
    char *rest = nullptr;
    n = 0;
    for (char *word = strtok_r(words.text, " \n", &rest); word != nullptr; word = strtok_r(nullptr, " \n", &rest)) {
        if (n == kMaxWords)
            return false;
        words.argv[n++] = word;
    }
    words.argv[n] = nullptr;
    return n > 0;
}

// In the child, after a failed exec: says why on its standard error, as a
// shell would, and ends it as a shell would, with 127.
[[noreturn]] void cannotRun(const char *name)
{
    char line[kRequestSize];
    int n = std::snprintf(line, sizeof line, "korrel: %s: %s\n", name, std::strerror(errno));
    if (n > 0)
        (void)!write(STDERR_FILENO, line, n < static_cast<int>(sizeof line) ? n : sizeof line - 1);
    _exit(127);
}

// Starts command as the leader of a new process group, so that it can be
// killed with all it started.  Nothing korrel holds passes to it but its
// standard streams and keep (the run lock, for fru.sh; -1 for none): every
// other descriptor korrel opens is close-on-exec.
bool startChild(const char *command, int keep, Child &child)
{
    // A caller that ignores SIGCHLD would have its children reaped unseen.
    signal(SIGCHLD, SIG_DFL);
    Words words;
    int ends[2];
    if (!splitWords(command, words) || pipe2(ends, O_CLOEXEC) != 0)
        return false;
    pid_t pid = fork();
    if (pid == 0) {
        // Only calls safe after fork; _exit, so that korrel's unflushed
        // output is not written twice.
        setpgid(0, 0);
        if (ends[1] == STDOUT_FILENO ? fcntl(ends[1], F_SETFD, 0) != 0 : dup2(ends[1], STDOUT_FILENO) < 0)
            _exit(127);
        if (keep >= 0 && fcntl(keep, F_SETFD, 0) != 0)
            _exit(127);
        execvp(words.argv[0], words.argv);
        cannotRun(words.argv[0]);
    }
    close(ends[1]);
    if (pid < 0) {
        close(ends[0]);
        return false;
    }
    setpgid(pid, pid);  // here too, so that the group exists for a kill at once
    child = Child{pid, ends[0]};
    return true;
}

// Reads what the child prints, waiting until the deadline at most: the
// count read, 0 at the end of its output, kLate when the deadline passed.
ssize_t readUntil(int fd, char *buffer, size_t size, const timespec &deadline)
{
    for (;;) {
        pollfd ready = {fd, POLLIN, 0};
        int n = poll(&ready, 1, msLeft(deadline));
        if (n == 0)
            return kLate;
        if (n < 0 && errno == EINTR)
            continue;
        ssize_t got = n < 0 ? -1 : read(fd, buffer, size);
        if (got < 0 && errno == EINTR)
            continue;
        return got < 0 ? 0 : got;
    }
}

// Waits until the child has ended, without reaping it, until the deadline
// at most; true when it has.  Its pidfd wakes the wait the moment it ends;
// a kernel without pidfds (before Linux 5.3) is asked every millisecond.
bool hasEnded(pid_t pid, const timespec &deadline)
{
    // Through syscall(): Debian 12's glibc declares pidfd_open without C linkage.
    const int ended = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    for (;;) {
        siginfo_t info = {};
        int got = waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT);
        if ((got == 0 && info.si_pid == pid) || (got != 0 && errno != EINTR) || msLeft(deadline) == 0) {
            if (ended >= 0)
                close(ended);
            return msLeft(deadline) > 0 || (got == 0 && info.si_pid == pid);
        }
        pollfd exit = {ended, POLLIN, 0};
        poll(ended >= 0 ? &exit : nullptr, ended >= 0 ? 1 : 0, ended >= 0 ? msLeft(deadline) : kReapNapMs);
    }
}

// Waits for the child to end, until the deadline at most, and reaps it.
// Its group is killed first, so that nothing it started runs on, also
// behind a shell that ended and left a child; the leader is not reaped
// before, so that its group id cannot name another process yet.  True when
// it exited with status 0 in time.
bool endChild(Child &child, const timespec &deadline, bool late)
{
    close(child.out);
    bool ended = !late && hasEnded(child.pid, deadline);
    kill(-child.pid, SIGKILL);
    // A process stuck in the kernel dies only when its call returns.
    if (!ended && !hasEnded(child.pid, deadlineFromNow()))
        return false;
    int status = -1;
    pid_t reaped;
    while ((reaped = waitpid(child.pid, &status, 0)) < 0 && errno == EINTR) {
    }
    return ended && reaped == child.pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Reads the child's output to its end and keeps the first line as fgets
// takes it: up to size - 1 bytes, the newline included when it fits.  The
// rest is read and dropped, so that a child that prints more is never
// blocked on a full pipe.  False when the deadline passed first.
bool readFirstLine(int fd, char *line, int size, const timespec &deadline)
{
    char chunk[kChunkSize];
    int n = 0;
    bool whole = size <= 1;
    for (;;) {
        ssize_t got = readUntil(fd, chunk, sizeof chunk, deadline);
        if (got == kLate)
            return false;
        if (got == 0)
            return true;
        for (ssize_t i = 0; i < got && !whole; ++i) {
            line[n++] = chunk[i];
            line[n] = '\0';
            whole = chunk[i] == '\n' || n == size - 1;
        }
    }
}

}  // namespace

bool runIpmitool(const char *command, char *line, int size)
{
    Child child;
    if (!startChild(command, -1, child))
        return false;
    const timespec deadline = deadlineFromNow();
    bool late = !readFirstLine(child.out, line, size, deadline);
    return endChild(child, deadline, late);
}

void runScript(const char *command, int keep, int out)
{
    Child child;
    if (!startChild(command, keep, child))
        return;
    timespec deadline = deadlineFromNow();
    char chunk[kChunkSize];
    bool late = false;
    for (;;) {
        ssize_t got = readUntil(child.out, chunk, sizeof chunk, deadline);
        late = got == kLate;
        if (got <= 0)
            break;
        // What cannot be written is lost, and the writes it answers count
        // as not confirmed.
        (void)writeAll(out, chunk, static_cast<size_t>(got));
        // Each write answered shows the script is not stuck.
        deadline = deadlineFromNow();
    }
    endChild(child, deadline, late);
}

void pauseBeforeRetry()
{
    nap(waitBoundMs(kRetryPauseMs) * kNsPerMs);
}

}  // namespace korrel
