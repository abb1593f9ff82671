// The read phase fed arbitrary devices.  Whatever it reads it must hold
// within the value slots, and a record it accepts must come back from the
// rewrite as it was read.
#include <cstdio>
#include <cstring>

#include "pipeline.h"

using namespace korrel;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return std::freopen("/dev/null", "w", stdout) == nullptr;  // korrel's console
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static pipeline::Run run;
    run = pipeline::Run{};
    bool read = pipeline::read(run, data, size);
    for (int f = 0; f < kFieldCount; ++f)
        if (std::strlen(run.values.text[f]) > static_cast<size_t>(f == kDateField ? kDateTextLength : kMaxValue))
            pipeline::require("a value longer than its slot allows");
    if (read)
        pipeline::require(pipeline::roundTrip(run));
    return 0;
}
