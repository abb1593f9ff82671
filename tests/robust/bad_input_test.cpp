// Hostile input end to end: command lines full of shell syntax, odd bytes,
// multibyte text at the length limit, newlines in every field, huge
// arguments, and records the decoder must refuse.  Whatever korrel does with
// them, only hex may reach a shell, and a failed run writes nothing.
#include <gtest/gtest.h>

#include "robust_support.h"

namespace {

using e2e::banner;

const std::string kRead = banner() + "Read FRU from BMC ~ Done.\n";
const std::string kTail = "Write fru.txt ~ Done.\nParser fru.txt ~ Done.\nWrite fru.sh ~ Done.\n"
                          "Execute fru.sh ~ Done.\n" + e2e::closing();
const std::string kFormatError =
    "Write fru.txt ~ Done.\nParser fru.txt ~Input File fru.txt Format Error!!!";
const char *const kKeys[] = {"CPN", "CSN", "CCI", nullptr, "BM", "BPN", "BSN", "BAN", "FFI",
                             "CM", "MN", "PN", "PPN", "PV", "PSN", "AT", "FII", "CPI"};

fru::Bytes nineBlock()
{
    return e2e::goldenDevice("nine-block.hex");
}

std::string got(const std::string &first)
{
    return "Modify FRU ~\nGot " + first + "\n";
}

std::string setLine()
{
    return "\n\n ---Run user's command--- \n\n";
}

std::string repeat(const std::string &s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// What every run must respect, whatever its input.
void expectOnlyHexReachedTheShell(const e2e::Result &r)
{
    EXPECT_EQ(robust::foreignRequest(r.requests), "");
    if (r.files.count("fru.sh") != 0) {
        EXPECT_EQ(robust::foreignScriptLine(r.files.at("fru.sh")), "");
    }
    EXPECT_EQ(r.files.count("pwned"), 0u);
    EXPECT_EQ(robust::sanitizerReport(r.err), "");
}

int field(const char *key)
{
    for (int f = 0; f < 18; ++f)
        if (kKeys[f] != nullptr && std::string(kKeys[f]) == key)
            return f;
    return -1;
}

struct Value {
    const char *key;
    std::string value;
};

// Values korrel must store byte for byte.
std::vector<Value> storedValues()
{
    std::vector<Value> v = {
        {"CPN", "$(touch pwned)"}, {"CSN", "`touch pwned`"}, {"CCI", ";touch pwned;"},
        {"BM", "|touch pwned"}, {"BPN", "&&touch pwned||"}, {"BSN", "$(touch${IFS}pwned)"},
        {"BAN", "'$(touch pwned)'"}, {"FFI", "\"`touch pwned`\""}, {"CM", "\\"},
        {"MN", "*"}, {"PN", "?[a-z]*"}, {"PPN", "~root $HOME $0 $$ $@"}, {"PV", "> pwned"},
        {"PSN", "< /etc/passwd"}, {"AT", "$((1/0))"}, {"FII", "%s%s%s%n%99999999d"},
        {"CPI", "#!/bin/sh"}, {"BSN", "'\"'\"'"}, {"PN", "0x41 0x42"},
        // Leading dashes.
        {"CPN", "-"}, {"BM", "--"}, {"PSN", "-rf /"}, {"CPI", "--help"},
        // Labels of fru.txt inside values.
        {"BSN", "Board Serial Number:"}, {"PN", "Product Name:Product Name:"},
        {"CPI", "Custom Product Info:x"}, {"CCI", "MFG Date Time:000000"},
        // Multibyte text up to the limit of 63 bytes.
        {"BPN", repeat("\xc3\xa9", 31) + "x"}, {"PN", repeat("\xe2\x82\xac", 21)},
        {"AT", repeat("\xf0\x9f\x98\x80", 15) + "abc"}, {"CM", std::string(63, '\xff')},
    };
    // Every byte from 0x01 to 0xFF but the newline, each in some field.
    std::string controls;
    for (int b = 1; b < 256; ++b) {
        if (b == '\n' || (b >= 0x20 && b < 0x7F))
            continue;
        const char *key = kKeys[b % 18] != nullptr ? kKeys[b % 18] : "BSN";
        v.push_back({key, std::string(1, char(b)) + "x" + std::string(1, char(b))});
        if (b < 0x20)
            controls += char(b);
    }
    v.push_back({"PPN", controls});
    return v;
}

TEST(BadInput, ValuesAreStoredByteForByte)
{
    const fru::Bytes device = nineBlock();
    robust::Read before = robust::readRecord(device);
    ASSERT_EQ(before.problem, "");
    std::vector<Value> table = storedValues();
    for (const Value &c : table) {
        SCOPED_TRACE(std::string(c.key) + " " + testing::PrintToString(c.value));
        e2e::Result r = e2e::run({{c.key, c.value}, device});
        EXPECT_EQ(r.out, kRead + got(c.key) + setLine() + " Done.\n" + kTail);
        EXPECT_EQ(r.status, 0);
        fru::Fields want = before.fields;
        want[field(c.key)] = c.value;
        robust::Read after = robust::readRecord(r.device);
        EXPECT_EQ(after.problem, "");
        EXPECT_EQ(after.fields, want);
        EXPECT_EQ(r.files.size(), 1u);
        expectOnlyHexReachedTheShell(r);
    }
    robust::report("stored_values_tried", static_cast<int>(table.size()));
}

// Command lines korrel must refuse before anything reaches the BMC.
struct Refused {
    std::string name;
    std::vector<std::string> args;
    std::string tail;  // console after the read line
    bool textFileLeft;
};

std::vector<Refused> refusedCommands()
{
    const std::string tooLong = setLine() + "Error!!!Data too long.\n";
    const std::string big(100 * 1024, 'v');
    std::vector<Refused> v = {
        {"TwoByteCharsTo64", {"BPN", repeat("\xc3\xa9", 32)}, got("BPN") + tooLong, false},
        {"ThreeByteCharsTo64", {"PN", repeat("\xe2\x82\xac", 21) + "x"}, got("PN") + tooLong, false},
        {"FourByteCharsTo64", {"AT", repeat("\xf0\x9f\x98\x80", 16)}, got("AT") + tooLong, false},
        {"HugeValue", {"BSN", big}, got("BSN") + tooLong, false},
        {"HugeKey", {big, "x"}, got(big) + setLine() + "\nError!!!unknown command.\n\n" + e2e::usage(), false},
        {"HugeKeyAndValue", {big, big}, got(big) + tooLong, false},
        {"LabelSmuggledOnANewLine", {"FFI", "x\nCustom MFG:evil"},
         got("FFI") + setLine() + " Done.\n" + kFormatError, true},
        {"CarriageReturnNewline", {"BSN", "x\r\ny"}, got("BSN") + setLine() + " Done.\n" + kFormatError, true},
    };
    // A newline in every field, at the start, inside and at the end.
    for (int f = 0; f < 18; ++f) {
        if (kKeys[f] == nullptr)
            continue;
        for (const char *value : {"\nAB", "A\nB", "AB\n"})
            v.push_back({std::string("NewlineIn") + kKeys[f] + testing::PrintToString(value),
                         {kKeys[f], value}, got(kKeys[f]) + setLine() + " Done.\n" + kFormatError, true});
    }
    return v;
}

TEST(BadInput, RefusedCommandLinesWriteNothing)
{
    const fru::Bytes device = nineBlock();
    std::vector<Refused> table = refusedCommands();
    for (const Refused &c : table) {
        SCOPED_TRACE(c.name);
        e2e::Result r = e2e::run({c.args, device});
        EXPECT_EQ(r.out, kRead + c.tail);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.files.size(), c.textFileLeft ? 1u : 0u);
        EXPECT_EQ(r.files.count("fru.txt"), c.textFileLeft ? 1u : 0u);
        EXPECT_EQ(r.writes(), 0);
        EXPECT_EQ(r.device, device);
        expectOnlyHexReachedTheShell(r);
    }
    robust::report("refused_command_lines_tried", static_cast<int>(table.size()));
}

// Command lines that only earn the usage: the record is rewritten as read.
TEST(BadInput, OddCommandLinesRewriteTheRecordAsRead)
{
    const std::string wrong = "\n\n ---wrong user's command, pls input data as below--- \n\n";
    const std::string without = "\n\n ---without or wrong user's command, pls input data as below--- \n\n";
    const std::string big(100 * 1024, 'k');
    const struct {
        const char *name;
        std::vector<std::string> args;
        const char *line;
    } table[] = {
        {"EmptyArgument", {""}, wrong.c_str()},
        {"DashH", {"-h"}, wrong.c_str()},
        {"DoubleDashHelp", {"--help"}, wrong.c_str()},
        {"ShellLoneArgument", {"$(touch pwned)"}, wrong.c_str()},
        {"NewlineLoneArgument", {"BSN\nx"}, wrong.c_str()},
        {"HugeLoneArgument", {big}, wrong.c_str()},
        {"ThreeEmptyArguments", {"", "", ""}, without.c_str()},
        {"AThousandArguments", std::vector<std::string>(1000, "BSN"), without.c_str()},
    };
    const fru::Bytes device = nineBlock();
    for (const auto &c : table) {
        SCOPED_TRACE(c.name);
        e2e::Result r = e2e::run({c.args, device});
        EXPECT_EQ(r.out, kRead + got(c.args[0]) + c.line + e2e::usage() + kTail);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.device, device);
        EXPECT_EQ(r.files.size(), 1u);
        expectOnlyHexReachedTheShell(r);
    }
    robust::report("odd_command_lines_tried", sizeof table / sizeof table[0]);
}

// Records whose areas korrel cannot walk to their ends.
struct BadRecord {
    std::string name;
    fru::Bytes device;
    std::string message;
    int reads;
};

fru::Bytes withByte(fru::Bytes record, size_t at, uint8_t value)
{
    record[at] = value;
    return record;
}

fru::Bytes withHeader(fru::Bytes record, int internalUse, int chassis, int board, int product)
{
    const uint8_t offsets[] = {uint8_t(internalUse), uint8_t(chassis), uint8_t(board), uint8_t(product)};
    std::copy(offsets, offsets + 4, record.begin() + 1);
    record[7] = 0;
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += record[i];
    record[7] = uint8_t(-sum);
    return record;
}

const char *const kNoEnd[] = {"Error!!!Chassis Info no EoF.\n", "Error!!!Board Info no EoF.\n",
                              "Error!!!Product Info no EoF.\n"};

// Each area's end marker in turn replaced by a byte that does not end it.
void addMissingEndMarkers(std::vector<BadRecord> &v)
{
    const fru::Bytes nine = nineBlock();
    check::Image image;
    ASSERT_EQ(check::readImage(nine.data(), nine.size(), &image), nullptr);
    const int customField[] = {2, 8, 16};  // CCI, CM, CPI: the last field of each area
    const char *const areas[] = {"Chassis", "Board", "Product"};
    for (int a = 0; a < 3; ++a) {
        const check::Field &last = image.fields[customField[a]];
        size_t marker = static_cast<size_t>(last.bytes - nine.data()) + last.length;
        for (uint8_t b : {0x01, 0x55, 0xC0, 0xC2, 0xFF})
            v.push_back({std::string(areas[a]) + "EndMarker" + std::to_string(b), withByte(nine, marker, b),
                         kNoEnd[a], static_cast<int>(marker / 8) + 1});
    }
}

// A block between two areas that does not open with 00 or C1.
void addDirtyGaps(std::vector<BadRecord> &v)
{
    fru::Layout gaps;
    gaps.gapBlocks = 1;
    fru::Bytes rec = fru::build(robust::readRecord(nineBlock()).fields, gaps);
    for (int a = 0; a < 2; ++a) {
        int area = rec[2 + a];
        int gap = area + rec[8 * area + 1];
        v.push_back({std::string("DirtyGapAfterArea") + std::to_string(a), withByte(rec, 8 * gap, 0x55), kNoEnd[a],
                     gap + 1});
    }
}

// Headers whose offsets do not lead from area to area: zero, equal, out of
// order, or overlapping the header and the internal use block.
void addBadHeaders(std::vector<BadRecord> &v)
{
    const int headers[][4] = {
        {0, 1, 0, 6}, {0, 1, 3, 0}, {0, 0, 0, 6}, {0, 0, 3, 3}, {0, 1, 3, 3}, {0, 1, 6, 3},
        {0, 3, 3, 6}, {0, 4, 3, 6}, {0, 1, 3, 2}, {1, 1, 3, 6}, {1, 0, 1, 6}, {1, 2, 1, 6},
        {5, 1, 3, 6}, {0, 255, 3, 6}, {0, 1, 255, 6}, {1, 0, 0, 0},
    };
    for (const auto &h : headers) {
        char name[48];
        std::snprintf(name, sizeof name, "Header%d_%d_%d_%d", h[0], h[1], h[2], h[3]);
        v.push_back({name, withHeader(nineBlock(), h[0], h[1], h[2], h[3]), "Error!!!Common Header Invalid.\n", 1});
    }
}

// Areas that reach past the 64 blocks korrel reads: each area in turn moved
// so that it starts in block 62 and ends beyond block 63.
void addPastTheBound(std::vector<BadRecord> &v)
{
    fru::Fields wide = robust::readRecord(nineBlock()).fields;
    for (int f = 0; f < 18; ++f)
        if (f != 3)
            wide[f] = std::string(20, char('a' + f));
    const fru::Bytes rec = fru::build(wide);  // chassis 9 blocks, board 17, product 22
    const std::string noProductEnd = kNoEnd[2];
    v.push_back({"ProductOffsetBeyondBound", fru::moveArea(rec, 4, 100), noProductEnd, 64});
    v.push_back({"ProductRunsPastBound", fru::moveArea(rec, 4, 62), noProductEnd, 64});
    v.push_back({"BoardRunsPastBound", fru::moveArea(fru::moveArea(rec, 4, 100), 3, 62), noProductEnd, 64});
    v.push_back({"ChassisRunsPastBound",
                 fru::moveArea(fru::moveArea(fru::moveArea(rec, 4, 100), 3, 80), 2, 62), noProductEnd, 64});
}

TEST(BadInput, RefusedRecordsWriteNothing)
{
    std::vector<BadRecord> table;
    addMissingEndMarkers(table);
    addDirtyGaps(table);
    addBadHeaders(table);
    addPastTheBound(table);
    for (const BadRecord &c : table) {
        SCOPED_TRACE(c.name + "\n" + fru::hexDump(fru::blocks(c.device, 0, 10)));
        e2e::Result r = e2e::run({{"BSN", "x"}, c.device});
        EXPECT_EQ(r.out, banner() + "Read FRU from BMC ~" + c.message);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.files.empty());
        EXPECT_EQ(r.reads(), c.reads);
        EXPECT_EQ(r.writes(), 0);
        EXPECT_EQ(r.device, c.device);
        expectOnlyHexReachedTheShell(r);
    }
    robust::report("refused_records_tried", static_cast<int>(table.size()));
}

}  // namespace
