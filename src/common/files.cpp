#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "console.h"

namespace korrel {

FILE *createFile(const char *name)
{
    int fd = open(name, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    // Emptied only once it is known to be a plain file of its own: not a
    // device or FIFO, and not a hard link to some other file.
    struct stat sb;
    if (fstat(fd, &sb) != 0 || !S_ISREG(sb.st_mode) || sb.st_nlink != 1 ||
        ftruncate(fd, 0) != 0) {
        close(fd);
        return nullptr;
    }
    FILE *file = fdopen(fd, "w+");
    if (file == nullptr)
        close(fd);
    return file;
}

bool finishFile(FILE *file)
{
    bool ok = std::fflush(file) == 0 && !std::ferror(file);
    return std::fclose(file) == 0 && ok;
}

FILE *beginOutput(const char *name, const char *errorFormat)
{
    putFormat(msg::kWriteFile, name);
    FILE *file = createFile(name);
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
