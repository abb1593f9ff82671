// The commit: fru.sh is run, its output tells which blocks the BMC took,
// and the write is completed (complete.cpp): korrel sends the rest itself
// and reads every block back, and when the BMC keeps refusing or the device
// does not keep what it was sent, puts the old record back, so that a
// failed write does not leave a new header over half-written areas.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bmc.h"
#include "console.h"
#include "write.h"

namespace korrel {

namespace {

constexpr const char *kEchoLine = "==== FRU =====\n";

// The script runs with -e so that it stops at the first write the BMC
// refuses: the blocks behind it are never sent.
constexpr const char *kRunScript = "/bin/sh -e ./fru.sh";

// What the script's output shows: the blocks confirmed from block 0 on,
// and the last block it may have touched.
struct ScriptOutcome {
    int confirmed;
    int lastTouched;
};

// The script's output is the echo line and one answer line per write it
// sent; a write the BMC refuses prints nothing there and stops the script.
// Only the leading run of full counts is trusted as written; from the
// answers in all, the last block the script may have touched follows.
ScriptOutcome scriptOutcome(int last, const FileId &output)
{
    ScriptOutcome seen = {0, last};  // any block may have been sent
    FILE *out = openOwnFile(kOutputFile, output);
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
    if (answers < 0 || answers > last + 1)
        return ScriptOutcome{0, last};
    seen.lastTouched = answers < last ? answers : last;
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

// Runs fru.sh with its output in out.txt, which korrel makes and writes
// itself, so that the output cannot be sent through a link planted under
// its name.  The script keeps the run lock.  False after the message when
// a file is not korrel's own.
bool runOwnScript(int lock, ScratchFiles &files)
{
    FILE *out = createFile(kOutputFile, files.output, kPrivateFile);
    if (out == nullptr) {
        putFormat(msg::kOutputFile, kOutputFile);
        return false;
    }
    bool own = stillOwn(kScriptFile, files.script);
    if (own)
        run("chmod 755 fru.sh");
    own = own && stillOwn(kScriptFile, files.script);
    if (own)
        runScript(kRunScript, lock, fileno(out));
    std::fclose(out);
    return own;
}

void closingBanner()
{
    putText(msg::kDeleteFiles);
    run("rm -rf fru.txt");
    run("rm -rf out.txt");
    putLine(msg::kRule);
    putLine(msg::kCompleted);
    putLine(msg::kRule);
}

}  // namespace

bool runFruScript(int device, const Journal &write, const StateDir &state, int lock, ScratchFiles &files)
{
    putFormat(msg::kExecute, kScriptFile);
    // Only out.txt tells which blocks are written, whatever the status.
    if (!runOwnScript(lock, files)) {
        dropJournal(state, device);  // nothing was written
        return false;
    }
    ScriptOutcome outcome = scriptOutcome(write.lastBlock, files.output);
    // fru.sh, fru.txt and out.txt stay for the diagnosis when it fails.
    if (!completeWrite(device, write, state, outcome.confirmed, outcome.lastTouched))
        return false;
    putDone();
    closingBanner();
    return true;
}

}  // namespace korrel
