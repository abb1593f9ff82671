// The response line and the hex text at their edges: korrel must never read
// past the end of the text it is given, nor compute with undefined values,
// whatever characters arrive.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "hex.h"
#include "read.h"

using namespace korrel;

namespace {

// A copy of text in a heap block of exactly its size, so that the address
// sanitizer reports any read beyond its terminator.
std::unique_ptr<char[]> exact(const std::string &text)
{
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    text.copy(copy.get(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

TEST(Bounds, EveryCutShortResponseIsRefusedWithinItsText)
{
    const std::string sound = " 08 01 00 01 04 0a 00 00 f0\n";
    for (size_t cut = 0; cut < sound.size(); ++cut) {
        std::string line = sound.substr(0, cut);
        SCOPED_TRACE('"' + line + '"');
        // Only the full eight bytes pass; the newline is not needed.
        EXPECT_EQ(responseIsSound(exact(line).get()), cut >= sound.size() - 1);
    }
}

// Non-hex characters give meaningless bytes, never undefined behaviour:
// the digit value of any other character is its code less 0x57.
TEST(Bounds, NonHexCharactersConvertWithoutUndefinedBehaviour)
{
    const struct {
        const char *text;
        int value;
    } cases[] = {
        {"  ", ((0x20 - 0x57) * 16 + (0x20 - 0x57)) & 0xFF},
        {"!~", ((0x21 - 0x57) * 16 + (0x7E - 0x57)) & 0xFF},
        {"G0", ((0x47 - 0x57) * 16) & 0xFF},
        {"\x01\x7f", ((0x01 - 0x57) * 16 + (0x7F - 0x57)) & 0xFF},
        {"zz", ((0x7A - 0x57) * 16 + (0x7A - 0x57)) & 0xFF},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        uint8_t b = 0;
        str2byte(c.text, &b);
        EXPECT_EQ(b, c.value);
        std::string date = std::string(c.text) + c.text + c.text;
        uint8_t bytes[3] = {};
        DTstr2byte(date.c_str(), bytes);
        EXPECT_EQ(bytes[0], c.value);
        EXPECT_EQ(bytes[2], c.value);
    }
}

}  // namespace
