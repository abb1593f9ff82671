// Whole edits end to end: console, files left, fru.sh and the record the
// stand-in BMC holds afterwards.
#include <gtest/gtest.h>


#include <algorithm>

#include "korrel_run.h"

namespace {

using e2e::banner;
using e2e::closing;
using e2e::usage;

const std::string kRead = "Read FRU from BMC ~ Done.\n";
const std::string kSuccessTail = "Write fru.txt ~ Done.\nParser fru.txt ~ Done.\nWrite fru.sh ~ Done.\n"
                                  "Execute fru.sh ~ Done.\n" + closing();

std::string got(const std::string &first)
{
    return "Modify FRU ~\nGot " + first + "\n";
}

std::string setCommand()
{
    return "\n\n ---Run user's command--- \n\n";
}

fru::Bytes nineBlock()
{
    return e2e::goldenDevice("nine-block.hex");
}

int scriptBlocks(const e2e::Result &r)
{
    const std::string &sh = r.files.at("fru.sh");
    return static_cast<int>(std::count(sh.begin(), sh.end(), '\n')) - 3;
}

TEST(EditE2E, NoArgumentsRewritesNineBlockRecordUnchanged)
{
    e2e::Result r = e2e::run({{}, nineBlock()});
    EXPECT_EQ(r.out, e2e::golden("nine-block-noargs.out"));
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.files.size(), 1u);
    EXPECT_EQ(r.files["fru.sh"], e2e::golden("nine-block.fru.sh"));
    EXPECT_EQ(r.modes["fru.sh"], 0755u);
    EXPECT_EQ(r.writes(), 9);
    EXPECT_EQ(r.device, nineBlock());
}

TEST(EditE2E, OnlyBoardSerial)
{
    e2e::Result r = e2e::run({{"ONLY_BSN"}, nineBlock()});
    EXPECT_EQ(r.out, e2e::golden("only-bsn.out"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(fru::hexDump(fru::blocks(r.device, 0, 8)), e2e::golden("only-bsn.hex"));
    EXPECT_EQ(scriptBlocks(r), 8);
    EXPECT_NE(r.files["fru.sh"].find("\nipmitool raw 0x0A 0x12 0x00 0x18 0x00 0x01 0x03 0x00 0xBC 0xE3 0xB9 0xC0 0xC0\n"),
              std::string::npos);
}

TEST(EditE2E, BoardSerialOfSampleRecord)
{
    e2e::Result r = e2e::run({{"BSN", "ABC123"}, e2e::sampleDevice()});
    EXPECT_EQ(r.out, banner() + kRead + got("BSN") + setCommand() + " Done.\n" + kSuccessTail);
    EXPECT_EQ(r.status, 0);
    fru::Fields want = fru::sampleFields();
    want[6] = "ABC123";
    fru::Decoded d = fru::decode(r.device);
    EXPECT_TRUE(d.problems.empty()) << d.problems.front();
    EXPECT_EQ(d.fields, want);
    // 35 reads, the last three above byte offset 255.
    std::vector<std::string> reads(r.requests.begin(), r.requests.begin() + std::min<size_t>(35, r.requests.size()));
    std::vector<std::string> wantReads;
    for (int b = 0; b < 35; ++b)
        wantReads.push_back(e2e::readRequest(b));
    EXPECT_EQ(reads, wantReads);
    EXPECT_EQ(r.reads(), 35);
    EXPECT_EQ(r.writes(), scriptBlocks(r));
    EXPECT_EQ(r.files.size(), 1u);
}

// Command lines that only print the usage still rewrite the record.
TEST(EditE2E, UsageOnlyCommandsRewriteAsRead)
{
    const struct { std::vector<std::string> args; std::string first; const char *line; } cases[] = {
        {{}, "(null)", "\n\n ---without or wrong user's command, pls input data as below--- \n\n"},
        {{"a", "b", "c"}, "a", "\n\n ---without or wrong user's command, pls input data as below--- \n\n"},
        {{"only_bsn"}, "only_bsn", "\n\n ---wrong user's command, pls input data as below--- \n\n"},
        {{"BSN"}, "BSN", "\n\n ---wrong user's command, pls input data as below--- \n\n"},
    };
    for (const auto &c : cases) {
        e2e::Result r = e2e::run({c.args, nineBlock()});
        EXPECT_EQ(r.out, banner() + kRead + got(c.first) + c.line + usage() + kSuccessTail) << c.first;
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.device, nineBlock());
    }
}

// The two command lines that end the run: a value of 64 bytes or more
// (tested before the key), and a key not in the table.  Nothing is written,
// in the working directory or to the BMC.  Faults at every request, planted
// files and hostile values are in tests/robust.
struct CommandFailure {
    const char *name;
    std::vector<std::string> args;
    std::string tail;  // console after the Got line
};

// Cases print by name in failure reports.
void PrintTo(const CommandFailure &c, std::ostream *os)
{
    *os << c.name;
}

const std::string kTooLong = setCommand() + "Error!!!Data too long.\n";
const std::string kUnknown = setCommand() + "\nError!!!unknown command.\n\n" + usage();

const CommandFailure kCommandFailures[] = {
    {"ValueOf64", {"BSN", std::string(64, 'x')}, kTooLong},
    {"ValueOf64WithBadKey", {"XYZ", std::string(64, 'x')}, kTooLong},
    {"LowercaseKey", {"bsn", "x"}, kUnknown},
    {"DateHasNoKey", {"MFG", "x"}, kUnknown},
    {"OnlyBsnWithValue", {"ONLY_BSN", "x"}, kUnknown},
    {"EmptyKey", {"", "x"}, kUnknown},
};

class CommandFailureTest : public testing::TestWithParam<CommandFailure> {};

TEST_P(CommandFailureTest, EndsBeforeAnythingIsWritten)
{
    const CommandFailure &c = GetParam();
    e2e::Result r = e2e::run({c.args, nineBlock()});
    EXPECT_EQ(r.out, banner() + kRead + got(c.args[0]) + c.tail);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.files.empty());
    EXPECT_EQ(r.writes(), 0);
    EXPECT_EQ(r.device, nineBlock());
}

INSTANTIATE_TEST_SUITE_P(Table, CommandFailureTest, testing::ValuesIn(kCommandFailures),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
