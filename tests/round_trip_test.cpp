// Generated values, types, area codes and internal use areas: the record
// korrel builds from them must hold them, and reading that record back must
// give them again.  The generator is seeded, so a failure names its seed.
#include <gtest/gtest.h>

#include <random>

#include "pipeline.h"

namespace {

using namespace korrel;

constexpr uint32_t kSeeds = 300;

void generate(pipeline::Run &run, std::mt19937 &rng)
{
    run = pipeline::Run{};
    FruRecord &record = run.record;
    resetRecord(record, run.values);
    auto upTo = [&rng](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n + 1)); };
    record.internalUseBlocks = upTo(3);
    record.internalUseAt = kBlockSize;  // as read from block 1
    for (int i = 0; i < record.internalUseBlocks * kBlockSize; ++i)
        record.bytes[kBlockSize + i] = static_cast<uint8_t>(upTo(255));
    for (uint8_t &code : record.areaCode)
        code = static_cast<uint8_t>(upTo(2) == 0 ? upTo(255) : 0);
    int longest = upTo(5) == 0 ? kMaxValue : 12;
    for (int f = 0; f < kFieldCount; ++f) {
        if (f == kDateField) {
            std::snprintf(run.values.text[f], kValueSlot, "%06X", upTo(0xFFFFFF));
            continue;
        }
        // Any type, and any byte but the NUL and newline fru.txt cannot carry.
        run.values.form[lengthIndex(f)].type = static_cast<uint8_t>(upTo(3) << 6);
        for (int i = upTo(longest); i > 0; --i) {
            char c = static_cast<char>(1 + upTo(254));
            run.values.text[f][i - 1] = c == '\n' ? 'n' : c;
        }
    }
}

TEST(RoundTrip, GeneratedRecordsComeBackAsBuilt)
{
    static pipeline::Run run;
    for (uint32_t seed = 0; seed < kSeeds; ++seed) {
        std::mt19937 rng(seed);
        generate(run, rng);
        const char *problem = pipeline::roundTrip(run);
        EXPECT_EQ(problem, nullptr) << "seed " << seed << ": " << problem;
    }
}

}  // namespace
