// fru.txt: the 18 fields as text, one "Label:value" line each.  It is the
// single hand-over between the values read and edited and the bytes encoded.
#pragma once

#include "files.h"
#include "record.h"

namespace korrel {

// Each returns false after printing its message when the run must end.
// The values are bare; the file's lines end in a newline, added here and
// taken off again here.
bool writeFruText(const FruValues &values, FileId &id);
bool parseFruText(FruValues &values, const FileId &id);

}  // namespace korrel
