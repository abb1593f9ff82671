// fru.txt written and read back in a scratch working directory.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "korrel_run.h"
#include "textfile.h"

using namespace korrel;

namespace {

// The fru.txt of the nine-block example record.
const char *const kLines[kFieldCount] = {
    "Chassis Part Number:", "Chassis Serial Number:", "Custom Chassis Info:",
    "MFG Date Time:0A1B2C", "Board manufacturer:ABC", "Board Product Name:",
    "Board Serial Number:SN01", "Board Part Number:", "FRU File IDS:", "Custom MFG:",
    "Manufacturer Name:ABC", "Product Name:X1", "Product Part Model Number:",
    "Product Version:", "Product Serial Number:", "Asset Tag:", "FRU File ID:",
    "Custom Product Info:",
};

std::string file(int replace = -1, const std::string &with = "", int lines = kFieldCount)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += (i == replace ? with : std::string(kLines[i])) + "\n";
    return text;
}

class TextFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/korrel-text-XXXXXX";
        dir_ = mkdtemp(tmpl);
        ASSERT_EQ(getcwd(old_, sizeof old_), old_);
        ASSERT_EQ(chdir(dir_.c_str()), 0);
        std::memset(&st_, 0, sizeof st_);
    }
    void TearDown() override
    {
        ASSERT_EQ(chdir(old_), 0);
        std::string cmd = "rm -rf " + dir_;
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    std::string parse(const std::string &content)
    {
        std::ofstream("fru.txt", std::ios::binary) << content;
        testing::internal::CaptureStdout();
        ok_ = parseFruText(st_);
        return testing::internal::GetCapturedStdout();
    }

    std::string dir_;
    char old_[4096];
    static RunState st_;
    bool ok_ = false;
};

RunState TextFileTest::st_;

TEST_F(TextFileTest, ReadsBackStoredTextsWithNewline)
{
    EXPECT_EQ(parse(file()), "Parser fru.txt ~ Done.\n");
    EXPECT_TRUE(ok_);
    EXPECT_STREQ(st_.fruvalue[3], "0A1B2C\n");
    EXPECT_STREQ(st_.fruvalue[6], "SN01\n");
    EXPECT_STREQ(st_.fruvalue[0], "\n");
    EXPECT_STREQ(st_.fruvalue[17], "\n");
}

struct ParseCase {
    const char *name;
    std::string content;
    const char *out;
    int field;          // a slot to check, -1 for none
    const char *stored;
};

// Cases print by name in failure reports.
void PrintTo(const ParseCase &c, std::ostream *os)
{
    *os << c.name;
}

const std::string kLong64(64, 'v');

const ParseCase kParseCases[] = {
    {"LabelFoundInsideLine", file(11, "Board Product Name:X"), "Parser fru.txt ~ Done.\n", 11, "X\n"},
    {"TextBeforeLabelIgnored", file(0, "## Chassis Part Number:AB"), "Parser fru.txt ~ Done.\n", 0, "AB\n"},
    {"LastLineWithoutNewline", file(-1, "", 17) + "Custom Product Info:", "Parser fru.txt ~ Done.\n", 17, ""},
    {"ValueOf64Kept63", file(6, "Board Serial Number:" + kLong64),
     "Parser fru.txt ~Value Longer Than 63 Bytes!!! Done.\n", 6, "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv"},
    {"LinesAfterLongValueStillRead", file(6, "Board Serial Number:" + kLong64),
     "Parser fru.txt ~Value Longer Than 63 Bytes!!! Done.\n", 10, "ABC\n"},
    {"MissingLabel", file(4, "Board maker:ABC"), "Parser fru.txt ~Input File fru.txt Format Error!!!", -1, ""},
    {"OtherFieldsLabel", file(16, "Custom Product Info:"), "Parser fru.txt ~Input File fru.txt Format Error!!!", -1, ""},
    {"DateTooShort", file(3, "MFG Date Time:0A1B2"), "Parser fru.txt ~MFG Date Time Format Error!!!", -1, ""},
    {"DateTooLong", file(3, "MFG Date Time:0A1B2C3"), "Parser fru.txt ~MFG Date Time Format Error!!!", -1, ""},
    {"DateEmpty", file(3, "MFG Date Time:"), "Parser fru.txt ~MFG Date Time Format Error!!!", -1, ""},
    {"FileCutShort", file(-1, "", 10), "Parser fru.txt ~Input File fru.txt Format Error!!!", -1, ""},
    {"EmptyFile", "", "Parser fru.txt ~Input File fru.txt Format Error!!!", -1, ""},
    {"NineteenthLine", file() + "rest of a value\n", "Parser fru.txt ~Input File fru.txt Format Error!!!", -1, ""},
    {"SplitValueInLastField", file(17, "Custom Product Info:A") + "B\n", "Parser fru.txt ~Input File fru.txt Format Error!!!", -1, ""},
    {"SplitValueInMiddle", file(6, "Board Serial Number:A\nB"), "Parser fru.txt ~Input File fru.txt Format Error!!!", -1, ""},
};

class ParseTest : public TextFileTest, public testing::WithParamInterface<ParseCase> {};

TEST_P(ParseTest, OutcomeAndStoredText)
{
    const ParseCase &c = GetParam();
    EXPECT_EQ(parse(c.content), c.out);
    EXPECT_EQ(ok_, std::string(c.out).find("Done.") != std::string::npos);
    if (c.field >= 0) {
        EXPECT_STREQ(st_.fruvalue[c.field], c.stored);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, ParseTest, testing::ValuesIn(kParseCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TextFileTest, MissingFileReported)
{
    testing::internal::CaptureStdout();
    EXPECT_FALSE(parseFruText(st_));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Parser fru.txt ~Input File fru.txt Error!!!\n");
}

TEST_F(TextFileTest, WritesOneLabelledLinePerField)
{
    std::strcpy(st_.fruvalue[3], "0A1B2C");
    std::strcpy(st_.fruvalue[4], "ABC");
    std::strcpy(st_.fruvalue[6], "SN01");
    std::strcpy(st_.fruvalue[10], "ABC");
    std::strcpy(st_.fruvalue[11], "X1");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(writeFruText(st_));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Write fru.txt ~ Done.\n");
    EXPECT_EQ(e2e::readFile("fru.txt"), file());
}

}  // namespace
