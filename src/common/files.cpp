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

bool workDirIsSafe()
{
    struct stat sb;
    if (stat(".", &sb) == 0 &&
        ((sb.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (sb.st_mode & S_ISVTX) != 0))
        return true;
    putLine(msg::kSharedDir);
    return false;
}

FILE *createFile(const char *name, FileId &id)
{
    if (unlink(name) != 0 && errno != ENOENT)
        return nullptr;
    int fd = open(name, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    struct stat sb;
    FILE *file = fstat(fd, &sb) == 0 ? fdopen(fd, "w+") : nullptr;
    if (file == nullptr) {
        close(fd);
        return nullptr;
    }
    id = FileId{sb.st_dev, sb.st_ino};
    return file;
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

FILE *beginOutput(const char *name, FileId &id, const char *errorFormat)
{
    putFormat(msg::kWriteFile, name);
    FILE *file = createFile(name, id);
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
