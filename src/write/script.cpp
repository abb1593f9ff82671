#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "console.h"
#include "files.h"
#include "hex.h"
#include "write.h"

namespace korrel {

namespace {

constexpr const char *kWriteRequest = "ipmitool raw 0x0A 0x12 0x00";
constexpr const char *kScriptHead = "#!/bin/sh\n\necho ==== FRU =====\n";
constexpr const char *kEchoLine = "==== FRU =====\n";
constexpr const char *kWrittenLine = " 08\n";  // each write answers with its count
constexpr int kOnlyBsnBoardOffset = 0x18;     // block 3: one chassis block before it

// The script runs with -e so that it stops at the first write the BMC
// refuses: the blocks behind it are never sent.
constexpr const char *kRunScript = "/bin/sh -e ./fru.sh >> out.txt";

void writeBlockLine(RunState &st, FILE *script, int block)
{
    std::memset(st.byteText, 0, sizeof st.byteText);
    const uint8_t *bytes = st.fruimage + block * kBlockSize;
    for (int k = 0; k < kBlockSize; ++k)
        byte2str(bytes[k], st.byteText[k]);
    int offset = block * kBlockSize;
    offsetText(offset, st.lsb, st.msb);
    if (g_only_BSN && offset == kOnlyBsnBoardOffset)
        putLine(msg::kOnlyBsnDate);
    std::fprintf(script, "%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s\n",
                 kWriteRequest, st.lsb, st.msb, st.byteText[0], st.byteText[1],
                 st.byteText[2], st.byteText[3], st.byteText[4], st.byteText[5],
                 st.byteText[6], st.byteText[7]);
}

// The script's output is the echo line and one count per block written.
// Anything else, a missing line or a short count, means the record on the
// BMC is not the one built.
bool writesConfirmed(const RunState &st, int blocks)
{
    FILE *out = openOwnFile(kOutputFile, st.outputFile);
    if (out == nullptr)
        return false;
    char line[64];
    int written = -1;  // -1 until the echo line is seen
    bool ok = true;
    while (ok && std::fgets(line, sizeof line, out) != nullptr) {
        if (written < 0)
            ok = std::strcmp(line, kEchoLine) == 0;
        else
            ok = std::strcmp(line, kWrittenLine) == 0;
        ++written;
    }
    std::fclose(out);
    return ok && written == blocks;
}

// Only the script's own outcome is examined; the others show in the files.
void run(const char *command)
{
    int status = std::system(command);
    (void)status;
}

// Before each use of a scratch file by name: is it still korrel's own?
bool stillOwn(const char *name, const FileId &id)
{
    if (isOwnFile(name, id))
        return true;
    putFormat(msg::kOutputFile, name);
    return false;
}

// out.txt is made by korrel, not by the shell's redirection, so that the
// script's output cannot be sent through a link planted under its name.
bool createOutput(RunState &st)
{
    FILE *out = createFile(kOutputFile, st.outputFile, kPrivateFile);
    if (out != nullptr && finishFile(out))
        return true;
    putFormat(msg::kOutputFile, kOutputFile);
    return false;
}

}  // namespace

bool writeFruScript(RunState &st)
{
    FILE *script = beginOutput(kScriptFile, st.scriptFile, kPrivateScript, msg::kOutputFile);
    if (script == nullptr)
        return false;
    std::fputs(kScriptHead, script);
    for (int block = 0; block <= st.block; ++block)
        writeBlockLine(st, script, block);
    return endOutput(script, kScriptFile, msg::kOutputFile);
}

bool runFruScript(RunState &st)
{
    putFormat(msg::kExecute, kScriptFile);
    if (!createOutput(st) || !stillOwn(kScriptFile, st.scriptFile))
        return false;
    run("chmod 755 fru.sh");
    if (!stillOwn(kScriptFile, st.scriptFile) || !stillOwn(kOutputFile, st.outputFile))
        return false;
    int status = std::system(kRunScript);
    if (status != 0 || !writesConfirmed(st, st.block + 1)) {
        // fru.sh, fru.txt and out.txt stay for the diagnosis.
        putLine(msg::kWriteFailed);
        return false;
    }
    putDone();
    putText(msg::kDeleteFiles);
    run("rm -rf fru.txt");
    run("rm -rf out.txt");
    putLine(msg::kRule);
    putLine(msg::kCompleted);
    putLine(msg::kRule);
    return true;
}

}  // namespace korrel
