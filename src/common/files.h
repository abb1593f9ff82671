// korrel's scratch files in the working directory.  korrel usually runs as
// root, and each file is used by name more than once, so each must stay the
// file korrel made: a link or another file planted under its name must not
// let the run overwrite, read or execute something else.
#pragma once

#include <sys/types.h>

#include <cstdio>

namespace korrel {

// The fixed names in the working directory.
constexpr const char *kTextFile = "fru.txt";
constexpr const char *kScriptFile = "fru.sh";
constexpr const char *kOutputFile = "out.txt";

// A scratch file as korrel created it, so that a file swapped in under its
// name later is noticed.
struct FileId {
    dev_t dev;
    ino_t ino;
};

// korrel's three scratch files, as created.
struct ScratchFiles {
    FileId text;
    FileId script;
    FileId output;
};

// Scratch files are private whatever the umask: another user who could
// write fru.txt or fru.sh in place, under the same inode, would pass every
// identity check and steer what root sends to the BMC.
constexpr mode_t kPrivateFile = 0600;
constexpr mode_t kPrivateScript = 0700;  // "chmod 755 fru.sh" then opens it to reading

enum class DirTrust { safe, shared, foreign, missing };

// Whether others could swap a file in directory path between two of its
// uses: they can when it is writable by its group or others without the
// sticky bit (in a sticky directory such as /tmp only a file's owner may
// remove or rename it), or when it belongs to another user than the
// effective one or root, since its owner may rename anything in it.
DirTrust dirTrust(const char *path);

// False, after the message, for a working directory that is not safe.
bool workDirIsSafe();

// Creates name afresh with the mode given: a stale file of that name is
// removed first, and the new one is created exclusively without following
// a link.  id records it.
FILE *createFile(const char *name, FileId &id, mode_t mode);

// Writes all of bytes to fd, again where a signal cut a write short; false
// when the rest cannot be written.
bool writeAll(int fd, const void *bytes, size_t size);

// Closes a file written with createFile; false when any write failed.
bool finishFile(FILE *file);

// True when name still is the file recorded in id: the same device and
// inode, a regular file with one link.
bool isOwnFile(const char *name, const FileId &id);

// Opens name for reading if it still is the file recorded in id.
FILE *openOwnFile(const char *name, const FileId &id);

// Announces one of korrel's output files with "Write %s ~" and creates it;
// prints errorFormat with the name and returns nullptr when it cannot.
FILE *beginOutput(const char *name, FileId &id, mode_t mode, const char *errorFormat);

// Closes it and ends the progress line with " Done."; prints errorFormat
// and returns false when any write failed, since a file cut short would
// carry another record than the one built.
bool endOutput(FILE *file, const char *name, const char *errorFormat);

}  // namespace korrel
