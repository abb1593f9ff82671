// Generated values, types, area codes and internal use areas: the record
// korrel builds from them must hold them, and reading that record back must
// give them again.  The generator is seeded, so a failure names its seed.
#include <gtest/gtest.h>

#include <random>

#include "pipeline.h"

namespace {

using namespace korrel;

constexpr uint32_t kSeeds = 300;

void generate(RunState &st, std::mt19937 &rng)
{
    st = RunState{};
    resetKeep(st.keep);
    auto upTo = [&rng](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n + 1)); };
    st.keep.internalUseBlocks = upTo(3);
    st.keep.internalUseAt = kBlockSize;  // as read from block 1
    for (int i = 0; i < st.keep.internalUseBlocks * kBlockSize; ++i)
        st.keep.record[kBlockSize + i] = static_cast<uint8_t>(upTo(255));
    for (uint8_t &code : st.keep.areaCode)
        code = static_cast<uint8_t>(upTo(2) == 0 ? upTo(255) : 0);
    int longest = upTo(5) == 0 ? kMaxValue : 12;
    for (int f = 0; f < kFieldCount; ++f) {
        if (f == kDateField) {
            std::snprintf(st.fruvalue[f], kValueSlot, "%06X", upTo(0xFFFFFF));
            continue;
        }
        // Any type, and any byte but the NUL and newline fru.txt cannot carry.
        st.keep.type[lengthIndex(f)] = static_cast<uint8_t>(upTo(3) << 6);
        for (int i = upTo(longest); i > 0; --i) {
            char c = static_cast<char>(1 + upTo(254));
            st.fruvalue[f][i - 1] = c == '\n' ? 'n' : c;
        }
    }
}

TEST(RoundTrip, GeneratedRecordsComeBackAsBuilt)
{
    static RunState st;
    for (uint32_t seed = 0; seed < kSeeds; ++seed) {
        std::mt19937 rng(seed);
        generate(st, rng);
        const char *problem = pipeline::roundTrip(st);
        EXPECT_EQ(problem, nullptr) << "seed " << seed << ": " << problem;
    }
}

}  // namespace
