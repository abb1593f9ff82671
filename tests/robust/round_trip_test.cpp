// Generated records, rewritten by a run without arguments: korrel must write
// back the values it read, in its own layout, with every checksum valid.
// The generator is seeded, so a failing record is reproduced by its seed.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "robust_support.h"

namespace {

constexpr uint32_t kFirstSeed = 20240601;
constexpr int kShards = 4;
constexpr int kRecordsPerShard = 50;
constexpr int kLastBlockRead = 63;
constexpr int kStaging = 256;  // bytes of encoded fields one area may have

struct Generated {
    fru::Fields fields;
    fru::Layout layout;
};

class Dice {
public:
    explicit Dice(uint32_t seed) : rng_(seed) {}
    // mt19937 is specified to the bit; the distributions of <random> are
    // not, so the range is made here to keep seeds portable.
    int upTo(int lo, int hi) { return lo + static_cast<int>(rng_() % static_cast<uint32_t>(hi - lo + 1)); }

private:
    std::mt19937 rng_;
};

bool isCustom(int f)
{
    return f == 2 || f == 9 || f == 17;
}

Generated generate(uint32_t seed)
{
    Dice dice(seed);
    static const int kMaxLengths[] = {0, 4, 12, 24, 40, 63};
    int maxLength = kMaxLengths[dice.upTo(0, 5)];
    Generated g;
    for (int f = 0; f < 18; ++f) {
        std::string &v = g.fields[f];
        if (f == 3) {
            for (int i = 0; i < 6; ++i)
                v += "0123456789ABCDEF"[dice.upTo(0, 15)];
            continue;
        }
        // A one-character custom field is a case of its own: its type/length
        // byte is the end marker's value.
        int length = isCustom(f) && dice.upTo(0, 7) == 0 ? 1 : dice.upTo(0, maxLength);
        for (int i = 0; i < length; ++i)
            v += static_cast<char>(dice.upTo(0x20, 0x7E));
    }
    g.layout.internalUse = dice.upTo(0, 1) == 1;
    g.layout.internalUseBlocks = dice.upTo(1, 3);
    g.layout.chassis = dice.upTo(0, 3) != 0;
    g.layout.gapBlocks = dice.upTo(0, 1) == 1 ? dice.upTo(1, 3) : 0;
    g.layout.fill = dice.upTo(0, 1) == 1 ? 0xFF : 0x00;
    g.layout.deviceSize = 1024;  // room for any record korrel writes back
    return g;
}

// What korrel must make of a record, worked out from the values and the
// area offsets alone.
struct Expected {
    std::string readFailure;  // "" when the read succeeds
    bool tooLong = false;
    fru::Fields fields;
};

struct AreaPlan {
    int headerSlot;
    int first, count;  // field indices, the custom field last
    int fixedBytes;    // before the first type/length byte, version and length included
    const char *noEnd;
};

const AreaPlan kPlans[] = {
    {2, 0, 3, 3, "Error!!!Chassis Info no EoF.\n"},
    {3, 4, 6, 6, "Error!!!Board Info no EoF.\n"},
    {4, 10, 8, 3, "Error!!!Product Info no EoF.\n"},
};

// Reads area by area as korrel does; false with e.readFailure set when the
// read must fail.
bool walkAreas(const fru::Bytes &rec, Expected &e)
{
    const std::string cutOff = kPlans[2].noEnd;
    for (const AreaPlan &a : kPlans) {
        int offset = rec[a.headerSlot];
        if (offset == 0)
            continue;
        int custom = a.first + a.count - 1;
        int at = a.fixedBytes;  // the custom field's type/length byte
        for (int f = a.first; f < custom; ++f)
            at += 1 + static_cast<int>(e.fields[f].size());
        int endAt = at + 1 + static_cast<int>(e.fields[custom].size());
        if (e.fields[custom].size() == 1) {
            // C1 X reads as "no custom field" and then as the end marker;
            // X opening the next block is then no end marker.
            e.fields[custom].clear();
            endAt = at;
            if (at % 8 == 7) {
                bool seen = offset + at / 8 + 1 <= kLastBlockRead;
                e.readFailure = seen ? a.noEnd : cutOff;
                return false;
            }
        }
        if (offset + endAt / 8 > kLastBlockRead) {
            e.readFailure = cutOff;
            return false;
        }
    }
    return true;
}

Expected expect(const Generated &g, const fru::Bytes &rec)
{
    Expected e;
    e.fields = g.fields;
    if (!g.layout.chassis)
        e.fields[0] = e.fields[1] = e.fields[2] = "";
    if (!walkAreas(rec, e))
        return e;
    for (const AreaPlan &a : kPlans) {
        int staged = 0;
        for (int f = a.first; f < a.first + a.count; ++f) {
            int chars = static_cast<int>(e.fields[f].size());
            staged += 1 + (chars == 1 ? 2 : chars);  // one character gets a NUL pad
        }
        e.tooLong = e.tooLong || staged > kStaging;
    }
    return e;
}

std::string describe(uint32_t seed, const Generated &g)
{
    std::string s = "seed " + std::to_string(seed) + ":";
    for (const std::string &v : g.fields)
        s += " [" + v + "]";
    s += " internalUse=" + std::to_string(g.layout.internalUse) + "x" + std::to_string(g.layout.internalUseBlocks) +
         " chassis=" + std::to_string(g.layout.chassis) + " gaps=" + std::to_string(g.layout.gapBlocks);
    return s;
}

class RoundTrip : public testing::TestWithParam<int> {};

TEST_P(RoundTrip, RewrittenRecordHoldsTheValuesRead)
{
    int stored = 0, refused = 0, tooLong = 0;
    for (int i = 0; i < kRecordsPerShard; ++i) {
        uint32_t seed = kFirstSeed + static_cast<uint32_t>(GetParam() * kRecordsPerShard + i);
        Generated g = generate(seed);
        fru::Bytes device = fru::build(g.fields, g.layout);
        SCOPED_TRACE(describe(seed, g));
        Expected e = expect(g, device);
        e2e::Result r = e2e::run({{}, device});
        EXPECT_EQ(robust::sanitizerReport(r.err), "");
        if (!e.readFailure.empty()) {
            ++refused;
            EXPECT_EQ(r.out, e2e::banner() + "Read FRU from BMC ~" + e.readFailure);
        } else if (e.tooLong) {
            ++tooLong;
            const std::string tail = "Parser fru.txt ~ Done.\nError!!!Data too long.\n";
            EXPECT_EQ(r.out.substr(r.out.size() - std::min(r.out.size(), tail.size())), tail);
        } else {
            ++stored;
            ASSERT_EQ(r.status, 0) << r.out;
            robust::Read after = robust::readRecord(r.device);
            EXPECT_EQ(after.problem, "");
            EXPECT_EQ(after.fields, e.fields);
            EXPECT_EQ(robust::foreignScriptLine(r.files["fru.sh"]), "");
            continue;
        }
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.writes(), 0);
        EXPECT_EQ(r.device, device);
    }
    robust::report("records_round_tripped", stored);
    robust::report("records_refused_by_the_read", refused);
    robust::report("records_too_long_to_stage", tooLong);
}

INSTANTIATE_TEST_SUITE_P(Shard, RoundTrip, testing::Range(0, kShards));

// The staging limit, one byte either side, for the two areas that can reach it.
TEST(StagingLimit, AreaOf256BytesIsWrittenAndOf257Refused)
{
    const struct {
        const char *name;
        int first;                 // field index of the area's first field
        std::vector<int> lengths;  // values, the custom field's last
        bool tooLong;
    } table[] = {
        {"Board256", 4, {63, 63, 63, 61, 0, 0}, false},
        {"Board257", 4, {63, 63, 63, 62, 0, 0}, true},
        {"Product256", 10, {63, 63, 63, 59, 0, 0, 0, 0}, false},
        {"Product257", 10, {63, 63, 63, 60, 0, 0, 0, 0}, true},
    };
    for (const auto &c : table) {
        SCOPED_TRACE(c.name);
        fru::Fields fields = {"", "", "", "0A1B2C"};
        int staged = 0;
        for (size_t i = 0; i < c.lengths.size(); ++i) {
            fields[c.first + i] = std::string(c.lengths[i], static_cast<char>('a' + i));
            staged += c.lengths[i] + 1;
        }
        ASSERT_EQ(staged > kStaging, c.tooLong);
        fru::Bytes device = fru::build(fields);
        e2e::Result r = e2e::run({{}, device});
        EXPECT_EQ(r.status, c.tooLong ? 1 : 0) << r.out;
        EXPECT_EQ(r.out.find("Error!!!Data too long.") != std::string::npos, c.tooLong);
        if (c.tooLong) {
            EXPECT_EQ(r.device, device);
        } else {
            robust::Read after = robust::readRecord(r.device);
            EXPECT_EQ(after.problem, "");
            EXPECT_EQ(after.fields, fields);
        }
    }
}

}  // namespace
