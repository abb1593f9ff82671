// Runs the real korrel binary in a fresh working directory against the
// stand-in BMC, and collects everything a run leaves behind.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "fru_record.h"

namespace e2e {

struct Run {
    std::vector<std::string> args = {};
    fru::Bytes device = {};                       // FRU device 0 before the run
    std::map<std::string, std::string> env = {};  // FRUSIM_* faults and the like
    std::string path = {};                        // PATH; empty: stand-in first
    // Called in the working directory before korrel starts, to plant files.
    void (*prepare)(const std::string &dir) = nullptr;
    // The working directory is made read-only.  Root ignores permissions, so
    // as root korrel then runs as nobody.
    bool readOnlyDir = false;
};

struct Result {
    std::string out;                            // standard output, byte for byte
    std::string err;
    int status = -1;                            // exit status, -1 if killed
    std::vector<std::string> requests;          // one per ipmitool call
    fru::Bytes device;                          // FRU device 0 after the run
    std::map<std::string, std::string> files;   // working directory: name -> content
    std::map<std::string, unsigned> modes;      // name -> permission bits
    int reads() const;
    int writes() const;
};

Result run(const Run &r);

// Blank-free pieces of the console protocol, so tables can spell out whole
// outputs.
std::string banner();
std::string usage();
std::string closing();

// The command line of a read request for block n, as the stand-in logs it.
std::string readRequest(int block);

std::string readFile(const std::string &path);

// A file of tests/golden.
std::string golden(const std::string &name);

// The record in a golden hex file, on a device of the given size.
fru::Bytes goldenDevice(const std::string &name, size_t size = 512);

// The bundled sample record, as the demo uses it.
fru::Bytes sampleDevice();

}  // namespace e2e
