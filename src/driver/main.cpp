// korrel: edits the FRU record of the BMC's FRU device 0.  One run reads the
// whole record, applies one edit, and writes the whole record back.
#include "driver.h"
#include "files.h"
#include "read.h"
#include "textfile.h"
#include "write.h"

using namespace korrel;

int main(int argc, char **argv)
{
    static RunState st;  // zeroed, and owned here for the whole run

    printBanner();
    if (!workDirIsSafe() ||
        !takeRunLock() ||
        !readFruFromBmc(st) ||
        !applyUserCommand(st, argc, argv) ||
        !writeFruText(st))
        return 1;
    startFruImage(st);
    if (!parseFruText(st) ||
        !buildFruImage(st) ||
        !deviceHoldsImage(st) ||
        !writeFruScript(st) ||
        !runFruScript(st))
        return 1;
    return 0;
}
