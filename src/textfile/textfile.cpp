#include <cstdio>
#include <cstring>

#include "console.h"
#include "textfile.h"

namespace korrel {

namespace {

// A line is a label, at most 63 characters of value and the newline.
constexpr int kTextLineSize = 254;
// The date line must hold exactly six characters and the newline.
constexpr int kDateTextStored = kDateTextLength + 1;
// A value of 64 characters or more comes back with its newline as 65 or more.
constexpr int kTooLongStored = kMaxValue + 2;

// Reads line `field` of the file into its slot: the text behind the label
// less its last character, the newline.  A value cut to 63 characters has
// none, and so loses its 63rd.  Returns false after printing the message
// when the line is not what the writer wrote.
bool parseLine(FruValues &values, FILE *file, int field)
{
    char line[kTextLineSize] = {};
    // A file cut short would silently empty the fields it lost, and the
    // record would be rewritten without them: every line must be there.
    if (std::fgets(line, sizeof line, file) == nullptr) {
        putFormat(msg::kFormat, kTextFile);
        return false;
    }
    const char *label = std::strstr(line, kFields[field].label);
    if (label == nullptr) {
        putFormat(msg::kFormat, kTextFile);
        return false;
    }
    const char *text = label + std::strlen(kFields[field].label);
    int length = static_cast<int>(std::strlen(text));
    if (field == kDateField && length != kDateTextStored) {
        putText(msg::kDateFormat);
        return false;
    }
    if (length >= kTooLongStored) {
        putText(msg::kValueTooLong);
        length = kMaxValue;
    }
    if (length > 0)
        std::memcpy(values.text[field], text, length - 1);
    return true;
}

}  // namespace

bool writeFruText(const FruValues &values, FileId &id)
{
    // The same message as for reading: the file is korrel's own either way.
    FILE *file = beginOutput(kTextFile, id, kPrivateFile, msg::kInputFile);
    if (file == nullptr)
        return false;
    for (int i = 0; i < kFieldCount; ++i)
        std::fprintf(file, "%s%s\n", kFields[i].label, values.text[i]);
    return endOutput(file, kTextFile, msg::kInputFile);
}

bool parseFruText(FruValues &values, const FileId &id)
{
    putFormat(msg::kParseFile, kTextFile);
    // Read back only if it still is the file written.
    FILE *file = openOwnFile(kTextFile, id);
    if (file == nullptr) {
        putFormat(msg::kInputFile, kTextFile);
        return false;
    }
    bool ok = true;
    for (int i = 0; i < kFieldCount && ok; ++i)
        ok = parseLine(values, file, i);
    // A value with a newline splits its line; for the last field the rest
    // would land behind the 18th line and be dropped without a word.
    if (ok && std::fgetc(file) != EOF) {
        putFormat(msg::kFormat, kTextFile);
        ok = false;
    }
    std::fclose(file);
    if (ok)
        putDone();
    return ok;
}

}  // namespace korrel
