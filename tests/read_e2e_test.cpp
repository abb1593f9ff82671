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

fru::Bytes withHeader(fru::Bytes rec, const char *header)
{
    fru::Bytes h = fru::parseHex(header);
    std::copy(h.begin(), h.end(), rec.begin());
    return rec;
}

fru::Bytes withBlock(fru::Bytes rec, int block, const char *bytes)
{
    fru::Bytes b = fru::parseHex(bytes);
    std::copy(b.begin(), b.end(), rec.begin() + 8 * block);
    return rec;
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

// Every way the read can fail: the message follows the progress text on
// its line, the run ends with status 1, and nothing is written anywhere.
struct ReadFailure {
    const char *name;
    fru::Bytes device;
    std::map<std::string, std::string> env;
    std::string message;
    int reads;
    std::string path;
};

// Cases print by name in failure reports.
void PrintTo(const ReadFailure &c, std::ostream *os)
{
    *os << c.name;
}

const char *const kReadFailed = "Error!!!Read FRU Failed.";

std::vector<ReadFailure> readFailures()
{
    fru::Bytes nine = nineBlock();
    return {
        // A count other than 08, or no line at all.  Every refused read,
        // malformed answer and refused record shape is in tests/robust.
        {"Count07", nine, {{"FRUSIM_READ_LINE", "0: 07 01 01 02 03 06 00 00"}}, kReadFailed, 1, ""},
        {"Count18", nine, {{"FRUSIM_READ_LINE", "2: 18 01 01 17 c0 c0 c0 c1 e6"}}, kReadFailed, 3, ""},
        {"Count00", nine, {{"FRUSIM_READ_LINE", "1: 00"}}, kReadFailed, 2, ""},
        {"EmptyLine", nine, {{"FRUSIM_READ_LINE", "0:"}}, kReadFailed, 1, ""},
        {"ReadCrossesDeviceEnd", e2e::goldenDevice("nine-block.hex", 68), {}, kReadFailed, 9, ""},
        {"ChassisWithoutEnd", withBlock(nine, 2, "01 01 17 C0 C0 C0 C2 E6"), {},
         "Error!!!Chassis Info no EoF.\n", 3, ""},
        // The bound of 64 blocks cuts the product area off: rewriting it
        // would lose its fields.
        {"ProductBeyondReadBound", productEndingIn(64), {}, "Error!!!Product Info no EoF.\n", 64, ""},
        {"ChassisAtBlock1WithInternalUse", withHeader(nine, "01 01 01 03 06 00 00 F4"), {},
         "Error!!!Common Header Invalid.\n", 1, ""},
    };
}

class ReadFailureTest : public testing::TestWithParam<ReadFailure> {};

TEST_P(ReadFailureTest, EndsBeforeAnythingIsWritten)
{
    const ReadFailure &c = GetParam();
    e2e::Run run{{"BSN", "NEW"}, c.device, c.env, c.path};
    e2e::Result r = e2e::run(run);
    EXPECT_EQ(r.out, banner() + "Read FRU from BMC ~" + c.message);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.files.empty());
    EXPECT_EQ(r.reads(), c.reads);
    EXPECT_EQ(r.writes(), 0);
    EXPECT_EQ(r.device, c.device);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadFailureTest, testing::ValuesIn(readFailures()),
                         [](const auto &info) { return std::string(info.param.name); });

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
