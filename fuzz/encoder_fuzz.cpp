// The encoder fed arbitrary stored texts, types, area codes and internal use
// areas: the image must be built exactly when each area's fields fit the
// staging buffer, and then hold them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstring>

#include "pipeline.h"
#include "write.h"

using namespace korrel;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return std::freopen("/dev/null", "w", stdout) == nullptr;  // korrel's console
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static RunState st;
    st = RunState{};
    resetKeep(st.keep);
    FuzzedDataProvider in(data, size);
    g_only_BSN = in.ConsumeBool();
    st.keep.internalUseBlocks = in.ConsumeIntegralInRange(0, 3);
    st.keep.internalUseAt = kBlockSize;  // as read from block 1
    in.ConsumeData(st.keep.record + kBlockSize, st.keep.internalUseBlocks * kBlockSize);
    in.ConsumeData(st.keep.areaCode, 3);
    startFruImage(st);
    int staged[3] = {};
    for (int f = 0; f < kFieldCount; ++f) {
        std::string text = in.ConsumeRandomLengthString(kValueSlot - 1);
        std::strncpy(st.fruvalue[f], text.c_str(), kValueSlot - 1);  // a text ends at its first NUL
        if (f == kDateField)
            continue;
        st.keep.type[lengthIndex(f)] = in.ConsumeIntegral<uint8_t>() & kTypeMask;
        int chars;
        staged[static_cast<int>(kFields[f].area)] += 1 + pipeline::valueBytes(st, f, &chars);
    }
    bool fits = staged[0] <= kAreaStreamSize && staged[1] <= kAreaStreamSize && staged[2] <= kAreaStreamSize;
    if (buildFruImage(st) != fits)
        pipeline::require("built exactly when the areas fit");
    if (fits)
        pipeline::require(pipeline::imageHolds(st));
    return 0;
}
