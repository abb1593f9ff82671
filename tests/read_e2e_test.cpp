// The read phase end to end: the real binary against the stand-in BMC.
#include <gtest/gtest.h>

#include "korrel_run.h"

namespace {

using e2e::banner;

fru::Bytes nineBlock()
{
    return e2e::goldenDevice("nine-block.hex");
}

// Board at block 1 and the product area moved so that it ends in `last`.
fru::Bytes productEndingIn(int last)
{
    fru::Layout noChassis;
    noChassis.chassis = false;
    fru::Bytes rec = fru::build(fru::Fields{"", "", "", "0A1B2C"}, noChassis);
    return fru::moveArea(rec, 4, last - 1);  // an empty product area is two blocks
}

TEST(ReadE2E, NineBlockRecordReadsBlocks0To8)
{
    e2e::Result r = e2e::run({{}, nineBlock()});
    std::vector<std::string> reads(r.requests.begin(), r.requests.begin() + 9);
    std::vector<std::string> want;
    for (int b = 0; b < 9; ++b)
        want.push_back(e2e::readRequest(b));
    EXPECT_EQ(reads, want);
    EXPECT_EQ(r.reads(), 9);
    EXPECT_EQ(r.out.substr(0, banner().size() + 26), banner() + "Read FRU from BMC ~ Done.\n");
}

// Records laid out otherwise than korrel's own are read whole: rewritten in
// korrel's layout, they hold the same values.
struct ReadLayout {
    const char *name;
    fru::Bytes device;
    std::map<std::string, std::string> env;
    int reads;
    bool done;  // " Done." ends the read line
};

// Cases print by name in failure reports.
void PrintTo(const ReadLayout &c, std::ostream *os)
{
    *os << c.name;
}

fru::Fields someFields()
{
    fru::Fields f = fru::sampleFields();
    f[2] = "";
    f[9] = "custom board";
    return f;
}

std::vector<ReadLayout> readLayouts()
{
    fru::Layout twoBlockInternalUse;
    twoBlockInternalUse.internalUse = true;
    twoBlockInternalUse.internalUseBlocks = 2;
    fru::Layout noChassis;
    noChassis.chassis = false;
    fru::Layout noChassisWithInternalUse = noChassis;
    noChassisWithInternalUse.internalUse = true;
    fru::Layout gaps;
    gaps.gapBlocks = 2;
    gaps.fill = 0xFF;
    return {
        {"UppercaseResponses", nineBlock(), {{"FRUSIM_UPPERCASE", "1"}}, 9, true},
        {"SampleRecord", e2e::sampleDevice(), {}, 35, true},
        {"TwoBlockInternalUse", fru::build(someFields(), twoBlockInternalUse), {}, 0, true},
        {"NoChassisArea", fru::build(someFields(), noChassis), {}, 0, true},
        {"NoChassisWithInternalUse", fru::build(someFields(), noChassisWithInternalUse), {}, 0, true},
        {"ZeroBlocksBetweenAreas", fru::build(someFields(), gaps), {}, 0, true},
        {"NoChassisGapBeforeBoard", fru::moveArea(fru::moveArea(fru::build(someFields(), noChassis), 4, 40), 3, 3), {}, 0, true},
        // Ending in the last block of the bound, the read stops by the bound:
        // no " Done.", but the record is whole.
        {"ProductEndsInBlock63", productEndingIn(63), {}, 64, false},
    };
}

class ReadLayoutTest : public testing::TestWithParam<ReadLayout> {};

TEST_P(ReadLayoutTest, RewrittenWithTheSameValues)
{
    const ReadLayout &c = GetParam();
    e2e::Result r = e2e::run({{}, c.device, c.env});
    ASSERT_EQ(r.status, 0) << r.out;
    std::string readLine = std::string("Read FRU from BMC ~") + (c.done ? " Done.\n" : "") + "Modify FRU ~";
    EXPECT_EQ(r.out.substr(banner().size(), readLine.size()), readLine);
    if (c.reads > 0) {
        EXPECT_EQ(r.reads(), c.reads);
    }
    fru::Decoded before = fru::decode(c.device);
    fru::Decoded after = fru::decode(r.device);
    ASSERT_TRUE(before.problems.empty()) << before.problems.front();
    EXPECT_TRUE(after.problems.empty()) << after.problems.front();
    EXPECT_EQ(after.fields, before.fields);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadLayoutTest, testing::ValuesIn(readLayouts()),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
