#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "console.h"
#include "files.h"
#include "hex.h"
#include "write.h"

namespace korrel {

namespace {

constexpr char kWriteRequest[] = "ipmitool raw 0x0A 0x12 0x00";
constexpr char kWriteFormat[] = "%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s 0x%s\n";
static_assert(sizeof kWriteRequest + 10 * 5 + 1 < kCommandSize,
              "the request, ten \" 0xHH\" texts and the newline fit the command text");
constexpr const char *kScriptHead = "#!/bin/sh\n\necho ==== FRU =====\n";
constexpr const char *kEchoLine = "==== FRU =====\n";
constexpr int kOnlyBsnBoardOffset = 0x18;     // block 3: one chassis block before it

// What the script's output shows: the blocks confirmed from block 0 on,
// and the last block it may have touched.
struct ScriptOutcome {
    int confirmed;
    int lastTouched;
};

// The script runs with -e so that it stops at the first write the BMC
// refuses: the blocks behind it are never sent.
constexpr const char *kRunScript = "/bin/sh -e ./fru.sh >> out.txt";

bool writeBlockLine(RunState &st, FILE *script, int block)
{
    if (g_only_BSN && block * kBlockSize == kOnlyBsnBoardOffset)
        putLine(msg::kOnlyBsnDate);
    if (!formatWriteLine(st, st.fruimage + block * kBlockSize, block))
        return false;
    std::fputs(st.command, script);
    return true;
}

// The script's output is the echo line and one answer line per write it
// sent; a write the BMC refuses prints nothing there and stops the script.
// Only the leading run of full counts is trusted as written; from the
// answers in all, the last block the script may have touched follows.
ScriptOutcome scriptOutcome(const RunState &st)
{
    const int blocks = st.block + 1;
    ScriptOutcome seen = {0, st.block};  // any block may have been sent
    FILE *out = openOwnFile(kOutputFile, st.outputFile);
    if (out == nullptr)
        return seen;
    char line[64];
    int answers = -1;  // -1 until the echo line is seen
    while (std::fgets(line, sizeof line, out) != nullptr) {
        if (answers < 0 && std::strcmp(line, kEchoLine) != 0)
            break;
        if (answers >= 0 && seen.confirmed == answers && std::strcmp(line, kWrittenLine) == 0)
            ++seen.confirmed;
        ++answers;
    }
    std::fclose(out);
    // Output korrel cannot map onto blocks proves nothing.
    if (answers < 0 || answers > blocks)
        return ScriptOutcome{0, st.block};
    seen.lastTouched = answers < st.block ? answers : st.block;
    return seen;
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

bool formatWriteLine(RunState &st, const uint8_t *bytes, int block)
{
    std::memset(st.byteText, 0, sizeof st.byteText);
    for (int k = 0; k < kBlockSize; ++k)
        byte2str(bytes[k], st.byteText[k]);
    offsetText(block * kBlockSize, st.lsb, st.msb);
    int n = std::snprintf(st.command, sizeof st.command, kWriteFormat, kWriteRequest, st.lsb,
                          st.msb, st.byteText[0], st.byteText[1], st.byteText[2],
                          st.byteText[3], st.byteText[4], st.byteText[5], st.byteText[6],
                          st.byteText[7]);
    return n >= 0 && n < static_cast<int>(sizeof st.command);
}

bool writeFruScript(RunState &st)
{
    FILE *script = beginOutput(kScriptFile, st.scriptFile, kPrivateScript, msg::kOutputFile);
    if (script == nullptr)
        return false;
    std::fputs(kScriptHead, script);
    bool whole = true;
    for (int block = 0; whole && block <= st.block; ++block)
        whole = writeBlockLine(st, script, block);
    // out.txt's answers stand for blocks only in a script that skips none.
    if (!whole) {
        std::fclose(script);
        putFormat(msg::kOutputFile, kScriptFile);
        return false;
    }
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
    // Only out.txt tells which blocks are written, whatever the status.
    run(kRunScript);
    ScriptOutcome outcome = scriptOutcome(st);
    int refused = finishWrites(st, outcome.confirmed);
    if (refused <= st.block) {
        // fru.sh, fru.txt and out.txt stay for the diagnosis.
        putLine(msg::kWriteFailed);
        int touched = refused > outcome.lastTouched ? refused : outcome.lastTouched;
        putLine(restoreOldRecord(st, touched) ? msg::kOldRestored : msg::kPartOldPartNew);
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
