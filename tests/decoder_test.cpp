// The area decoder fed block by block, as the read loop feeds it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fru_record.h"
#include "read.h"

using namespace korrel;

namespace {

// " 08 b0 b1 .. b7\n", as ipmitool prints a Read FRU Data response.
std::string responseLine(const std::string &hexBytes, bool upper = false)
{
    std::string line = " 08";
    char text[4];
    for (uint8_t b : fru::parseHex(hexBytes)) {
        std::snprintf(text, sizeof text, upper ? " %02X" : " %02x", b);
        line += text;
    }
    return line + "\n";
}

struct Block {
    int number;
    const char *bytes;
};

struct DecodeCase {
    const char *name;
    FruLayout layout;
    std::vector<Block> blocks;
    std::map<int, std::string> values;  // field index -> value; others empty
    bool finished;
    const char *out;                    // console output of the decoder
};

// Cases print by name in failure reports.
void PrintTo(const DecodeCase &c, std::ostream *os)
{
    *os << c.name;
}

// Chassis at block 1, board at 4, product at 10, no internal use area.
constexpr FruLayout kExample = {0, 1, 4, 10, 0};

const DecodeCase kCases[] = {
    {"EmptyChassisEndsAtCustomPlace", kExample,
     {{1, "01 01 17 C0 C0 C1 00 A6"}}, {}, false, ""},
    {"FieldRunsIntoNextBlock", kExample,
     {{1, "01 02 17 CA 41 42 43 44"}, {2, "45 46 47 48 49 4A C2 58"}, {3, "59 C0 C1 00 00 00 00 00"}},
     {{0, "ABCDEFGHIJ"}, {1, "XY"}}, false, ""},
    {"TypeBitsIgnored", kExample,
     {{1, "01 02 17 0A 41 42 43 44"}, {2, "45 46 47 48 49 4A C0 C0"}, {3, "C1 00 00 00 00 00 00 00"}},
     {{0, "ABCDEFGHIJ"}}, false, ""},
    {"CustomFieldStored", kExample,
     {{1, "01 02 17 C0 C0 C3 61 62"}, {2, "63 C1 00 00 00 00 00 00"}}, {{2, "abc"}}, false, ""},
    {"SecondCustomFieldRefused", kExample,
     {{1, "01 02 17 C0 C0 C3 61 62"}, {2, "63 C2 64 65 C1 00 00 00"}}, {{2, "abc"}}, false,
     "Error!!!Chassis Info no EoF.\n"},
    {"ZeroEndMarkerAccepted", kExample,
     {{1, "01 01 17 C0 C0 C0 00 00"}, {2, "00 00 00 00 00 00 00 00"}}, {}, false, ""},
    {"PaddingBlockMustStartWithEnd", kExample,
     {{1, "01 01 17 C0 C0 C1 00 A6"}, {2, "55 00 00 00 00 00 00 00"}}, {}, false,
     "Error!!!Chassis Info no EoF.\n"},
    // C1 in the custom field's place is the end, even where another writer
    // meant it as a one-character field: its character meets the end check.
    {"OneCharCustomAtBlockEnd", kExample,
     {{1, "01 02 17 C2 41 42 C0 C1"}, {2, "58 C1 00 00 00 00 00 07"}}, {{0, "AB"}}, false,
     "Error!!!Chassis Info no EoF.\n"},
    {"BoardDateAndFirstField", kExample,
     {{4, "01 02 00 bc e3 b9 C2 41"}, {5, "42 C0 C0 C0 C0 C1 00 00"}},
     {{3, "B9E3BC"}, {4, "AB"}}, false, ""},
    {"EmptyProductEndsInSecondBlock", kExample,
     {{10, "01 02 00 C0 C0 C0 C0 C0"}, {11, "C0 C0 C1 00 00 00 00 00"}}, {}, true, ""},
    {"ProductFieldEndsOnBlockEnd", kExample,
     {{10, "01 02 00 C4 41 42 43 44"}, {11, "C0 C0 C0 C0 C0 C0 C0 C1"}}, {{10, "ABCD"}}, true, ""},
    {"ProductWithoutEnd", kExample,
     {{10, "01 02 00 C0 C0 C0 C0 C0"}, {11, "C0 C0 C0 C2 00 00 00 00"}}, {}, false,
     "Error!!!Product Info no EoF.\n"},
    {"BoardWithoutEnd", kExample,
     {{4, "01 02 00 00 00 00 C0 C0"}, {5, "C0 C0 C0 C0 FF 00 00 00"}}, {{3, "000000"}}, false,
     "Error!!!Board Info no EoF.\n"},
    // A block that lies in no area is passed over, never looped on.
    {"BlockBeforeFirstAreaPassedOver", {1, 3, 4, 10, 0},
     {{2, "DE AD BE EF 00 00 00 00"}, {3, "01 01 17 C0 C0 C1 00 A6"}}, {}, false, ""},
    {"AbsentChassisHasNoBlocks", {0, 0, 3, 6, 0},
     {{1, "C2 41 42 00 00 00 00 00"}, {2, "FF FF FF FF FF FF FF FF"}}, {}, false, ""},
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ValuesAndOutcome)
{
    const DecodeCase &c = GetParam();
    static RunState st;
    std::memset(&st, 0, sizeof st);
    st.layout = c.layout;
    testing::internal::CaptureStdout();
    bool ok = true;
    for (const Block &b : c.blocks) {
        // Odd blocks in upper case: ipmitool prints lower, a peer may not.
        std::string line = responseLine(b.bytes, b.number % 2 == 1);
        st.rd.cursor = 0;
        ok = decodeFruBlock(st, b.number, line.c_str());
        if (!ok)
            break;
    }
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, c.out);
    EXPECT_EQ(ok, out.empty());
    EXPECT_EQ(st.rd.finished != 0, c.finished);
    for (int f = 0; f < kFieldCount; ++f) {
        auto it = c.values.find(f);
        EXPECT_STREQ(st.fruvalue[f], it == c.values.end() ? "" : it->second.c_str()) << "field " << f;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, DecodeTest, testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Decode, LongestValueKeepsItsTerminator)
{
    static RunState st;
    std::memset(&st, 0, sizeof st);
    st.layout = {0, 1, 20, 30, 0};
    std::string value(63, 'Q');
    // CPN of 63 bytes, empty CSN, no custom field, over nine blocks.
    fru::Bytes area(72, 0x00);
    const uint8_t head[] = {0x01, 0x09, 0x17, 0xFF};
    std::copy(head, head + 4, area.begin());
    std::copy(value.begin(), value.end(), area.begin() + 4);
    area[67] = 0xC0;
    area[68] = 0xC1;
    for (int b = 0; b < 9; ++b) {
        std::string line = responseLine(fru::hexDump(fru::blocks(area, b, 1)));
        st.rd.cursor = 0;
        ASSERT_TRUE(decodeFruBlock(st, 1 + b, line.c_str())) << b;
    }
    EXPECT_EQ(std::string(st.fruvalue[0]), value);
    EXPECT_EQ(st.fruvalue[0][63], '\0');
}

// Headers the decoder cannot walk soundly are refused before any block is
// decoded; the layouts it can walk pass.
TEST(HeaderIsSound, Table)
{
    const struct { FruLayout layout; bool sound; } cases[] = {
        {{0, 1, 4, 10, 0}, true},
        {{1, 2, 4, 10, 0}, true},
        {{1, 3, 4, 10, 0}, true},   // two-block internal use area
        {{0, 0, 1, 2, 0}, true},    // no chassis area
        {{1, 0, 2, 3, 0}, true},
        {{0, 0, 3, 6, 0}, true},    // no chassis area, a gap before the board
        {{0, 1, 0, 10, 0}, false},  // board offset 0
        {{0, 1, 4, 0, 0}, false},   // product offset 0
        {{0, 4, 4, 10, 0}, false},  // chassis at the board offset
        {{0, 5, 4, 10, 0}, false},
        {{0, 1, 10, 10, 0}, false}, // board at the product offset
        {{0, 1, 10, 4, 0}, false},
        {{1, 1, 4, 10, 0}, false},  // chassis at block 1 beside internal use
        {{5, 1, 4, 10, 0}, false},
        {{1, 0, 1, 4, 0}, false},   // board at block 1 beside internal use
    };
    for (const auto &c : cases) {
        const FruLayout &l = c.layout;
        EXPECT_EQ(headerIsSound(l), c.sound)
            << l.internalUse << ' ' << l.chassis << ' ' << l.board << ' ' << l.product;
    }
}

TEST(ResponseIsSound, CountAndEightHexBytes)
{
    const struct { const char *line; bool sound; } cases[] = {
        {" 08 01 00 01 04 0a 00 00 f0\n", true},
        {" 08 01 00 01 04 0A 00 00 F0", true},
        {" 07 01 00 01 04 0a 00 00 f0\n", false},
        {" 18 01 00 01 04 0a 00 00 f0\n", false},
        {" 00\n", false},
        {"", false},
        {" 08 01 00 01 04 0a 00 00\n", false},    // seven bytes
        {" 08 01 00 01 04 0a 00 00 g0\n", false},
        {" 08 zz zz zz zz zz zz zz zz\n", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(responseIsSound(c.line), c.sound) << '"' << c.line << '"';
}

}  // namespace
