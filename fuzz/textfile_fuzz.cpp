// fru.txt fed arbitrary contents, as korrel finds the file it wrote: when
// it parses, the record built from it must read back as what it held.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "console.h"
#include "files.h"
#include "pipeline.h"
#include "textfile.h"

using namespace korrel;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static char dir[] = "/tmp/korrel-fuzz-XXXXXX";
    if (mkdtemp(dir) == nullptr || chdir(dir) != 0 || std::freopen("/dev/null", "w", stdout) == nullptr)
        pipeline::require("a private working directory");
    std::atexit([] { unlink(kTextFile), rmdir(dir); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static pipeline::Run run;
    run = pipeline::Run{};
    resetRecord(run.record, run.values);
    FileId id;
    FILE *file = createFile(kTextFile, id, kPrivateFile);
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || !finishFile(file))
        pipeline::require("fru.txt written");
    startFruImage(run.values, run.image);
    if (parseFruText(run.values, id))
        pipeline::require(pipeline::roundTrip(run));
    return 0;
}
