// Properties the fuzzers hold korrel's phases to, checked apart from
// korrel's own code.  A broken property aborts with its name, which libFuzzer
// reports as a crash and saves the input for.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "image_check.h"
#include "runstate.h"

namespace fuzz {

[[noreturn]] inline void fail(const char *property)
{
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

inline void require(bool holds, const char *property)
{
    if (!holds)
        fail(property);
}

// korrel's output is of no interest here and would flood the terminal.
inline void silenceStdout()
{
    if (std::freopen("/dev/null", "w", stdout) == nullptr)
        fail("stdout to /dev/null");
}

// No slot holds a byte at or past `limit`: the value and its terminator fit.
inline void requireSlotsWithin(const korrel::RunState &st, int limit)
{
    for (int f = 0; f < korrel::kFieldCount; ++f)
        for (int i = limit; i < korrel::kValueSlot; ++i)
            require(st.fruvalue[f][i] == 0, "value longer than its limit");
}

inline int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The record order of the type/length fields: field indices without the date.
constexpr int kRecordField[check::kTypeLengthFields] = {0, 1, 2, 4, 5, 6, 7, 8, 9,
                                                        10, 11, 12, 13, 14, 15, 16, 17};
constexpr int kStaging = 256;

// After buildFruImage on the stored texts in st: built exactly when each
// area's encoded fields fit the staging buffer, and then an image whose
// checksums, lengths and offsets agree with its bytes and that holds each
// stored text without its last character (its newline).
inline void requireImage(const korrel::RunState &st, bool built, bool onlyBsn)
{
    // Each field is its type/length byte and the stored text without its
    // last character; a single character gets a NUL pad, as C1 would end
    // the area's fields.
    int staged[3] = {0, 0, 0};
    for (int i = 0; i < check::kTypeLengthFields; ++i) {
        size_t length = std::strlen(st.fruvalue[kRecordField[i]]);
        size_t value = length == 0 ? 0 : length - 1;
        staged[i < 3 ? 0 : i < 9 ? 1 : 2] += 1 + static_cast<int>(value == 1 ? 2 : value);
    }
    bool fits = staged[0] <= kStaging && staged[1] <= kStaging && staged[2] <= kStaging;
    require(built == fits, "built exactly when the areas fit");
    if (!built)
        return;
    check::Image image;
    const char *problem = check::readImage(st.fruimage, sizeof st.fruimage, &image);
    if (problem != nullptr)
        fail(problem);
    require(image.lastBlock == st.block, "current block is the last block");
    require(image.board == st.layout.board && image.product == st.layout.product, "layout offsets");
    for (size_t i = (image.lastBlock + 1) * korrel::kBlockSize; i < sizeof st.fruimage; ++i)
        require(st.fruimage[i] == 0, "bytes behind the image");
    for (int i = 0; i < check::kTypeLengthFields; ++i) {
        const char *text = st.fruvalue[kRecordField[i]];
        size_t length = std::strlen(text);
        size_t value = length == 0 ? 0 : length - 1;
        size_t stored = value == 1 ? 2 : value;
        if (image.fields[i].length != static_cast<int>(stored) ||
            std::memcmp(image.fields[i].bytes, text, value) != 0 || (stored != value && image.fields[i].bytes[1] != 0)) {
            std::fprintf(stderr, "field %d: stored text of %zu bytes, field of %d\n", kRecordField[i], length,
                         image.fields[i].length);
            fail("field holds its stored text");
        }
    }
    const char *date = st.fruvalue[korrel::kDateField];
    if (onlyBsn) {
        require(image.date[0] == 0xBC && image.date[1] == 0xE3 && image.date[2] == 0xB9, "ONLY_BSN date");
        return;
    }
    for (int i = 0; i < 3; ++i) {
        int hi = hexDigit(date[2 * i]);
        int lo = hi < 0 ? -1 : hexDigit(date[2 * i + 1]);
        if (lo < 0)
            return;  // not a date korrel ever reads; its bytes mean nothing
        require(image.date[2 - i] == hi * 16 + lo, "date bytes");
    }
}

}  // namespace fuzz
