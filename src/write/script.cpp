#include <cstdio>

#include "bmc.h"
#include "console.h"
#include "write.h"

namespace korrel {

namespace {

constexpr const char *kScriptHead = "#!/bin/sh\n\necho ==== FRU =====\n";

// ONLY_BSN announces its fixed date as the board area's first block is
// written.
bool writeBlockLine(int device, const FruImage &image, bool onlyBsn, FILE *script, int block)
{
    if (onlyBsn && image.layout.board != 0 && block == image.layout.board)
        putLine(msg::kOnlyBsnDate);
    Request line;
    if (!writeRequest(device, block, image.bytes + block * kBlockSize, line))
        return false;
    std::fputs(line.text, script);
    return true;
}

}  // namespace

bool writeFruScript(int device, const FruImage &image, bool onlyBsn, FileId &id)
{
    FILE *script = beginOutput(kScriptFile, id, kPrivateScript, msg::kOutputFile);
    if (script == nullptr)
        return false;
    std::fputs(kScriptHead, script);
    bool whole = true;
    for (int block = 0; whole && block <= image.lastBlock; ++block)
        whole = writeBlockLine(device, image, onlyBsn, script, block);
    // out.txt's answers stand for blocks only in a script that skips none.
    if (!whole) {
        std::fclose(script);
        putFormat(msg::kOutputFile, kScriptFile);
        return false;
    }
    return endOutput(script, kScriptFile, msg::kOutputFile);
}

}  // namespace korrel
