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

// Announces one of korrel's output files with "Write %s ~" and creates it;
// prints errorFormat with the name and returns nullptr when it cannot.
FILE *beginOutput(const char *name, const char *errorFormat);

// Closes it and ends the progress line with " Done."; prints errorFormat
// and returns false when any write failed, since a file cut short would
// carry another record than the one built.
bool endOutput(FILE *file, const char *name, const char *errorFormat);

}  // namespace korrel
