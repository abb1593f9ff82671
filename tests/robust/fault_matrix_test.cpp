// Faults injected into whole runs against the stand-in BMC: every read and
// every write of an edit of the sample record refused in turn, malformed
// answers, a missing or broken ipmitool, an unwritable working directory,
// and files planted where korrel writes its own.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "robust_support.h"

namespace {

const std::vector<std::string> kEdit = {"BSN", "FAULT-MATRIX"};
const std::string kReadDone = e2e::banner() + "Read FRU from BMC ~ Done.\nModify FRU ~\nGot BSN\n" +
                              "\n\n ---Run user's command--- \n\n Done.\n";
const std::string kReadFailed = e2e::banner() + "Read FRU from BMC ~Error!!!Read FRU Failed.";
const std::string kScriptWritten =
    kReadDone + "Write fru.txt ~ Done.\nParser fru.txt ~ Done.\nWrite fru.sh ~ Done.\n";
const std::string kWriteFailed = kScriptWritten + "Execute fru.sh ~Error!!!Write FRU Failed.\n";
const std::string kSucceeded = kScriptWritten + "Execute fru.sh ~ Done.\n" + e2e::closing();

// What the script prints when its first `confirmed` writes went through.
std::string scriptOutput(int confirmed, int shortAt = -1)
{
    std::string out = "==== FRU =====\n";
    for (int i = 0; i < confirmed; ++i)
        out += i == shortAt ? " 07\n" : " 08\n";
    return out;
}

std::string writeRequestStart(int block)
{
    char text[40];
    std::snprintf(text, sizeof text, "raw 0x0A 0x12 0x00 0x%02X 0x%02X ", (block * 8) & 0xFF, (block * 8) >> 8);
    return text;
}

// The clean edit that every fault is measured against.
const e2e::Result &baseline()
{
    static const e2e::Result r = e2e::run({kEdit, e2e::sampleDevice()});
    return r;
}

TEST(FaultMatrix, BaselineEditSucceeds)
{
    const e2e::Result &r = baseline();
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, kSucceeded);
    fru::Fields want = fru::sampleFields();
    want[6] = kEdit[1];
    robust::Read after = robust::readRecord(r.device);
    EXPECT_EQ(after.problem, "");
    EXPECT_EQ(after.fields, want);
    EXPECT_EQ(r.writes(), std::count(r.files.at("fru.sh").begin(), r.files.at("fru.sh").end(), '\n') - 3);
}

// Every way the read can fail leaves everything as it was.
void expectReadFailure(const e2e::Result &r, int reads)
{
    EXPECT_EQ(r.out, kReadFailed);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.files.empty());
    EXPECT_EQ(r.reads(), reads);
    EXPECT_EQ(r.writes(), 0);
    EXPECT_EQ(r.device, e2e::sampleDevice());
    EXPECT_EQ(robust::sanitizerReport(r.err), "");
}

TEST(FaultMatrix, EveryRefusedReadEndsTheRunUntouched)
{
    int reads = baseline().reads();
    for (int k = 0; k < reads; ++k) {
        SCOPED_TRACE("read " + std::to_string(k) + " refused");
        expectReadFailure(e2e::run({kEdit, e2e::sampleDevice(), {{"FRUSIM_FAIL_READ", std::to_string(k)}}}),
                          k + 1);
    }
    robust::report("refused_reads_injected", reads);
}

// Answers with another count, no line at all, or a count of 08 without
// eight two-digit hex bytes behind it, one shape after another at every read.
TEST(FaultMatrix, EveryMalformedAnswerEndsTheRunUntouched)
{
    const char *const shapes[] = {
        " 07 01 02 03 04 05 06 07",       // counts other than 08
        " 18 01 02 03 04 05 06 07 08",
        " 00",
        "",                               // an empty line
        " 08",
        " 08 01 02 03 04 05 06 07",       // seven bytes
        " 08 01 02 03 04 05 06 07 8",     // the last byte one digit
        " 08 01 02 03 04 05 06 07 g8",    // not hex
        " 08 01 02 03 04 05 06 07 0x",    // a prefix where the digits belong
        " 08 1 2 3 4 5 6 7 8 9 a b c",    // one-digit bytes shift the columns
        " 08 01 02 03 04 05 06 07  08",   // so does a doubled separator
        " 08 01 02 03 04 05 06 07 -1",
        "08 01 02 03 04 05 06 07 08",     // the count one place early
    };
    const int nShapes = sizeof shapes / sizeof shapes[0];
    int reads = baseline().reads();
    for (int k = 0; k < reads; ++k) {
        const char *line = shapes[k % nShapes];
        SCOPED_TRACE("read " + std::to_string(k) + " answered \"" + line + "\"");
        std::string fault = std::to_string(k) + ":" + line;
        expectReadFailure(e2e::run({kEdit, e2e::sampleDevice(), {{"FRUSIM_READ_LINE", fault}}}), k + 1);
    }
    robust::report("malformed_answers_injected", reads);
}

// The device after the script stopped at block firstOld: the new record's
// blocks before it, the old record's from it on.
void expectBlocks(const fru::Bytes &device, int firstOld)
{
    const fru::Bytes old = e2e::sampleDevice();
    ASSERT_EQ(device.size(), old.size());
    for (int block = 0; block < static_cast<int>(old.size() / 8); ++block) {
        bool isOld = block >= firstOld;
        const fru::Bytes &want = isOld ? old : baseline().device;
        EXPECT_EQ(fru::blocks(device, block, 1), fru::blocks(want, block, 1))
            << "block " << block << (isOld ? " should be old" : " should be new");
    }
}

// A refused write stops the script there: the blocks before it hold the new
// record, the refused one and those behind it the old.
TEST(FaultMatrix, EveryRefusedWriteStopsTheScriptThere)
{
    int writes = baseline().writes();
    for (int k = 0; k < writes; ++k) {
        SCOPED_TRACE("write " + std::to_string(k) + " refused");
        e2e::Result r = e2e::run({kEdit, e2e::sampleDevice(), {{"FRUSIM_FAIL_WRITE", std::to_string(k)}}});
        EXPECT_EQ(r.out, kWriteFailed);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.files["fru.sh"], baseline().files.at("fru.sh"));
        EXPECT_EQ(r.files.count("fru.txt"), 1u);
        EXPECT_EQ(r.files["out.txt"], scriptOutput(k));
        EXPECT_EQ(r.writes(), k + 1);
        ASSERT_FALSE(r.requests.empty());
        EXPECT_EQ(r.requests.back().rfind(writeRequestStart(k), 0), 0u) << r.requests.back();
        expectBlocks(r.device, k);
        EXPECT_EQ(robust::sanitizerReport(r.err), "");
    }
    robust::report("refused_writes_injected", writes);
}

// A BMC that stores seven bytes of a block and says so: the script runs on,
// but the count in out.txt gives it away.
TEST(FaultMatrix, EveryShortWriteIsReported)
{
    int writes = baseline().writes();
    for (int k = 0; k < writes; ++k) {
        SCOPED_TRACE("write " + std::to_string(k) + " stores seven bytes");
        e2e::Result r = e2e::run({kEdit, e2e::sampleDevice(), {{"FRUSIM_WRITE_COUNT", std::to_string(k) + ":07"}}});
        EXPECT_EQ(r.out, kWriteFailed);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.files["out.txt"], scriptOutput(writes, k));
        EXPECT_EQ(r.writes(), writes);
        fru::Bytes want = baseline().device;
        want[8 * k + 7] = e2e::sampleDevice()[8 * k + 7];
        EXPECT_EQ(fru::hexDump(r.device), fru::hexDump(want));
        EXPECT_EQ(robust::sanitizerReport(r.err), "");
    }
    robust::report("short_writes_injected", writes);
}

// A stand-in ipmitool of some broken kind, alone on PATH.
struct BrokenTool {
    const char *name;
    enum { absent, directory, file } kind;
    const char *script;
    mode_t mode;
};

TEST(FaultMatrix, BrokenIpmitoolEndsTheReadUntouched)
{
    const BrokenTool tools[] = {
        {"Missing", BrokenTool::absent, "", 0},
        {"Directory", BrokenTool::directory, "", 0},
        {"NotExecutable", BrokenTool::file, "#!/bin/sh\necho ' 08 01 01 02 08 14 00 00 e0'\n", 0644},
        {"Silent", BrokenTool::file, "#!/bin/sh\nexit 0\n", 0755},
        {"ErrorOnly", BrokenTool::file, "#!/bin/sh\necho 'Could not open device at /dev/ipmi0' >&2\nexit 1\n", 0755},
        {"KilledMidLine", BrokenTool::file, "#!/bin/sh\nprintf ' 08 01 01 02'\nkill -9 $$\n", 0755},
        {"BinaryNoise", BrokenTool::file, "#!/bin/sh\nprintf '\\0010\\3778\\n'\n", 0755},
    };
    for (const BrokenTool &t : tools) {
        SCOPED_TRACE(t.name);
        char tmpl[] = "/tmp/korrel-tool-XXXXXX";
        std::string dir = mkdtemp(tmpl);
        std::string tool = dir + "/ipmitool";
        if (t.kind == BrokenTool::directory) {
            ASSERT_EQ(mkdir(tool.c_str(), 0755), 0);
        }
        if (t.kind == BrokenTool::file) {
            std::ofstream(tool) << t.script;
            ASSERT_EQ(chmod(tool.c_str(), t.mode), 0);
        }
        e2e::Run run{kEdit, e2e::sampleDevice()};
        run.path = dir + ":/nonexistent";
        expectReadFailure(e2e::run(run), 0);
        ASSERT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0);
    }
    robust::report("broken_ipmitools_injected", sizeof tools / sizeof tools[0]);
}

// The working directory, or what korrel finds in it, is not what it expects.
struct Setting {
    const char *name;
    void (*prepare)(const std::string &dir);
    bool readOnlyDir;
    std::map<std::string, std::string> env;
    std::string out;
    std::vector<std::string> files;  // left in the working directory
    bool wrote;                      // the whole record reached the BMC
};

const char *const kVictim = "keep\n";

void plant(const std::string &dir, const char *name, const char *content, mode_t mode = 0644)
{
    std::ofstream(dir + "/" + name) << content;
    chmod((dir + "/" + name).c_str(), mode);
}

void plantVictim(const std::string &dir)
{
    plant(dir, "victim", kVictim);
}

std::vector<Setting> settings()
{
    const std::string noTextFile = kReadDone + "Write fru.txt ~Input File fru.txt Error!!!\n";
    const std::string noScript =
        kReadDone + "Write fru.txt ~ Done.\nParser fru.txt ~ Done.\nWrite fru.sh ~Output File fru.sh Error!!!\n";
    const std::vector<std::string> onlyScript = {"fru.sh"};
    const std::vector<std::string> scratch = {"fru.sh", "fru.txt", "out.txt"};
    return {
        {"ReadOnlyDirectory", nullptr, true, {}, noTextFile, {}, false},
        {"ReadOnlyDirectoryWithWritableTextFile",
         [](const std::string &d) { plant(d, "fru.txt", "", 0666); }, true, {}, noScript, {"fru.txt"}, false},
        // fru.sh is written, but out.txt cannot be made, so the script never runs.
        {"ReadOnlyDirectoryWithWritableScratchFiles",
         [](const std::string &d) { plant(d, "fru.txt", "", 0666); plant(d, "fru.sh", "", 0666); }, true, {},
         kWriteFailed, {"fru.sh", "fru.txt"}, false},
        {"TextFileDanglingLink", [](const std::string &d) { (void)!symlink("nowhere", (d + "/fru.txt").c_str()); },
         false, {}, noTextFile, {"fru.txt"}, false},
        {"TextFileHardLink",
         [](const std::string &d) { plantVictim(d); (void)!link((d + "/victim").c_str(), (d + "/fru.txt").c_str()); },
         false, {}, noTextFile, {"fru.txt", "victim"}, false},
        {"TextFileDirectory", [](const std::string &d) { mkdir((d + "/fru.txt").c_str(), 0755); }, false, {},
         noTextFile, {"fru.txt"}, false},
        {"TextFileFifo", [](const std::string &d) { mkfifo((d + "/fru.txt").c_str(), 0644); }, false, {},
         noTextFile, {"fru.txt"}, false},
        {"ScriptHardLink",
         [](const std::string &d) { plantVictim(d); (void)!link((d + "/victim").c_str(), (d + "/fru.sh").c_str()); },
         false, {}, noScript, {"fru.sh", "fru.txt", "victim"}, false},
        {"ScriptDirectory", [](const std::string &d) { mkdir((d + "/fru.sh").c_str(), 0755); }, false, {},
         noScript, {"fru.sh", "fru.txt"}, false},
        {"ScriptFifo", [](const std::string &d) { mkfifo((d + "/fru.sh").c_str(), 0644); }, false, {}, noScript,
         {"fru.sh", "fru.txt"}, false},
        {"LeftOverHostileScript", [](const std::string &d) { plant(d, "fru.sh", "#!/bin/sh\ntouch pwned\n", 0755); },
         false, {}, kSucceeded, onlyScript, true},
        {"LeftOverTextFile", [](const std::string &d) { plant(d, "fru.txt", "Chassis Part Number:stale\n"); }, false,
         {}, kSucceeded, onlyScript, true},
        // A stale out.txt that reads like a confirmed write must not hide a
        // short one.
        {"LeftOverOutputClaimingSuccess",
         [](const std::string &d) { plant(d, "out.txt", scriptOutput(baseline().writes()).c_str()); }, false,
         {{"FRUSIM_WRITE_COUNT", "0:07"}}, kWriteFailed, scratch, true},
        {"OutputLinkToVictim",
         [](const std::string &d) { plantVictim(d); (void)!symlink("victim", (d + "/out.txt").c_str()); }, false, {},
         kSucceeded, {"fru.sh", "victim"}, true},
        {"OutputDirectory",
         [](const std::string &d) { mkdir((d + "/out.txt").c_str(), 0755); plant(d, "out.txt/inside", "x"); }, false,
         {}, kSucceeded, onlyScript, true},
        {"OutputFifo", [](const std::string &d) { mkfifo((d + "/out.txt").c_str(), 0644); }, false, {}, kSucceeded,
         onlyScript, true},
    };
}

TEST(FaultMatrix, WorkingDirectorySettings)
{
    std::vector<Setting> table = settings();
    for (const Setting &c : table) {
        SCOPED_TRACE(c.name);
        e2e::Run run{kEdit, e2e::sampleDevice(), c.env};
        run.prepare = c.prepare;
        run.readOnlyDir = c.readOnlyDir;
        e2e::Result r = e2e::run(run);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.status, c.out == kSucceeded ? 0 : 1);
        std::vector<std::string> files;
        for (const auto &f : r.files)
            files.push_back(f.first);
        EXPECT_EQ(files, c.files);
        if (r.files.count("victim") != 0) {
            EXPECT_EQ(r.files["victim"], kVictim);
        }
        if (c.out.find("Write fru.sh ~ Done.") != std::string::npos) {
            EXPECT_EQ(r.files["fru.sh"], baseline().files.at("fru.sh"));
        }
        EXPECT_EQ(r.writes(), c.wrote ? baseline().writes() : 0);
        if (!c.wrote) {
            EXPECT_EQ(r.device, e2e::sampleDevice());
        } else if (c.env.empty()) {
            EXPECT_EQ(r.device, baseline().device);
        }
        EXPECT_EQ(robust::sanitizerReport(r.err), "");
    }
    robust::report("directory_faults_injected", static_cast<int>(table.size()));
}

}  // namespace
