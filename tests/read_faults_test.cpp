// The reads of an edit of the sample record made to fail in turn, in
// process (faults.sh makes the writes fail, through the stand-in BMC): a
// read refused or answered wrongly once is sent again, and the record reads
// as it does without the fault; a read refused from one on ends the read
// after its fifth try.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "pipeline.h"

namespace {

using namespace korrel;

// Wrong answers: other counts, cut short, or not hex, in turn.
constexpr const char *kShapes[] = {" 07 01 02 03 04 05 06 07", " 18 01 02 03 04 05 06 07 08", " 00", "",
                                   " 08 01 02 03 04 05 06 07", " 08 01 02 03 04 05 06 07 g8",
                                   " 08 1 2 3 4 5 6 7 8 9 a b c", "08 01 02 03 04 05 06 07 08"};
constexpr int kShapeCount = sizeof kShapes / sizeof kShapes[0];

TEST(ReadFaults, EachReadRetriedAfterOneFaultAndEndingTheReadAfterFive)
{
    static uint8_t device[kImageSize];
    FILE *sample = std::fopen(KORREL_SAMPLE, "rb");
    ASSERT_NE(sample, nullptr);
    const size_t size = std::fread(device, 1, sizeof device, sample);
    std::fclose(sample);
    static pipeline::Run clean, run;
    ASSERT_TRUE(pipeline::read(clean, device, size));
    const int reads = pipeline::readsSent();
    for (int k = 0; k < reads; ++k) {
        SCOPED_TRACE("read " + std::to_string(k));
        run = pipeline::Run{};
        EXPECT_TRUE(pipeline::read(run, device, size, {k, k % 2 ? kShapes[k / 2 % kShapeCount] : nullptr, false}));
        EXPECT_EQ(pipeline::readsSent(), reads + 1);
        EXPECT_TRUE(std::memcmp(&run.record, &clean.record, sizeof run.record) == 0 &&
                    std::memcmp(&run.values, &clean.values, sizeof run.values) == 0);
        EXPECT_FALSE(pipeline::read(run, device, size, {k, nullptr, true}));
        EXPECT_EQ(pipeline::readsSent(), k + 5);
    }
}

}  // namespace
