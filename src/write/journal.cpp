#include "journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "console.h"
#include "write.h"

namespace korrel {

namespace {

constexpr const char *kOldFile = "old.bin";
constexpr const char *kNewFile = "new.bin";
constexpr const char *kUndoFile = "undo";
constexpr int kNameSize = 64;
constexpr int kSuffixSize = 32;
constexpr mode_t kJournalFile = 0600;

// fruN.journal, or with a suffix: the one being made or removed, or one
// kept aside.
void journalName(int device, const char *suffix, char (&name)[kNameSize])
{
    std::snprintf(name, sizeof name, "fru%d.journal%s", device, suffix);
}

// A directory in dir, opened without following a link.
int openDirAt(int dir, const char *name)
{
    return openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Writes a file of its own in dir, synced to the disk.
bool writeSynced(int dir, const char *name, const uint8_t *bytes, int size)
{
    int fd = openat(dir, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kJournalFile);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes, static_cast<size_t>(size)) && fsync(fd) == 0;
    return close(fd) == 0 && ok;
}

// The size of a regular file in dir, read whole into bytes; -1 when it is
// none or larger than size.
int readWhole(int dir, const char *name, uint8_t *bytes, int size)
{
    int fd = openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat sb;
    int n = fd >= 0 && fstat(fd, &sb) == 0 && S_ISREG(sb.st_mode) && sb.st_size <= size
                ? static_cast<int>(sb.st_size)
                : -1;
    for (int at = 0; at < n;) {
        ssize_t got = read(fd, bytes + at, static_cast<size_t>(n - at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            n = -1;
            break;
        }
        at += static_cast<int>(got);
    }
    if (fd >= 0)
        close(fd);
    return n;
}

// Removes a journal directory and its two files; what is not there is no
// matter.
void removeJournalDir(int dir, const char *name)
{
    int fd = openDirAt(dir, name);
    if (fd >= 0) {
        unlinkat(fd, kOldFile, 0);
        unlinkat(fd, kNewFile, 0);
        unlinkat(fd, kUndoFile, 0);
        close(fd);
    }
    unlinkat(dir, name, AT_REMOVEDIR);
}

}  // namespace

bool keepJournal(const StateDir &state, int device, const FruRecord &record, const FruImage &image,
                 Journal &write)
{
    write.lastBlock = image.lastBlock;
    write.undoing = false;
    write.oldBlocks = record.blocks < image.lastBlock + 1 ? record.blocks : image.lastBlock + 1;
    std::memcpy(write.fresh, image.bytes, (image.lastBlock + 1) * kBlockSize);
    std::memcpy(write.old, record.bytes, write.oldBlocks * kBlockSize);
    return storeJournal(state, device, write);
}

void journalPath(const StateDir &state, int device, char (&path)[kJournalPathSize])
{
    char name[kNameSize];
    journalName(device, "", name);
    std::snprintf(path, sizeof path, "%s/%s", state.path, name);
}

bool storeJournal(const StateDir &state, int device, const Journal &journal)
{
    char name[kNameSize], making[kNameSize];
    journalName(device, "", name);
    journalName(device, ".new", making);
    removeJournalDir(state.fd, making);  // one cut off while it was made
    bool ok = mkdirat(state.fd, making, kPrivateDir) == 0;
    int dir = ok ? openDirAt(state.fd, making) : -1;
    ok = dir >= 0 && writeSynced(dir, kOldFile, journal.old, journal.oldBlocks * kBlockSize) &&
         writeSynced(dir, kNewFile, journal.fresh, (journal.lastBlock + 1) * kBlockSize) && fsync(dir) == 0;
    if (dir >= 0)
        close(dir);
    ok = ok && renameat(state.fd, making, state.fd, name) == 0 && fsync(state.fd) == 0;
    if (ok)
        return true;
    removeJournalDir(state.fd, making);
    char path[kJournalPathSize];
    journalPath(state, device, path);
    putFormat(msg::kJournalUnusable, path);
    return false;
}

JournalFound loadJournal(const StateDir &state, int device, Journal &journal)
{
    char name[kNameSize];
    journalName(device, "", name);
    int dir = openDirAt(state.fd, name);
    if (dir < 0)
        return errno == ENOENT ? JournalFound::none : JournalFound::unusable;
    int old = readWhole(dir, kOldFile, journal.old, kImageSize);
    int fresh = readWhole(dir, kNewFile, journal.fresh, kImageSize);
    journal.undoing = faccessat(dir, kUndoFile, F_OK, AT_SYMLINK_NOFOLLOW) == 0;
    close(dir);
    // Both whole blocks, the old no more than the new, as korrel writes them.
    if (old < kBlockSize || fresh < old || old % kBlockSize != 0 || fresh % kBlockSize != 0)
        return JournalFound::unusable;
    journal.oldBlocks = old / kBlockSize;
    journal.lastBlock = fresh / kBlockSize - 1;
    return JournalFound::found;
}

void markJournalUndoing(const StateDir &state, int device)
{
    char name[kNameSize];
    journalName(device, "", name);
    int dir = openDirAt(state.fd, name);
    if (dir < 0)
        return;
    writeSynced(dir, kUndoFile, nullptr, 0);
    fsync(dir);
    close(dir);
}

void dropJournal(const StateDir &state, int device)
{
    // Renamed first, so that a removal cut off leaves no journal half gone
    // under its name.
    char name[kNameSize], leaving[kNameSize];
    journalName(device, "", name);
    journalName(device, ".new", leaving);
    removeJournalDir(state.fd, leaving);
    if (renameat(state.fd, name, state.fd, leaving) == 0) {
        fsync(state.fd);
        removeJournalDir(state.fd, leaving);
    }
}

bool setJournalAside(const StateDir &state, int device, char (&aside)[kJournalPathSize])
{
    char name[kNameSize], kept[kNameSize], suffix[kSuffixSize];
    journalName(device, "", name);
    std::snprintf(suffix, sizeof suffix, ".stale-%lld", static_cast<long long>(std::time(nullptr)));
    journalName(device, suffix, kept);
    std::snprintf(aside, sizeof aside, "%s/%s", state.path, kept);
    return renameat(state.fd, name, state.fd, kept) == 0 && fsync(state.fd) == 0;
}

}  // namespace korrel
