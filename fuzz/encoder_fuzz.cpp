// The encoder fed arbitrary values, types, area codes and internal use
// areas: a record it builds must read back as what it was built from.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "pipeline.h"
#include "unicode.h"

using namespace korrel;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return std::freopen("/dev/null", "w", stdout) == nullptr;  // korrel's console
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static pipeline::Run run;
    run = pipeline::Run{};
    FruRecord &record = run.record;
    resetRecord(record, run.values);
    FuzzedDataProvider in(data, size);
    run.values.onlyBsn = in.ConsumeBool();
    record.internalUseBlocks = in.ConsumeIntegralInRange(0, 3);
    record.internalUseAt = kBlockSize;  // as read from block 1
    in.ConsumeData(record.bytes + kBlockSize, record.internalUseBlocks * kBlockSize);
    in.ConsumeData(record.areaCode, 3);
    for (int f = 0; f < kFieldCount; ++f) {
        // What fru.txt gives back: a line's text ends at its first NUL and
        // holds no newline.
        std::string text = in.ConsumeRandomLengthString(kMaxValue);
        std::replace(text.begin(), text.end(), '\n', 'n');
        std::strncpy(run.values.text[f], text.c_str(), kMaxValue);
        if (f == kDateField)
            continue;
        uint8_t &type = run.values.form[lengthIndex(f)].type;
        type = in.ConsumeIntegral<uint8_t>() & kTypeMask;
        // The edit refuses what cannot be 16-bit Unicode; here it is binary.
        uint8_t units[kMaxValue];
        if (isUnicodeText(record, kFields[f].area, type) && utf8ToUtf16(run.values.text[f], units, kMaxValue) < 0)
            type = 0;
    }
    pipeline::require(pipeline::roundTrip(run));
    return 0;
}
