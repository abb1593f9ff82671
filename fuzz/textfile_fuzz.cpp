// fru.txt fed arbitrary contents, then, when it parses, the image built from
// what it held.  Each input is written to fru.txt in a private working
// directory, as korrel would find it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fuzz_checks.h"
#include "textfile.h"
#include "write.h"

namespace {

char gDir[] = "/tmp/korrel-fuzz-XXXXXX";

void removeDir()
{
    if (unlink("fru.txt") != 0 || rmdir(gDir) != 0)
        std::perror(gDir);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::silenceStdout();
    fuzz::require(mkdtemp(gDir) != nullptr && chdir(gDir) == 0, "private working directory");
    std::atexit(removeDir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FILE *file = std::fopen("fru.txt", "wb");
    fuzz::require(file != nullptr, "fru.txt written");
    fuzz::require(std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0, "fru.txt written");

    static korrel::RunState st;
    std::memset(&st, 0, sizeof st);
    korrel::g_only_BSN = 0;
    korrel::startFruImage(st);
    uint8_t begun[2 * korrel::kBlockSize];
    std::memcpy(begun, st.fruimage, sizeof begun);
    bool parsed = korrel::parseFruText(st);
    // A stored text is at most 63 characters and the newline.
    fuzz::requireSlotsWithin(st, korrel::kMaxValue + 1);
    fuzz::require(std::memcmp(begun, st.fruimage, sizeof begun) == 0, "the begun image untouched");
    if (!parsed)
        return 0;
    // Six characters and the newline, or a NUL byte read as the line's end.
    fuzz::require(std::strlen(st.fruvalue[korrel::kDateField]) == korrel::kDateTextLength + 1,
                  "date of seven characters");
    fuzz::requireImage(st, korrel::buildFruImage(st), false);
    return 0;
}
