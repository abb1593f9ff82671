// The commit: fru.sh is run, its output tells which blocks the BMC took,
// korrel sends the rest itself and reads every block back, and when the BMC
// keeps refusing or the device does not keep what it was sent, puts the old
// record back, so that a failed write does not leave a new header over
// half-written areas.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bmc.h"
#include "console.h"
#include "write.h"

namespace korrel {

namespace {

constexpr const char *kEchoLine = "==== FRU =====\n";
constexpr int kBlockNumberSize = 12;  // any int

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
ScriptOutcome scriptOutcome(const FruImage &image, const FileId &output)
{
    const int last = image.lastBlock;
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

// Sends the image's blocks from the given one to its last, as fru.sh would
// have.  Returns the first block the BMC kept refusing, or one past the
// image's last when every write was confirmed.
int finishWrites(int device, const FruImage &image, int from)
{
    for (int block = from; block <= image.lastBlock; ++block)
        if (!writeBlock(device, block, image.bytes + block * kBlockSize))
            return block;
    return image.lastBlock + 1;
}

// Every block written is read back: a confirmed write may not have been
// stored.  The message of the first block that does not read back as
// meant, or none.
const char *readBackAll(int device, const FruImage &image)
{
    for (int block = 0; block <= image.lastBlock; ++block) {
        Readback seen = readBack(device, block, image.bytes + block * kBlockSize);
        if (seen != Readback::kept)
            return seen == Readback::differs ? msg::kNotKept : msg::kWriteFailed;
    }
    return nullptr;
}

// Puts the old record back over blocks 0 to last, as far as it reaches,
// and prints what the read-back shows.  Every block is written before any
// is read back, so that a BMC that stops answering reads leaves no block
// unwritten that would have taken its write.  Blocks the old record did not
// reach held bytes korrel never read; they are left as they are, outside
// the old header's areas.  A block whose new bytes are the old ones needs
// no write, and a write refused may have changed nothing: the read-back
// decides, and writes a block that differs again.  It stops at a block it
// cannot read: the BMC has stopped answering, and each block more would
// cost five tries.
void restoreOldRecord(int device, const FruRecord &record, const FruImage &image, int last)
{
    const int end = last < record.blocks ? last + 1 : record.blocks;
    for (int block = 0; block < end; ++block) {
        const uint8_t *old = record.bytes + block * kBlockSize;
        if (std::memcmp(old, image.bytes + block * kBlockSize, kBlockSize) != 0)
            writeBlock(device, block, old);
    }
    bool mixed = false;
    for (int block = 0; block < end; ++block) {
        Readback seen = readBack(device, block, record.bytes + block * kBlockSize);
        mixed = mixed || seen == Readback::differs;
        if (seen == Readback::unreadable && !mixed) {
            char number[kBlockNumberSize];
            std::snprintf(number, sizeof number, "%d", block);
            putFormat(msg::kRestoreUnknown, number);
            return;
        }
    }
    putLine(mixed ? msg::kPartOldPartNew : msg::kOldRestored);
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

bool runFruScript(int device, const FruRecord &record, const FruImage &image, int lock,
                  ScratchFiles &files)
{
    putFormat(msg::kExecute, kScriptFile);
    // Only out.txt tells which blocks are written, whatever the status.
    if (!runOwnScript(lock, files))
        return false;
    ScriptOutcome outcome = scriptOutcome(image, files.output);
    int refused = finishWrites(device, image, outcome.confirmed);
    const char *failure = refused <= image.lastBlock ? msg::kWriteFailed : readBackAll(device, image);
    if (failure != nullptr) {
        // fru.sh, fru.txt and out.txt stay for the diagnosis.
        putLine(failure);
        int touched = image.lastBlock;  // after a read-back, every block was written
        if (refused <= image.lastBlock)
            touched = refused > outcome.lastTouched ? refused : outcome.lastTouched;
        restoreOldRecord(device, record, image, touched);
        return false;
    }
    putDone();
    closingBanner();
    return true;
}

}  // namespace korrel
