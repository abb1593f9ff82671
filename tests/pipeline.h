// korrel's record in-process, on a FRU device held in memory, for the
// round-trip test and the fuzzers.  The read phase is served from memory in
// place of ipmitool; fru.txt is stood in for by the values themselves.
#pragma once

#include <cstddef>
#include <cstdint>

#include "record.h"

namespace pipeline {

// A read request that fails, as the stand-in BMC's FRUSIM_FAIL_READ and
// FRUSIM_READ_LINE make it: the one numbered at (from 0) refused, or
// answered with line in place of its block; once, or from it on.
struct ReadFault {
    int at;
    const char *line;  // nullptr: refused
    bool forGood;
};

struct Run {
    korrel::FruRecord record;
    korrel::FruValues values;
    korrel::FruImage image;
};

// The read phase on device as FRU device 0; false when korrel refused it.
// The size request is answered with the device's size; each read with the
// next eight bytes as ipmitool prints them, even blocks in lower case, odd
// ones in upper; past the end, with the device's remaining bytes as a raw
// line, then with nothing; fault aside.
bool read(Run &run, const uint8_t *device, size_t size, ReadFault fault = {-1, nullptr, false});

// The read requests the last read sent, the size request left out.
int readsSent();

// Encodes a new record from run's values and what its read kept, then reads
// that record back with korrel's own reader: it must give the same values,
// types, codes and kept bytes.  nullptr when it does, or when the record is
// refused as too long; otherwise what differs.
const char *roundTrip(const Run &run);

// For the fuzzers: aborts, which libFuzzer reports, when problem is set.
void require(const char *problem);

}  // namespace pipeline
