// The image encoder on stored texts as fru.txt gives them back (value and
// newline), checked byte for byte.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <string>

#include "fru_record.h"
#include "write.h"

using namespace korrel;

namespace {

RunState &encoded(const std::map<int, std::string> &values, const char *date = "0A1B2C")
{
    static RunState st;
    std::memset(&st, 0, sizeof st);
    startFruImage(st);
    for (int f = 0; f < kFieldCount; ++f)
        std::snprintf(st.fruvalue[f], kValueSlot, "\n");
    std::snprintf(st.fruvalue[kDateField], kValueSlot, "%s\n", date);
    for (const auto &[f, v] : values)
        std::snprintf(st.fruvalue[f], kValueSlot, "%s\n", v.c_str());
    return st;
}

fru::Bytes imageBlocks(const RunState &st, int first, int count)
{
    return fru::Bytes(st.fruimage + 8 * first, st.fruimage + 8 * (first + count));
}

std::string golden(const char *name)
{
    std::ifstream in(std::string(GOLDEN_DIR) + "/" + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct AreaCase {
    const char *name;
    std::map<int, std::string> values;
    Area area;
    const char *bytes;
};

// Cases print by name in failure reports.
void PrintTo(const AreaCase &c, std::ostream *os)
{
    *os << c.name;
}

const AreaCase kAreaCases[] = {
    {"ChassisEndMarkerOpensSecondBlock", {{0, "AB"}}, Area::chassis,
     "01 02 17 C2 41 42 C0 C0 C1 00 00 00 00 00 00 60"},
    // C1 would end the area: one character is stored with a NUL behind it.
    {"OneCharFieldPaddedWithNul", {{0, "ABCD"}, {1, "X"}}, Area::chassis,
     "01 02 17 C4 41 42 43 44 C2 58 00 C0 C1 00 00 7D"},
    {"EmptyChassisIsOneBlock", {}, Area::chassis, "01 01 17 C0 C0 C0 C1 E6"},
    {"ProductWithAssetTagOnly", {{15, "X"}}, Area::product,
     "01 02 00 C0 C0 C0 C0 C0 C2 58 00 C0 C0 C1 00 E2"},
    {"OneCharCustomFieldPadded", {{17, "Y"}}, Area::product,
     "01 02 00 C0 C0 C0 C0 C0 C0 C0 C2 59 00 C1 00 E1"},
    {"BoardCarriesDateLeastSignificantFirst", {{6, "SN01"}}, Area::board,
     "01 03 00 2C 1B 0A C0 C0 C4 53 4E 30 31 C0 C0 C0 C1 00 00 00 00 00 00 64"},
};

class AreaTest : public testing::TestWithParam<AreaCase> {};

TEST_P(AreaTest, Bytes)
{
    const AreaCase &c = GetParam();
    RunState &st = encoded(c.values);
    ASSERT_TRUE(buildFruImage(st));
    const int offsets[] = {st.layout.chassis, st.layout.board, st.layout.product};
    fru::Bytes want = fru::parseHex(c.bytes);
    fru::Bytes got = imageBlocks(st, offsets[static_cast<int>(c.area)], static_cast<int>(want.size() / 8));
    EXPECT_EQ(fru::hexDump(got), fru::hexDump(want));
}

INSTANTIATE_TEST_SUITE_P(Examples, AreaTest, testing::ValuesIn(kAreaCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(BuildImage, NineBlockExample)
{
    RunState &st = encoded({{4, "ABC"}, {6, "SN01"}, {10, "ABC"}, {11, "X1"}});
    ASSERT_TRUE(buildFruImage(st));
    EXPECT_EQ(st.block, 8);
    EXPECT_EQ(fru::hexDump(imageBlocks(st, 0, 9)), golden("nine-block.hex"));
    EXPECT_EQ(fru::hexDump(imageBlocks(st, 9, 1)), fru::hexDump(fru::Bytes(8, 0)));
}

TEST(BuildImage, OnlyBoardSerialStoresFixedDate)
{
    RunState &st = encoded({{6, "SN01"}}, "123456");
    g_only_BSN = 1;
    bool ok = buildFruImage(st);
    g_only_BSN = 0;
    ASSERT_TRUE(ok);
    EXPECT_EQ(st.block, 7);
    EXPECT_EQ(fru::hexDump(imageBlocks(st, 0, 8)), golden("only-bsn.hex"));
}

// A CPI slot with no text at all (the file ended right behind its label)
// is an empty field, like the newline alone.
TEST(BuildImage, AbsentTextIsEmptyField)
{
    RunState &st = encoded({});
    st.fruvalue[17][0] = '\0';
    st.fruvalue[5][0] = '\0';
    ASSERT_TRUE(buildFruImage(st));
    fru::Decoded d = fru::decode(fru::Bytes(st.fruimage, st.fruimage + kImageSize));
    EXPECT_TRUE(d.problems.empty()) << d.problems.front();
    EXPECT_EQ(d.fields[17], "");
    EXPECT_EQ(d.fields[5], "");
}

TEST(BuildImage, LongestValuesDecodeBack)
{
    std::map<int, std::string> values;
    for (int f : {0, 1, 2, 4, 5, 6, 10, 11, 17})
        values[f] = std::string(63, static_cast<char>('A' + f));
    RunState &st = encoded(values);
    ASSERT_TRUE(buildFruImage(st));
    EXPECT_EQ(st.fruimage[0], 0x01);
    fru::Decoded d = fru::decode(fru::Bytes(st.fruimage, st.fruimage + kImageSize));
    ASSERT_TRUE(d.problems.empty()) << d.problems.front();
    for (const auto &[f, v] : values)
        EXPECT_EQ(d.fields[f], v) << f;
}

// The staging buffer holds 256 bytes of encoded fields per area; more is
// refused before any byte of the area is written.
TEST(BuildImage, AreaBeyondStagingBufferRefused)
{
    const struct { const char *name; std::map<int, std::string> values; bool fits; } cases[] = {
        {"board at 256", {{4, std::string(63, 'a')}, {5, std::string(63, 'b')}, {6, std::string(63, 'c')}, {7, std::string(61, 'd')}}, true},
        {"board at 257", {{4, std::string(63, 'a')}, {5, std::string(63, 'b')}, {6, std::string(63, 'c')}, {7, std::string(62, 'd')}}, false},
        {"product over", {{10, std::string(63, 'a')}, {11, std::string(63, 'b')}, {12, std::string(63, 'c')}, {13, std::string(63, 'd')}, {14, std::string(63, 'e')}}, false},
    };
    for (const auto &c : cases) {
        RunState &st = encoded(c.values);
        testing::internal::CaptureStdout();
        bool ok = buildFruImage(st);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(ok, c.fits) << c.name;
        EXPECT_EQ(out, c.fits ? "" : "Error!!!Data too long.\n") << c.name;
    }
}

TEST(StartImage, HeaderVersionAndInternalUseBlock)
{
    static RunState st;
    std::memset(&st, 0xA5, sizeof st);
    startFruImage(st);
    EXPECT_EQ(fru::hexDump(imageBlocks(st, 0, 3)),
              "01 00 00 00 00 00 00 00\n01 00 01 04 00 00 03 F7\n00 00 00 00 00 00 00 00\n");
    EXPECT_EQ(st.block, 2);
    EXPECT_EQ(st.layout.internalUse, 1);
    EXPECT_EQ(st.layout.product, 0);
    for (int f = 0; f < kFieldCount; ++f)
        EXPECT_EQ(st.fruvalue[f][0], '\0');
}

}  // namespace
