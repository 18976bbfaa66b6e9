// UTF-8 validation and the Windows-1252 table.
#include "editor/Encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wrenfold::test {
namespace {

using namespace std::string_literals;

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
};

TEST(Utf8Validation, AcceptsWellFormedTextOnly) {
    const std::vector<Utf8Case> cases = {
        {"empty", "", true},
        {"ascii longer than a word", "0123456789abcdefghij", true},
        {"NUL", "\0\0"s, true},
        {"two bytes", "\xc3\xa9", true},
        {"three bytes", "\xe2\x82\xac", true},
        {"four bytes", "\xf0\x9f\x98\x80", true},
        {"highest character", "\xf4\x8f\xbf\xbf", true},
        {"after eight ascii bytes", "abcdefgh\xc3\xa9", true},
        {"lone continuation", "\x80", false},
        {"1252 letter", "caf\xe9!", false},
        {"overlong two bytes", "\xc0\x80", false},
        {"overlong three bytes", "\xe0\x80\x80", false},
        {"overlong four bytes", "\xf0\x80\x80\x80", false},
        {"surrogate", "\xed\xa0\x80", false},
        {"above U+10FFFF", "\xf4\x90\x80\x80", false},
        {"truncated at the end", "ab\xe2\x82", false},
        {"bad continuation", "\xe2\x28\xa1", false},
        {"F5 lead byte", "\xf5\x80\x80\x80", false},
        {"invalid far into ascii", std::string(100, 'a') + "\xff" + std::string(100, 'a'), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isValidUtf8(c.bytes.data(), c.bytes.size()), c.valid);
    }
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const char16_t ch = cp1252ToUnicode(static_cast<unsigned char>(b));
        const auto back = unicodeToCp1252(ch);
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, b);
    }
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(cp1252ToUnicode(0x80), u'\u20AC');
    EXPECT_EQ(cp1252ToUnicode(0x93), u'\u201C');
    EXPECT_EQ(cp1252ToUnicode(0x9F), u'\u0178');
    EXPECT_EQ(cp1252ToUnicode(0xE9), u'\u00E9');
    EXPECT_EQ(cp1252ToUnicode(0x41), u'A');
    EXPECT_EQ(unicodeToCp1252(U'\u2014'), 0x97);
    EXPECT_FALSE(unicodeToCp1252(U'\u4E2D').has_value());
    EXPECT_FALSE(unicodeToCp1252(U'\u0080').has_value());  // 80 means the euro sign here
    EXPECT_FALSE(unicodeToCp1252(U'\U0001F600').has_value());
}

}  // namespace
}  // namespace wrenfold::test
