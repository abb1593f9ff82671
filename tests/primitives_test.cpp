// The hex conversions and zero checksum, on the byte examples of the format.
#include <gtest/gtest.h>

#include "fields.h"
#include "hex.h"

using namespace korrel;

TEST(Byte2Str, WritesTwoUppercaseDigits)
{
    const struct { int value; const char *text; } cases[] = {
        {0x0A, "0A"}, {0xFF, "FF"}, {0x00, "00"}, {0xC1, "C1"}, {0x1F0, "F0"},
    };
    for (const auto &c : cases) {
        char out[kHexTextSize] = {'x', 'x', 'x'};
        byte2str(c.value, out);
        EXPECT_STREQ(out, c.text) << c.value;
    }
}

TEST(Str2Byte, AcceptsBothCases)
{
    const struct { const char *text; uint8_t value; } cases[] = {
        {"c1", 0xC1}, {"C1", 0xC1}, {"00", 0x00}, {"ff", 0xFF}, {"9a", 0x9A}, {"A9", 0xA9},
    };
    for (const auto &c : cases) {
        uint8_t b = 0;
        str2byte(c.text, &b);
        EXPECT_EQ(b, c.value) << c.text;
    }
}

TEST(DTstr2byte, MostSignificantPairFirst)
{
    for (const char *text : {"B9E3BC", "b9e3bc"}) {
        uint8_t out[3] = {};
        DTstr2byte(text, out);
        EXPECT_EQ(out[0], 0xB9) << text;
        EXPECT_EQ(out[1], 0xE3) << text;
        EXPECT_EQ(out[2], 0xBC) << text;
    }
}

TEST(Checksum, InternalUseBlockGivesF7)
{
    const uint8_t block[8] = {0x01, 0x00, 0x01, 0x04, 0x00, 0x00, 0x03, 0x00};
    EXPECT_EQ(doChecksum(block, 7), 9);
    EXPECT_EQ(doCRC(9), 0xF7);
}

TEST(Checksum, SumIsNotReducedAndMultipleOf256StoresZero)
{
    const uint8_t block[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0, 0, 0};
    EXPECT_EQ(doChecksum(block, 7), 0x400);
    EXPECT_EQ(doCRC(0x400), 256);
    EXPECT_EQ(static_cast<uint8_t>(doCRC(0x400)), 0);
    EXPECT_EQ(doChecksum(block, 3), 0x3FC);  // the last index is inclusive
}

TEST(IsHexPair, RejectsAnythingButTwoDigits)
{
    const struct { const char *text; bool hex; } cases[] = {
        {"08", true}, {"aF", true}, {"g0", false}, {"0", false}, {"", false}, {" 8", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isHexPair(c.text), c.hex) << '"' << c.text << '"';
}

// Offsets above 255 carry their high byte; the boundary blocks of the read.
TEST(OffsetText, BlocksAroundTheHighByte)
{
    const struct { int block; const char *lsb, *msb; } cases[] = {
        {0, "00", "00"}, {31, "F8", "00"}, {32, "00", "01"}, {33, "08", "01"},
        {40, "40", "01"}, {63, "F8", "01"},
    };
    for (const auto &c : cases) {
        char lsb[3], msb[3];
        offsetText(c.block * 8, lsb, msb);
        EXPECT_STREQ(lsb, c.lsb) << c.block;
        EXPECT_STREQ(msb, c.msb) << c.block;
    }
}

TEST(FieldTable, KeysAreExactAndCaseSensitive)
{
    EXPECT_EQ(fieldByKey("CPN"), 0);
    EXPECT_EQ(fieldByKey("BM"), 4);
    EXPECT_EQ(fieldByKey("BSN"), 6);
    EXPECT_EQ(fieldByKey("CPI"), 17);
    for (const char *key : {"bsn", "BSN ", "MFG", "", "ONLY_BSN", "B"})
        EXPECT_EQ(fieldByKey(key), -1) << key;
}
