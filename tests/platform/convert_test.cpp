// StrToInt's accepted forms and error text; colour names and text forms.
#include "platform/Convert.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

using namespace wf;

struct IntCase {
    const char* text;
    int value;
};

TEST(StrToInt, AcceptsDecimalAndHexForms) {
    const IntCase cases[] = {
        {"0", 0},
        {"42", 42},
        {"+7", 7},
        {"-13", -13},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$1F", 31},
        {"$ff", 255},
        {"0x10", 16},
        {"0X10", 16},
        {"x1A", 26},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"$80000000", -2147483647 - 1},
    };
    for (const IntCase& c : cases) EXPECT_EQ(strToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RefusesOtherTextWithThePlatformMessage) {
    const char* bad[] = {"",      " 1",   "1 ",     "abc",         "12abc",      "1.5", "-",
                         "+",     "$",    "0x",     "$1G",         "$123456789", "--1", "2147483648",
                         "-2147483649", "1e3", "\t5"};
    for (const char* text : bad) {
        try {
            strToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
        EXPECT_FALSE(tryStrToInt(text).has_value()) << text;
    }
}

struct ColorCase {
    std::uint32_t value;
    const char* text;
};

TEST(Colors, TextFormIsTheNameOrEightHexDigits) {
    const ColorCase cases[] = {
        {0x000000, "clBlack"},      {0x000080, "clMaroon"},      {0x008000, "clGreen"},
        {0x008080, "clOlive"},      {0x800000, "clNavy"},        {0x800080, "clPurple"},
        {0x808000, "clTeal"},       {0x808080, "clGray"},        {0xC0C0C0, "clSilver"},
        {0x0000FF, "clRed"},        {0x00FF00, "clLime"},        {0x00FFFF, "clYellow"},
        {0xFF0000, "clBlue"},       {0xFF00FF, "clFuchsia"},     {0xFFFF00, "clAqua"},
        {0xFFFFFF, "clWhite"},      {0xC0DCC0, "clMoneyGreen"},  {0xF0CAA6, "clSkyBlue"},
        {0xF0FBFF, "clCream"},      {0xA4A0A0, "clMedGray"},     {0x80000000, "clScrollBar"},
        {0x80000005, "clWindow"},   {0x80000008, "clWindowText"}, {0x80000015, "cl3DDkShadow"},
        {0x80000018, "clInfoBk"},   {0x8000001A, "clHotLight"},  {0x8000001E, "clMenuBar"},
        {0x00563412, "$00563412"},  {0x80000019, "$80000019"},   {0x1FFFFFFF, "$1FFFFFFF"},
        {0x00ABCDEF, "$00ABCDEF"},
    };
    for (const ColorCase& c : cases) {
        EXPECT_EQ(colorToString(c.value), c.text) << std::hex << c.value;
        EXPECT_EQ(stringToColor(c.text), c.value) << c.text;
    }
}

TEST(Colors, RgbHasRedInTheLowByte) {
    EXPECT_EQ(rgbColor(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_EQ(colorToString(rgbColor(0x12, 0x34, 0x56)), "$00563412");
    EXPECT_TRUE(isSystemColor(0x80000005));
    EXPECT_FALSE(isSystemColor(0x00FFFFFF));
}

TEST(Colors, NamesAreReadInAnyCaseAndNumbersInStrToIntForms) {
    EXPECT_EQ(stringToColor("CLRED"), 0x0000FFu);
    EXPECT_EQ(stringToColor("clwindow"), 0x80000005u);
    EXPECT_EQ(stringToColor("255"), 255u);
    EXPECT_EQ(stringToColor("$00FF0000"), 0xFF0000u);
    EXPECT_FALSE(stringToColor("red").has_value());
    EXPECT_FALSE(stringToColor("").has_value());
    EXPECT_FALSE(stringToColor("clRed ").has_value());
}

TEST(Colors, EverySystemColourIndexHasItsName) {
    // 25 is the one index without a name.
    for (std::uint32_t index = 0; index <= 30; ++index) {
        const std::string text = colorToString(kSystemColorBase + index);
        if (index == 25) {
            EXPECT_EQ(text, "$80000019");
        } else {
            EXPECT_EQ(text.substr(0, 2), "cl") << index;
            EXPECT_EQ(stringToColor(text), kSystemColorBase + index);
        }
    }
}
