// Generated values, types, area codes, internal use areas and absent info
// areas: the record korrel builds from them must hold them, and reading
// that record back must give them again.  The generator is seeded, so a
// failure names its seed.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "pipeline.h"

namespace {

using namespace korrel;

constexpr uint32_t kSeeds = 300;

// Valid UTF-8 that also fits 63 bytes as 16-bit Unicode: characters at
// either side of each UTF-8 length's bounds and of the surrogates (U+007F,
// U+0080, U+07FF, U+0800, U+D7FF, U+E000, U+FFFF, U+10000, U+10FFFF); the
// last two take two units.
void unicodeText(char *text, int count, std::mt19937 &rng)
{
    static const char *const kPieces[] = {"\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF",
                                          "\xEE\x80\x80", "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"};
    for (int units = 0; count > 0; --count) {
        int p = static_cast<int>(rng() % 9), more = p >= 7 ? 2 : 1;
        if (2 * (units + more) > kMaxValue || std::strlen(text) + std::strlen(kPieces[p]) > kMaxValue)
            return;
        std::strcat(text, kPieces[p]);
        units += more;
    }
}

// An info area left out of the record as read; half the time the values
// give it a field, which adds it.
void dropArea(FruRecord &record, Area area)
{
    int n = 0;
    for (int i = 0; i < record.regions; ++i)
        if (record.order[i] != regionOf(area))
            record.order[n++] = record.order[i];
    record.regions = n;
}

void generate(pipeline::Run &run, std::mt19937 &rng)
{
    run = pipeline::Run{};
    FruRecord &record = run.record;
    resetRecord(record, run.values);
    auto upTo = [&rng](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n + 1)); };
    bool absent[3], empty[3];
    for (int a = 0; a < 3; ++a) {
        absent[a] = upTo(3) == 0, empty[a] = absent[a] && upTo(1) == 0;
        if (absent[a])
            dropArea(record, kAreas[a].area);
        else if (upTo(2) == 0)
            record.areaCode[a] = static_cast<uint8_t>(upTo(255));
    }
    // An internal use area read had a region behind it.
    record.internalUseBlocks = record.regions > 1 ? upTo(3) : 0;
    record.internalUseAt = kBlockSize;  // as read from block 1
    for (int i = 0; i < record.internalUseBlocks * kBlockSize; ++i)
        record.bytes[kBlockSize + i] = static_cast<uint8_t>(upTo(255));
    int longest = upTo(5) == 0 ? kMaxValue : 12;
    for (int f = 0; f < kFieldCount; ++f) {
        const int a = static_cast<int>(kFields[f].area);
        if (f == kDateField) {
            if (!absent[a])
                std::snprintf(run.values.text[f], kValueSlot, "%06X", upTo(0xFFFFFF));
            continue;
        }
        // Any type, and any byte but the NUL and newline fru.txt cannot
        // carry; 16-bit Unicode text as UTF-8.  An area that is absent
        // reads as empty text.
        uint8_t &type = run.values.form[lengthIndex(f)].type;
        type = absent[a] ? kText : static_cast<uint8_t>(upTo(3) << 6);
        if (empty[a])
            continue;
        if (isUnicodeText(record, kFields[f].area, type)) {
            unicodeText(run.values.text[f], upTo(longest), rng);
            continue;
        }
        for (int i = upTo(longest); i > 0; --i) {
            char c = static_cast<char>(1 + upTo(254));
            run.values.text[f][i - 1] = c == '\n' ? 'n' : c;
        }
    }
}

TEST(RoundTrip, GeneratedRecordsComeBackAsBuilt)
{
    static pipeline::Run run;
    for (uint32_t seed = 0; seed < kSeeds; ++seed) {
        std::mt19937 rng(seed);
        generate(run, rng);
        const char *problem = pipeline::roundTrip(run);
        EXPECT_EQ(problem, nullptr) << "seed " << seed << ": " << problem;
    }
}

}  // namespace
