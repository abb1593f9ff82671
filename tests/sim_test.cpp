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

// How the stand-in answers and refuses plain requests is compared with the
// real stack, request by request, in tests/realbmc/standin.sh.  Pinned here
// is what the real stack cannot do: the faults a test injects.
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
