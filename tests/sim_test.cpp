// The stand-in BMC is what every end-to-end test of korrel stands on, so its
// own answers are pinned here: run the built binary against a scratch image
// and compare what it prints, its exit status and the image afterwards.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// 262 bytes: offsets above 0xFF are reachable, and byte i holds i % 251 so
// that a read which ignored the offset's MSB would print other bytes.
constexpr int kImageSize = 0x106;

struct Step {
  const char *args;    // after the program name, split on blanks
  const char *out;     // expected standard output
  int status;          // expected exit status
  const char *errHas;  // text standard error must contain, "" for none
};

struct Patch {
  int offset;
  const char *bytes;  // hex pairs written there, nullptr: image unchanged
};

struct Scenario {
  const char *name;
  std::vector<std::string> env;  // NAME=VALUE on top of FRUSIM_IMAGE and FRUSIM_LOG
  std::vector<Step> steps;
  Patch patch;
};

void PrintTo(const Scenario &sc, std::ostream *os) { *os << sc.name; }

std::string readFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string hexDump(const std::string &bytes) {
  std::string out;
  char pair[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    snprintf(pair, sizeof pair, "%02x%c", static_cast<unsigned char>(bytes[i]), i % 16 == 15 ? '\n' : ' ');
    out += pair;
  }
  return out;
}

class SimTest : public ::testing::TestWithParam<Scenario> {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/sim_test.XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    for (int i = 0; i < kImageSize; ++i) original_ += static_cast<char>(i % 251);
    std::ofstream(dir_ + "/image.bin", std::ios::binary) << original_;
  }
  void TearDown() override {
    for (const char *f : {"/image.bin", "/log", "/out", "/err"}) unlink((dir_ + f).c_str());
    rmdir(dir_.c_str());
  }

  int run(const Step &step, const std::vector<std::string> &env) {
    std::vector<std::string> words{"ipmitool"};
    std::istringstream split(step.args);
    for (std::string w; split >> w;) words.push_back(w);
    pid_t pid = fork();
    if (pid == 0) {
      std::vector<char *> argv;
      for (auto &w : words) argv.push_back(&w[0]);
      argv.push_back(nullptr);
      for (const char *v : {"FRUSIM_FAIL_READ", "FRUSIM_FAIL_WRITE", "FRUSIM_READ_LINE", "FRUSIM_WRITE_COUNT",
                            "FRUSIM_UPPERCASE"})
        unsetenv(v);
      setenv("FRUSIM_IMAGE", (dir_ + "/image.bin").c_str(), 1);
      setenv("FRUSIM_LOG", (dir_ + "/log").c_str(), 1);
      for (const auto &e : env) setenv(e.substr(0, e.find('=')).c_str(), e.substr(e.find('=') + 1).c_str(), 1);
      dup2(open((dir_ + "/out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
      dup2(open((dir_ + "/err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
      execv(SIM_BINARY, argv.data());
      _exit(127);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string dir_;
  std::string original_;
};

TEST_P(SimTest, AnswersEachRequestAndLeavesTheImageAsExpected) {
  const Scenario &sc = GetParam();
  std::string expectedLog;
  for (const Step &step : sc.steps) {
    SCOPED_TRACE(step.args);
    EXPECT_EQ(run(step, sc.env), step.status);
    EXPECT_EQ(readFile(dir_ + "/out"), step.out);
    std::string err = readFile(dir_ + "/err");
    if (*step.errHas) {
      EXPECT_NE(err.find(step.errHas), std::string::npos) << err;
    } else if (step.status == 0) {
      EXPECT_EQ(err, "");
    }
    if (step.status != 0) {
      EXPECT_NE(err, "") << "a refusal must say why";
    }
    expectedLog += std::string(step.args) + "\n";
  }
  std::string expected = original_;
  std::string patch = sc.patch.bytes ? sc.patch.bytes : "";
  for (size_t i = 0; i + 1 < patch.size(); i += 3)
    expected[sc.patch.offset + i / 3] = static_cast<char>(std::stoi(patch.substr(i, 2), nullptr, 16));
  std::string image = readFile(dir_ + "/image.bin");
  EXPECT_EQ(image, expected) << "image:\n" << hexDump(image) << "expected:\n" << hexDump(expected);
  bool logged = std::find(sc.env.begin(), sc.env.end(), "FRUSIM_LOG=") == sc.env.end();
  if (logged) {
    EXPECT_EQ(readFile(dir_ + "/log"), expectedLog);
  }
}

// The refusals of ipmi_sim, as tests/realbmc/standin.sh checks them.
const char *const kUnspecified = "rsp=0xff): Unspecified error";
const char *const kLengthLimit = "rsp=0xc8): Request data field length limit exceeded";
const char *const kOutOfRange = "rsp=0xc9): Parameter out of range";
const char *const kInvalidField = "rsp=0xcc): Invalid data field in request";

// A write of `bytes` zeros at offset 0, and the patch it makes.
std::string zeroWrite(int bytes) {
  std::string s = "raw 0x0A 0x12 0x00 0x00 0x00";
  for (int i = 0; i < bytes; ++i) s += " 0x00";
  return s;
}
std::string zeroPatch(int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += i ? " 00" : "00";
  return s;
}
// ipmitool takes 256 bytes after "raw": netfn, cmd, device, offset and 251.
const std::string kLargestWrite = zeroWrite(251);
const std::string kLargestPatch = zeroPatch(251);
const std::string kTooLongWrite = zeroWrite(252);

// Requests a BMC answers, around both ends of the device and of one transfer.
const Scenario kAnswered[] = {
    {"ReadFirstBlock", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x08", " 08 00 01 02 03 04 05 06 07\n", 0, ""}}, {}},
    {"ReadLowerCaseArgs", {}, {{"raw 0x0a 0x11 0x00 0xf8 0x00 0x08", " 08 f8 f9 fa 00 01 02 03 04\n", 0, ""}}, {}},
    {"ReadAcross256", {}, {{"raw 0x0A 0x11 0x00 0xFE 0x00 0x08", " 08 03 04 05 06 07 08 09 0a\n", 0, ""}}, {}},
    {"ReadAbove256", {}, {{"raw 0x0A 0x11 0x00 0x02 0x01 0x02", " 02 07 08\n", 0, ""}}, {}},
    {"ReadCrossingEndIsShort", {}, {{"raw 0x0A 0x11 0x00 0x00 0x01 0x08", " 06 05 06 07 08 09 0a\n", 0, ""}}, {}},
    {"ReadLastByte", {}, {{"raw 0x0A 0x11 0x00 0x05 0x01 0x08", " 01 0a\n", 0, ""}}, {}},
    {"ReadOneByte", {}, {{"raw 0x0A 0x11 0x00 0x10 0x00 0x1", " 01 10\n", 0, ""}}, {}},
    {"ReadCountCutAtEnd", {}, {{"raw 0x0A 0x11 0x00 0x00 0x01 0xFF", " 06 05 06 07 08 09 0a\n", 0, ""}}, {}},
    // Sixteen bytes a line, the count included.
    {"ReadLargestCount", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x22",
                               " 22 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e\n"
                               " 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e\n"
                               " 1f 20 21\n", 0, ""}}, {}},
    {"ReadFifteenBytesOnOneLine", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x0F",
                                        " 0f 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e\n", 0, ""}}, {}},
    {"ReadIgnoresExtraByte", {}, {{"raw 0x0A 0x11 0x00 0x10 0x00 0x01 0x55", " 01 10\n", 0, ""}}, {}},
    {"InventorySize", {}, {{"raw 0x0A 0x10 0x00", " 06 01 00\n", 0, ""}}, {}},
    {"WriteBlock", {}, {{"raw 0x0A 0x12 0x00 0x08 0x00 0x01 0xA2 0x03 0x04 0x05 0x06 0x07 0xF8", " 08\n", 0, ""}},
     {0x08, "01 a2 03 04 05 06 07 f8"}},
    {"WriteAcrossMsbUpToEnd", {}, {{"raw 0x0A 0x12 0x00 0xFE 0x00 0x11 0x22 0x33 0x44 0x55 0x66 0x77 0x88", " 08\n", 0,
                                    ""}},
     {0xFE, "11 22 33 44 55 66 77 88"}},
    {"WriteFortyBytes", {}, {{"raw 0x0A 0x12 0x00 0x00 0x00 0x01 0x02 0x03 0x04 0x05 0x06 0x07 0x08 0x09 0x0A 0x0B 0x0C "
                              "0x0D 0x0E 0x0F 0x10 0x11 0x12 0x13 0x14 0x15 0x16 0x17 0x18 0x19 0x1A 0x1B 0x1C 0x1D 0x1E "
                              "0x1F 0x20 0x21 0x22 0x23 0x24 0x25 0x26 0x27 0x28", " 28\n", 0, ""}},
     {0x00, "01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f 20 21 22 "
            "23 24 25 26 27 28"}},
    {"WriteLargest", {}, {{kLargestWrite.c_str(), " fb\n", 0, ""}}, {0x00, kLargestPatch.c_str()}},
    {"WriteOneByteThenReadIt", {}, {{"raw 0x0A 0x12 0x00 0x01 0x01 0xEE", " 01\n", 0, ""},
                                    {"raw 0x0A 0x11 0x00 0x00 0x01 0x02", " 02 05 ee\n", 0, ""}},
     {0x101, "ee"}},
};
INSTANTIATE_TEST_SUITE_P(Answered, SimTest, ::testing::ValuesIn(kAnswered),
                         [](const auto &info) { return std::string(info.param.name); });

// Requests that fail the way ipmitool fails: exit 1, nothing on stdout, nothing written.
const Scenario kRefused[] = {
    // Up to two bytes past the end nothing is left to read; further on the
    // count the BMC works out wraps round and is too large.
    {"ReadAtEnd", {}, {{"raw 0x0A 0x11 0x00 0x06 0x01 0x08", "", 1, kUnspecified}}, {}},
    {"ReadTwoPastEnd", {}, {{"raw 0x0A 0x11 0x00 0x08 0x01 0x08", "", 1, kUnspecified}}, {}},
    {"ReadThreePastEnd", {}, {{"raw 0x0A 0x11 0x00 0x09 0x01 0x08", "", 1, kLengthLimit}}, {}},
    {"ReadFarPastEnd", {}, {{"raw 0x0A 0x11 0x00 0x00 0x02 0x08", "", 1, kLengthLimit}}, {}},
    {"ReadCountZero", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x00", "", 1, kUnspecified}}, {}},
    {"ReadCountOverLimit", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x23", "", 1, kLengthLimit}}, {}},
    {"ReadOtherDevice", {}, {{"raw 0x0A 0x11 0x01 0x00 0x00 0x08", "", 1, kInvalidField}}, {}},
    {"ReadWithoutCount", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00", "", 1, "rsp=0xc7"}}, {}},
    {"InventorySizeOtherDevice", {}, {{"raw 0x0A 0x10 0x01", "", 1, kInvalidField}}, {}},
    {"InventorySizeWithoutDevice", {}, {{"raw 0x0A 0x10", "", 1, "rsp=0xc7"}}, {}},
    {"OtherCommand", {}, {{"raw 0x0A 0x13 0x00", "", 1, "netfn=0xa lun=0x0 cmd=0x13 rsp=0xc1"}}, {}},
    {"OtherNetFn", {}, {{"raw 0x06 0x11 0x00 0x00 0x00 0x08", "", 1, "rsp=0xc1"}}, {}},
    {"ByteWithoutPrefix", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00 08", "", 1, "Given data \"08\" is invalid."}}, {}},
    {"ByteOfThreeDigits", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x008", "", 1, "Given data \"0x008\" is invalid."}},
     {}},
    {"PrefixWithoutDigits", {}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x", "", 1, "Given data \"0x\" is invalid."}}, {}},
    {"NetFnWithoutCommand", {}, {{"raw 0x0A", "", 1, "Not enough parameters given."}}, {}},
    {"NotRaw", {}, {{"fru print", "", 1, ""}}, {}},
    {"WriteCrossingEnd", {}, {{"raw 0x0A 0x12 0x00 0xFF 0x00 0x11 0x22 0x33 0x44 0x55 0x66 0x77 0x88", "", 1,
                               kLengthLimit}}, {}},
    {"WriteAtEnd", {}, {{"raw 0x0A 0x12 0x00 0x06 0x01 0x11", "", 1, kOutOfRange}}, {}},
    {"WriteAtEndWithoutData", {}, {{"raw 0x0A 0x12 0x00 0x06 0x01", "", 1, kOutOfRange}}, {}},
    {"WriteWithoutData", {}, {{"raw 0x0A 0x12 0x00 0x00 0x00", "", 1, kUnspecified}}, {}},
    {"WriteWithoutOffset", {}, {{"raw 0x0A 0x12 0x00 0x00", "", 1, "rsp=0xc7"}}, {}},
    {"WriteOtherDevice", {}, {{"raw 0x0A 0x12 0x02 0x00 0x00 0x11", "", 1, kInvalidField}}, {}},
    {"WriteTooLong", {}, {{kTooLongWrite.c_str(), "", 1, "Raw command input limit (256 bytes) exceeded"}}, {}},
    {"NoImage", {"FRUSIM_IMAGE=/nonexistent/image.bin"}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x08", "", 1, ""}}, {}},
    {"FaultWithoutLog", {"FRUSIM_LOG=", "FRUSIM_FAIL_READ=5"}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x08", "", 1, ""}}, {}},
    {"MalformedFault", {"FRUSIM_WRITE_COUNT=0:xyz"}, {{"raw 0x0A 0x11 0x00 0x00 0x00 0x08", "", 1, ""}}, {}},
};
INSTANTIATE_TEST_SUITE_P(Refused, SimTest, ::testing::ValuesIn(kRefused),
                         [](const auto &info) { return std::string(info.param.name); });

// Faults pick the k-th read or write of a run, counted separately from 0.
const char *const kR0 = "raw 0x0A 0x11 0x00 0x00 0x00 0x08";
const char *const kW8 = "raw 0x0A 0x12 0x00 0x08 0x00 0xAA 0xBB 0xCC 0xDD 0xEE 0xFF 0x11 0x22";
const char *const kR0Line = " 08 00 01 02 03 04 05 06 07\n";
const Scenario kInjected[] = {
    {"FailSecondRead", {"FRUSIM_FAIL_READ=1"},
     {{kR0, kR0Line, 0, ""}, {kW8, " 08\n", 0, ""}, {kR0, "", 1, "rsp=0xc0"}, {kR0, kR0Line, 0, ""}},
     {0x08, "aa bb cc dd ee ff 11 22"}},
    {"FailFirstWrite", {"FRUSIM_FAIL_WRITE=0"}, {{kR0, kR0Line, 0, ""}, {kW8, "", 1, "cmd=0x12 rsp=0xc0"}}, {}},
    {"OtherCountInFirstRead", {"FRUSIM_READ_LINE=0:07 00 01 02 03 04 05 06"},
     {{kR0, "07 00 01 02 03 04 05 06\n", 0, ""}, {kR0, kR0Line, 0, ""}}, {}},
    {"EmptyLineInSecondRead", {"FRUSIM_READ_LINE=1:"}, {{kR0, kR0Line, 0, ""}, {kR0, "\n", 0, ""}}, {}},
    {"ShortSecondWrite", {"FRUSIM_WRITE_COUNT=1:03"},
     {{kW8, " 08\n", 0, ""}, {"raw 0x0A 0x12 0x00 0x08 0x00 0x01 0x02 0x03 0x04 0x05 0x06 0x07 0x08", " 03\n", 0, ""}},
     {0x08, "01 02 03 dd ee ff 11 22"}},
    {"UpperCaseReads", {"FRUSIM_UPPERCASE=1"},
     {{"raw 0x0A 0x11 0x00 0xF8 0x00 0x08", " 08 F8 F9 FA 00 01 02 03 04\n", 0, ""}}, {}},
};
INSTANTIATE_TEST_SUITE_P(Injected, SimTest, ::testing::ValuesIn(kInjected),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
