// Opening korrel's fixed files in the working directory for writing.
#pragma once

#include <cstdio>

namespace korrel {

// Creates or empties name like fopen's "w+", but refuses a symbolic link or
// anything but a regular file: korrel usually runs as root, and a planted
// link must not let it overwrite another file.
FILE *createFile(const char *name);

// Closes a file written with createFile; false when any write failed.
bool finishFile(FILE *file);

}  // namespace korrel
