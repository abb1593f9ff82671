// Checks shared by the robustness tables.
#pragma once

#include <string>
#include <vector>

#include "fru_record.h"
#include "image_check.h"
#include "korrel_run.h"

namespace robust {

// "" when fru.sh holds only its fixed opening lines and write lines of hex
// bytes, so nothing but hex can have reached the shell; else the first
// line that is not.
std::string foreignScriptLine(const std::string &script);

// "" when every ipmitool call was a read or write of FRU device 0 spelled in
// hex; else the first that was not.
std::string foreignRequest(const std::vector<std::string> &requests);

// "" unless a sanitizer reported on standard error.
std::string sanitizerReport(const std::string &err);

// The 18 values of a record in korrel's layout, or the problem with it.
struct Read {
    fru::Fields fields;
    std::string problem;
};
Read readRecord(const fru::Bytes &record);

// A figure the suite reports: a test property and a line on standard output.
void report(const char *name, int value);

}  // namespace robust
