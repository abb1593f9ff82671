// korrel: edits the FRU record of one FRU device of the BMC, device 0 unless
// --fru-id names another.  One run reads the whole record, applies one edit,
// and writes the whole record back.
#include "driver.h"
#include "read.h"
#include "runstate.h"
#include "textfile.h"
#include "write.h"

using namespace korrel;

int main(int argc, char **argv)
{
    static RunState st;  // zeroed, and owned here for the whole run

    printBanner();
    if (!takeFruIdOption(argc, argv, st.device) ||
        !workDirIsSafe() ||
        !openStateDir(st.state) ||
        !takeRunLock(st.state, st.lock) ||
        !settleJournal(st.device, st.state, st.journal, st.record, st.values) ||
        !readFruFromBmc(st.device, st.record, st.values) ||
        !applyUserCommand(st.values, argc, argv) ||
        !writeFruText(st.values, st.files.text))
        return 1;
    startFruImage(st.values, st.image);
    if (!parseFruText(st.values, st.files.text) ||
        !buildFruImage(st.record, st.values, st.image) ||
        !deviceHoldsImage(st.device, st.record, st.values, st.image) ||
        !writeFruScript(st.device, st.image, st.values.onlyBsn, st.files.script) ||
        !keepJournal(st.state, st.device, st.record, st.image, st.journal) ||
        !runFruScript(st.device, st.journal, st.state, st.lock, st.files))
        return 1;
    return 0;
}
