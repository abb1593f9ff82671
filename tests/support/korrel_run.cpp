#include "korrel_run.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace e2e {

namespace {

void writeFile(const std::string &path, const fru::Bytes &bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        out.push_back(line);
    return out;
}

void removeTree(const std::string &dir)
{
    std::string cmd = "rm -rf '" + dir + "'";
    if (std::system(cmd.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", dir.c_str());
}

constexpr uid_t kNobody = 65534;

bool asNobody(const Run &r)
{
    return r.readOnlyDir && geteuid() == 0;
}

void copyExecutable(const std::string &from, const std::string &to)
{
    std::ofstream(to, std::ios::binary) << std::ifstream(from, std::ios::binary).rdbuf();
    chmod(to.c_str(), 0755);
}

// Nobody may not reach the build tree, so the binaries and the stand-in's
// files are put where it can.
void openToNobody(const std::string &top)
{
    chmod(top.c_str(), 0755);
    mkdir((top + "/bin").c_str(), 0755);
    copyExecutable(KORREL_BIN, top + "/bin/korrel");
    copyExecutable(std::string(SIM_DIR) + "/ipmitool", top + "/bin/ipmitool");
    std::ofstream(top + "/requests.log").flush();
    chmod((top + "/requests.log").c_str(), 0666);
    chmod((top + "/device.bin").c_str(), 0666);
}

[[noreturn]] void execKorrel(const Run &r, const std::string &top)
{
    std::string work = top + "/work";
    if (chdir(work.c_str()) != 0)
        _exit(126);
    int out = open((top + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open((top + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int in = open("/dev/null", O_RDONLY);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    clearenv();
    std::string simDir = asNobody(r) ? top + "/bin" : std::string(SIM_DIR);
    std::string path = r.path.empty() ? simDir + ":/usr/bin:/bin" : r.path;
    setenv("PATH", path.c_str(), 1);
    setenv("FRUSIM_IMAGE", (top + "/device.bin").c_str(), 1);
    setenv("FRUSIM_LOG", (top + "/requests.log").c_str(), 1);
    for (const auto &[k, v] : r.env)
        setenv(k.c_str(), v.c_str(), 1);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(KORREL_BIN));
    for (const std::string &a : r.args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    std::string korrel = KORREL_BIN;
    if (asNobody(r)) {
        korrel = top + "/bin/korrel";
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(125);
    }
    execv(korrel.c_str(), argv.data());
    _exit(127);
}

void collectFiles(const std::string &work, Result &res)
{
    DIR *d = opendir(work.c_str());
    if (d == nullptr)
        return;
    while (dirent *e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        struct stat sb;
        std::string path = work + "/" + name;
        lstat(path.c_str(), &sb);
        res.modes[name] = sb.st_mode & 07777;
        res.files[name] = S_ISREG(sb.st_mode) ? readFile(path) : std::string("<not a file>");
    }
    closedir(d);
}

}  // namespace

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string golden(const std::string &name)
{
    return readFile(std::string(GOLDEN_DIR) + "/" + name);
}

fru::Bytes goldenDevice(const std::string &name, size_t size)
{
    fru::Bytes device = fru::parseHex(golden(name));
    device.resize(size, 0x00);
    return device;
}

fru::Bytes sampleDevice()
{
    std::string bytes = readFile(SAMPLE_FRU);
    return fru::Bytes(bytes.begin(), bytes.end());
}

int Result::reads() const
{
    int n = 0;
    for (const std::string &r : requests)
        n += r.rfind("raw 0x0A 0x11 ", 0) == 0;
    return n;
}

int Result::writes() const
{
    int n = 0;
    for (const std::string &r : requests)
        n += r.rfind("raw 0x0A 0x12 ", 0) == 0;
    return n;
}

Result run(const Run &r)
{
    char tmpl[] = "/tmp/korrel-e2e-XXXXXX";
    std::string top = mkdtemp(tmpl);
    mkdir((top + "/work").c_str(), 0755);
    writeFile(top + "/device.bin", r.device);
    if (r.prepare != nullptr)
        r.prepare(top + "/work");
    if (r.readOnlyDir)
        chmod((top + "/work").c_str(), 0555);
    if (asNobody(r))
        openToNobody(top);

    Result res;
    pid_t pid = fork();
    if (pid == 0)
        execKorrel(r, top);
    int status = 0;
    waitpid(pid, &status, 0);
    res.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    res.out = readFile(top + "/stdout");
    res.err = readFile(top + "/stderr");
    res.requests = lines(readFile(top + "/requests.log"));
    std::string dev = readFile(top + "/device.bin");
    res.device.assign(dev.begin(), dev.end());
    collectFiles(top + "/work", res);
    chmod((top + "/work").c_str(), 0755);
    removeTree(top);
    return res;
}

std::string banner()
{
    return "korrel FRU editor - Copyright (c) 2026 the korrel developers\n"
           "------------------------\n"
           "Version 0.2 (2017/OCT/23)\n"
           "------------------------\n";
}

std::string usage()
{
    return "usage: KORREL [Options...] <Data>\n\n"
           "Options : \n"
           "CPN : Chassis Part Number\n"
           "CSN : Chassis Serial Number\n"
           "CCI : Custom Chassis Info\n"
           "BM  : Board manufacturer\n"
           "BPN : Board Product Name\n"
           "BSN : Board Serial Number\n"
           "BAN : Board Part Number\n"
           "FFI : FRU File IDS\n"
           "CM  : Custom MFG\n"
           "MN  : Manufacturer Name\n"
           "PN  : Product Name\n"
           "PPN : Product Part Model Number\n"
           "PV  : Product Version\n"
           "PSN : Product Serial Number\n"
           "AT  : Asset Tag\n"
           "FII : FRU File ID\n"
           "CPI : Custom Product Info\n";
}

std::string closing()
{
    return "Delete files ~------------------------\n"
           "Command is completely!\n"
           "------------------------\n";
}

std::string readRequest(int block)
{
    char text[64];
    std::snprintf(text, sizeof text, "raw 0x0A 0x11 0x00 0x%02X 0x%02X 0x08", (block * 8) & 0xFF,
                  (block * 8) >> 8);
    return text;
}

}  // namespace e2e
