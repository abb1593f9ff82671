#include "robust_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <sstream>

namespace robust {

namespace {

// The field order of the record with the date left out, as fru.txt lines.
constexpr int kLineOfField[check::kTypeLengthFields] = {0, 1, 2, 4, 5, 6, 7, 8, 9,
                                                        10, 11, 12, 13, 14, 15, 16, 17};

}  // namespace

namespace {

// prefix, then `count` bytes each written " 0x" and two uppercase hex digits
// (the read's last byte, the count, excepted).
bool hexCommand(const std::string &line, const std::string &prefix, size_t count)
{
    if (line.compare(0, prefix.size(), prefix) != 0 || line.size() != prefix.size() + 5 * count)
        return false;
    for (size_t at = prefix.size(); at < line.size(); at += 5)
        if (line.compare(at, 3, " 0x") != 0 || !std::isxdigit(static_cast<unsigned char>(line[at + 3])) ||
            !std::isxdigit(static_cast<unsigned char>(line[at + 4])) || std::islower(line[at + 3]) ||
            std::islower(line[at + 4]))
            return false;
    return true;
}

const char *const kWritePrefix = "raw 0x0A 0x12 0x00";
const char *const kReadPrefix = "raw 0x0A 0x11 0x00";
constexpr size_t kWriteBytes = 10;  // offset LSB and MSB, eight data bytes

}  // namespace

std::string foreignScriptLine(const std::string &script)
{
    static const char *const head[] = {"#!/bin/sh", "", "echo ==== FRU ====="};
    std::istringstream in(script);
    std::string line;
    for (int n = 0; std::getline(in, line); ++n) {
        bool ok = n < 3 ? line == head[n] : hexCommand(line, std::string("ipmitool ") + kWritePrefix, kWriteBytes);
        if (!ok)
            return line.empty() ? "(empty line)" : line;
    }
    if (!script.empty() && script.back() != '\n')
        return "(no final newline)";
    return "";
}

std::string foreignRequest(const std::vector<std::string> &requests)
{
    for (const std::string &r : requests) {
        bool read = r.size() > 5 && r.compare(r.size() - 5, 5, " 0x08") == 0 &&
                    hexCommand(r.substr(0, r.size() - 5), kReadPrefix, 2);
        if (!read && !hexCommand(r, kWritePrefix, kWriteBytes))
            return r;
    }
    return "";
}

std::string sanitizerReport(const std::string &err)
{
    for (const char *mark : {"Sanitizer", "runtime error:"}) {
        size_t at = err.find(mark);
        if (at != std::string::npos)
            return err.substr(at, 200);
    }
    return "";
}

Read readRecord(const fru::Bytes &record)
{
    Read r;
    check::Image image;
    const char *problem = check::readImage(record.data(), record.size(), &image);
    if (problem != nullptr) {
        r.problem = problem;
        return r;
    }
    for (int i = 0; i < check::kTypeLengthFields; ++i) {
        const check::Field &f = image.fields[i];
        // A one-character value is stored with a NUL behind it, since C1
        // would end the area's fields.
        int length = f.length == 2 && f.bytes[1] == 0 ? 1 : f.length;
        r.fields[kLineOfField[i]].assign(f.bytes, f.bytes + length);
    }
    char date[7];
    std::snprintf(date, sizeof date, "%02X%02X%02X", image.date[2], image.date[1], image.date[0]);
    r.fields[3] = date;
    return r;
}

void report(const char *name, int value)
{
    testing::Test::RecordProperty(name, value);
    std::printf("[ figure   ] %s = %d\n", name, value);
}

}  // namespace robust
