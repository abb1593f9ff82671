// The edit phase on its own: which slots a command changes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "driver.h"

using namespace korrel;

namespace {

RunState &decoded()
{
    static RunState st;
    std::memset(&st, 0, sizeof st);
    for (int f = 0; f < kFieldCount; ++f)
        std::snprintf(st.fruvalue[f], kValueSlot, "value%d", f);
    return st;
}

bool apply(RunState &st, std::initializer_list<const char *> args, std::string *out = nullptr)
{
    std::vector<const char *> argv = {"korrel"};
    argv.insert(argv.end(), args);
    testing::internal::CaptureStdout();
    bool ok = applyUserCommand(st, static_cast<int>(argv.size()), argv.data());
    std::string text = testing::internal::GetCapturedStdout();
    if (out != nullptr)
        *out = text;
    return ok;
}

TEST(Edit, SetsOneSlotOnly)
{
    RunState &st = decoded();
    ASSERT_TRUE(apply(st, {"BSN", "ABC123"}));
    EXPECT_STREQ(st.fruvalue[6], "ABC123");
    for (int f = 0; f < kFieldCount; ++f) {
        if (f != 6) {
            EXPECT_EQ(std::string(st.fruvalue[f]), "value" + std::to_string(f));
        }
    }
}

TEST(Edit, ValueLengthLimit)
{
    const struct { size_t length; bool ok; } cases[] = {{0, true}, {1, true}, {63, true}, {64, false}, {4096, false}};
    for (const auto &c : cases) {
        RunState &st = decoded();
        std::string value(c.length, 'x');
        EXPECT_EQ(apply(st, {"CPI", value.c_str()}), c.ok) << c.length;
        EXPECT_STREQ(st.fruvalue[17], c.ok ? value.c_str() : "value17") << c.length;
    }
}

TEST(Edit, OnlyBoardSerialKeepsSerialAndDate)
{
    RunState &st = decoded();
    std::string out;
    ASSERT_TRUE(apply(st, {"ONLY_BSN"}, &out));
    EXPECT_EQ(out, "Modify FRU ~\nGot ONLY_BSN\n");
    EXPECT_EQ(g_only_BSN, 1);
    g_only_BSN = 0;
    for (int f = 0; f < kFieldCount; ++f)
        EXPECT_STREQ(st.fruvalue[f], f == 3 || f == 6 ? ("value" + std::to_string(f)).c_str() : "") << f;
}

TEST(Edit, UsageCommandsLeaveSlotsAsRead)
{
    for (auto args : {std::initializer_list<const char *>{}, {"only_bsn"}, {"BSN"}, {"a", "b", "c"}}) {
        RunState &st = decoded();
        EXPECT_TRUE(apply(st, args));
        EXPECT_EQ(g_only_BSN, 0);
        for (int f = 0; f < kFieldCount; ++f)
            EXPECT_EQ(std::string(st.fruvalue[f]), "value" + std::to_string(f));
    }
}

}  // namespace
