// korrel's scratch files in the working directory.  korrel usually runs as
// root, and each file is used by name more than once, so each must stay the
// file korrel made: a link or another file planted under its name must not
// let the run overwrite, read or execute something else.
#pragma once

#include <cstdio>

#include "runstate.h"

namespace korrel {

// False, after the message, for a working directory that others may write
// to without the sticky bit: they could swap a scratch file between two of
// its uses.  In a sticky directory such as /tmp only a file's owner may
// remove or rename it.
bool workDirIsSafe();

// Creates name afresh: a stale file of that name is removed first, and the
// new one is created exclusively without following a link.  id records it.
FILE *createFile(const char *name, FileId &id);

// Closes a file written with createFile; false when any write failed.
bool finishFile(FILE *file);

// True when name still is the file recorded in id: the same device and
// inode, a regular file with one link.
bool isOwnFile(const char *name, const FileId &id);

// Opens name for reading if it still is the file recorded in id.
FILE *openOwnFile(const char *name, const FileId &id);

// Announces one of korrel's output files with "Write %s ~" and creates it;
// prints errorFormat with the name and returns nullptr when it cannot.
FILE *beginOutput(const char *name, FileId &id, const char *errorFormat);

// Closes it and ends the progress line with " Done."; prints errorFormat
// and returns false when any write failed, since a file cut short would
// carry another record than the one built.
bool endOutput(FILE *file, const char *name, const char *errorFormat);

}  // namespace korrel
