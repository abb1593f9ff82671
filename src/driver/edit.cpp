#include <cstdio>
#include <cstring>

#include "console.h"
#include "driver.h"

namespace korrel {

namespace {

constexpr const char *kOnlyBsn = "ONLY_BSN";

// What the command line gives is text, whatever type the field had.
void setText(RunState &st, int field, const char *value)
{
    std::memset(st.fruvalue[field], 0, kValueSlot);
    std::strcpy(st.fruvalue[field], value);
    st.keep.type[lengthIndex(field)] = kText;
    st.keep.keepRaw[lengthIndex(field)] = false;
}

bool setField(RunState &st, const char *key, const char *value)
{
    putLine(msg::kRunCommand);
    // The length is tested before the key, so a long value with a bad key
    // reports the length.
    if (std::strlen(value) > static_cast<size_t>(kMaxValue)) {
        putLine(msg::kDataTooLong);
        return false;
    }
    int field = fieldByKey(key);
    if (field < 0) {
        putLine(msg::kUnknownCommand);
        printUsage();
        return false;
    }
    setText(st, field, value);
    putDone();
    return true;
}

// Keeps the board serial number and the date; every other field, custom
// fields behind the first included, is emptied and the encoder stores a
// fixed manufacturing date.
void keepOnlyBoardSerial(RunState &st)
{
    for (int f = 0; f < kFieldCount; ++f)
        if (f != kDateField && f != kBoardSerialField)
            setText(st, f, "");
    for (int &bytes : st.keep.moreCustomBytes)
        bytes = 0;
    g_only_BSN = 1;
}

}  // namespace

void printUsage()
{
    putLine(msg::kUsage);
    putLine(msg::kOptions);
    char line[kLabelSlot + 8];
    for (int f = 0; f < kFieldCount; ++f) {
        if (kFields[f].key == nullptr)
            continue;
        // The label without its colon, behind the key padded to three.
        int n = std::snprintf(line, sizeof line, "%-3s : %.*s", kFields[f].key,
                              static_cast<int>(std::strlen(fruname[f])) - 1, fruname[f]);
        if (n > 0 && n < static_cast<int>(sizeof line))
            putLine(line);
    }
}

bool applyUserCommand(RunState &st, int argc, const char *const *argv)
{
    putText(msg::kModifyFru);
    putFormat(msg::kGot, argc > 1 ? argv[1] : "(null)");
    switch (argc - 1) {
    case 2:
        return setField(st, argv[1], argv[2]);
    case 1:
        if (std::strcmp(argv[1], kOnlyBsn) == 0) {
            keepOnlyBoardSerial(st);
            return true;
        }
        putLine(msg::kWrongCommand);
        printUsage();
        return true;
    default:
        // The record is still rewritten with the values read.
        putLine(msg::kNoCommand);
        printUsage();
        return true;
    }
}

}  // namespace korrel
