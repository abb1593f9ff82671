// peakrss OUT COMMAND [ARGS...]: runs COMMAND and writes to OUT the peak
// resident set size (VmHWM, kB) of that process alone, without its children.
//
// GNU time cannot tell this: the rusage that wait4 returns for a process
// includes the largest maximum RSS among the descendants it waited for.
// Here the process is traced and stopped at its exit, before its memory is
// released, and its own high-water mark is read from /proc. Its children
// are not traced.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kExitStop = SIGTRAP | (PTRACE_EVENT_EXIT << 8);

long peakRssKb(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    FILE *status = std::fopen(path, "r");
    if (status == nullptr)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
            break;
    std::fclose(status);
    return kb;
}

// Resumes the tracee; a signal it was about to receive is passed on, the
// stops of the tracing itself are not.
void resume(pid_t pid, int status)
{
    int sig = WSTOPSIG(status);
    if (sig == SIGTRAP || (status >> 8) == kExitStop)
        sig = 0;
    ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void *>(static_cast<long>(sig)));
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: peakrss OUT COMMAND [ARGS...]\n");
        return 2;
    }
    pid_t pid = fork();
    if (pid < 0)
        return 2;
    if (pid == 0) {
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status;
    // The first stop is the tracee's exec.
    if (waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status))
        return 2;
    ptrace(PTRACE_SETOPTIONS, pid, nullptr, reinterpret_cast<void *>(PTRACE_O_TRACEEXIT));
    ptrace(PTRACE_CONT, pid, nullptr, nullptr);
    long kb = -1;
    while (waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
        if ((status >> 8) == kExitStop)
            kb = peakRssKb(pid);
        resume(pid, status);
    }
    FILE *out = std::fopen(argv[1], "w");
    if (out == nullptr || std::fprintf(out, "%ld\n", kb) < 0 || std::fclose(out) != 0)
        return 2;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}
