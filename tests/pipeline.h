// korrel's phases in-process on a FRU device held in memory, for the
// round-trip test and the fuzzers.  The read phase is served from memory in
// place of ipmitool, and fru.txt is stood in for by the stored texts it
// gives back: each value and its newline.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runstate.h"

namespace pipeline {

// A read request that fails, as the stand-in BMC's FRUSIM_FAIL_READ and
// FRUSIM_READ_LINE make it: the one numbered at (from 0) refused, or
// answered with line in place of its block; once, or from it on.
struct ReadFault {
    int at;
    const char *line;  // nullptr: refused
    bool forGood;
};

// The read phase on device as FRU device 0; false when korrel refused it.
// The size request is answered with the device's size; each read with the
// next eight bytes as ipmitool prints them,
// even blocks in lower case, odd ones in upper; past the end, with the
// device's remaining bytes as a raw line, then with nothing; fault aside.
bool read(korrel::RunState &st, const uint8_t *device, size_t size, ReadFault fault = {-1, nullptr, false});

// The read requests the last read sent, the size request left out.
int readsSent();

// The bytes a field's value takes in the image, from its stored text: the
// text less its last character (the newline), and a NUL behind a single
// character of 8-bit text.
int valueBytes(const korrel::RunState &st, int field, int *chars);

// After buildFruImage: nullptr when the image is sound and holds the stored
// texts (each without its newline), their types, the area codes, the date
// and the internal use area kept; otherwise what is wrong.
const char *imageHolds(const korrel::RunState &st);

// From values and what the read kept (st as the read leaves it): the image
// built from them must hold them, and reading it back must give them again.
// nullptr when it does, when the image is refused as too long, or when it
// is longer than a read covers.
const char *roundTrip(const korrel::RunState &st);

// For the fuzzers: aborts, which libFuzzer reports, when problem is set.
void require(const char *problem);

}  // namespace pipeline
