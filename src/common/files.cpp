#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "console.h"

namespace korrel {

namespace {

bool isSame(const struct stat &sb, const FileId &id)
{
    return S_ISREG(sb.st_mode) && sb.st_nlink == 1 && sb.st_dev == id.dev &&
           sb.st_ino == id.ino;
}

}  // namespace

DirTrust dirTrust(const char *path)
{
    struct stat sb;
    if (stat(path, &sb) != 0 || !S_ISDIR(sb.st_mode))
        return DirTrust::missing;
    if ((sb.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (sb.st_mode & S_ISVTX) == 0)
        return DirTrust::shared;
    if (sb.st_uid != geteuid() && sb.st_uid != 0)
        return DirTrust::foreign;
    return DirTrust::safe;
}

bool workDirIsSafe()
{
    DirTrust trust = dirTrust(".");
    if (trust == DirTrust::safe)
        return true;
    putLine(trust == DirTrust::foreign ? msg::kForeignDir : msg::kSharedDir);
    return false;
}

FILE *createFile(const char *name, FileId &id, mode_t mode)
{
    if (unlink(name) != 0 && errno != ENOENT)
        return nullptr;
    // Created with the mode, so that it is never wider; fchmod then makes it
    // exactly that, whatever the umask took away.
    int fd = open(name, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return nullptr;
    struct stat sb;
    FILE *file = fchmod(fd, mode) == 0 && fstat(fd, &sb) == 0 ? fdopen(fd, "w+") : nullptr;
    if (file == nullptr) {
        close(fd);
        return nullptr;
    }
    id = FileId{sb.st_dev, sb.st_ino};
    return file;
}

bool writeAll(int fd, const void *bytes, size_t size)
{
    const char *at = static_cast<const char *>(bytes);
    while (size > 0) {
        ssize_t put = write(fd, at, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        at += put;
        size -= static_cast<size_t>(put);
    }
    return true;
}

bool finishFile(FILE *file)
{
    bool ok = std::fflush(file) == 0 && !std::ferror(file);
    return std::fclose(file) == 0 && ok;
}

bool isOwnFile(const char *name, const FileId &id)
{
    struct stat sb;
    return lstat(name, &sb) == 0 && isSame(sb, id);
}

FILE *openOwnFile(const char *name, const FileId &id)
{
    // Not blocking: a FIFO swapped in must not hang the run before the check.
    int fd = open(name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat sb;
    FILE *file = fstat(fd, &sb) == 0 && isSame(sb, id) ? fdopen(fd, "r") : nullptr;
    if (file == nullptr)
        close(fd);
    return file;
}

FILE *beginOutput(const char *name, FileId &id, mode_t mode, const char *errorFormat)
{
    putFormat(msg::kWriteFile, name);
    FILE *file = createFile(name, id, mode);
    if (file == nullptr)
        putFormat(errorFormat, name);
    return file;
}

bool endOutput(FILE *file, const char *name, const char *errorFormat)
{
    if (!finishFile(file)) {
        putFormat(errorFormat, name);
        return false;
    }
    putDone();
    return true;
}

}  // namespace korrel
