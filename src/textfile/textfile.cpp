#include <cstdio>
#include <cstring>

#include "console.h"
#include "files.h"
#include "textfile.h"

namespace korrel {

namespace {

// The date line must hold exactly six characters and the newline.
constexpr int kDateTextStored = kDateTextLength + 1;
// A value of 64 characters or more comes back with its newline as 65 or more.
constexpr int kTooLongStored = kMaxValue + 2;

// Reads line `field` of the file into its slot.  Returns false after
// printing the message when the line is not what the writer wrote.
bool parseLine(RunState &st, FILE *file, int field)
{
    char *line = st.textLine;
    std::memset(line, 0, sizeof st.textLine);
    // A file cut short would silently empty the fields it lost, and the
    // record would be rewritten without them: every line must be there.
    if (std::fgets(line, sizeof st.textLine, file) == nullptr) {
        putFormat(msg::kFormat, kTextFile);
        return false;
    }
    const char *label = std::strstr(line, fruname[field]);
    if (label == nullptr) {
        putFormat(msg::kFormat, kTextFile);
        return false;
    }
    const char *text = label + std::strlen(fruname[field]);
    int length = static_cast<int>(std::strlen(text));
    if (field == kDateField && length != kDateTextStored) {
        putText(msg::kDateFormat);
        return false;
    }
    char *slot = st.fruvalue[field];
    if (length >= kTooLongStored) {
        putText(msg::kValueTooLong);
        std::memcpy(slot, text, kMaxValue);
        slot[kMaxValue] = '\0';
    } else {
        std::memcpy(slot, text, length + 1);
    }
    return true;
}

}  // namespace

bool writeFruText(RunState &st)
{
    // The same message as for reading: the file is korrel's own either way.
    FILE *file = beginOutput(kTextFile, st.textFile, kPrivateFile, msg::kInputFile);
    if (file == nullptr)
        return false;
    for (int i = 0; i < kFieldCount; ++i)
        std::fprintf(file, "%s%s\n", fruname[i], st.fruvalue[i]);
    return endOutput(file, kTextFile, msg::kInputFile);
}

bool parseFruText(RunState &st)
{
    putFormat(msg::kParseFile, kTextFile);
    // Read back only if it still is the file written.
    FILE *file = openOwnFile(kTextFile, st.textFile);
    if (file == nullptr) {
        putFormat(msg::kInputFile, kTextFile);
        return false;
    }
    bool ok = true;
    for (int i = 0; i < kFieldCount && ok; ++i)
        ok = parseLine(st, file, i);
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
