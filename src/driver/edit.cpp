#include <cstdio>
#include <cstring>

#include "console.h"
#include "driver.h"

namespace korrel {

namespace {

constexpr const char *kOnlyBsn = "ONLY_BSN";

// What the command line gives is text, whatever type the field had.
void setText(FruValues &values, int field, const char *value)
{
    std::memset(values.text[field], 0, kValueSlot);
    std::strcpy(values.text[field], value);
    values.form[lengthIndex(field)] = FieldForm{kText, false, 0, 0};
}

bool setField(FruValues &values, const char *key, const char *value)
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
    setText(values, field, value);
    putDone();
    return true;
}

// Keeps the board serial number and the date; every other field is
// emptied, and the encoder drops the custom fields behind the first and
// stores a fixed manufacturing date.
void keepOnlyBoardSerial(FruValues &values)
{
    for (int f = 0; f < kFieldCount; ++f)
        if (f != kDateField && f != kBoardSerialField)
            setText(values, f, "");
    values.onlyBsn = true;
}

}  // namespace

void printUsage()
{
    putLine(msg::kUsage);
    putLine(msg::kOptions);
    char line[64];
    for (const FieldDef &field : kFields) {
        if (field.key == nullptr)
            continue;
        // The label without its colon, behind the key padded to three.
        int n = std::snprintf(line, sizeof line, "%-3s : %.*s", field.key,
                              static_cast<int>(std::strlen(field.label)) - 1, field.label);
        if (n > 0 && n < static_cast<int>(sizeof line))
            putLine(line);
    }
}

bool applyUserCommand(FruValues &values, int argc, const char *const *argv)
{
    putText(msg::kModifyFru);
    putFormat(msg::kGot, argc > 1 ? argv[1] : "(null)");
    switch (argc - 1) {
    case 2:
        return setField(values, argv[1], argv[2]);
    case 1:
        if (std::strcmp(argv[1], kOnlyBsn) == 0) {
            keepOnlyBoardSerial(values);
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
