// Integer and colour text conversions.
#include "platform/Convert.h"

#include "platform/Error.h"
#include "platform/Text.h"

#include <array>
#include <cstdio>
#include <limits>

namespace wf {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char l = toLowerAscii(c);
    if (l >= 'a' && l <= 'f') return l - 'a' + 10;
    return -1;
}

}  // namespace

std::optional<int> tryStrToInt(std::string_view text) {
    std::string_view rest = text;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    bool hex = false;
    if (!rest.empty() && rest.front() == '$') {
        hex = true;
        rest.remove_prefix(1);
    } else if (startsWithNoCase(rest, "0x")) {
        hex = true;
        rest.remove_prefix(2);
    } else if (!rest.empty() && toLowerAscii(rest.front()) == 'x') {
        hex = true;
        rest.remove_prefix(1);
    }
    if (rest.empty()) return std::nullopt;

    // Accumulate in 64 bits; the limits below keep it from overflowing.
    std::int64_t value = 0;
    if (hex) {
        if (rest.size() > 8) return std::nullopt;
        for (char c : rest) {
            const int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + d;
        }
        // Hex is a 32-bit pattern: $FFFFFFFF reads as -1.
        auto pattern = static_cast<std::uint32_t>(value);
        if (negative) pattern = 0u - pattern;
        return static_cast<int>(pattern);
    }
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                 : std::numeric_limits<int>::max();
    for (char c : rest) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

int strToInt(std::string_view text) {
    if (auto v = tryStrToInt(text)) return *v;
    throw Error("'" + std::string(text) + "' is not a valid integer value");
}

namespace {

constexpr std::uint32_t sys(std::uint32_t index) { return kSystemColorBase + index; }

constexpr std::array<NamedColor, 50> kNamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", sys(0)},
    {"clBackground", sys(1)},
    {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)},
    {"clMenu", sys(4)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clMenuText", sys(7)},
    {"clWindowText", sys(8)},
    {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)},
    {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)},
    {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},
    {"clInactiveCaptionText", sys(19)},
    {"clBtnHighlight", sys(20)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},
    {"clHotLight", sys(26)},
    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)},
    {"clMenuHighlight", sys(29)},
    {"clMenuBar", sys(30)},
}};

}  // namespace

std::span<const NamedColor> namedColors() { return kNamedColors; }

std::string colorToString(std::uint32_t color) {
    for (const NamedColor& c : kNamedColors)
        if (c.value == color) return c.name;
    char buffer[10];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(color));
    return buffer;
}

std::optional<std::uint32_t> stringToColor(std::string_view text) {
    for (const NamedColor& c : kNamedColors)
        if (equalsNoCase(text, c.name)) return c.value;
    if (auto v = tryStrToInt(text)) return static_cast<std::uint32_t>(*v);
    return std::nullopt;
}

}  // namespace wf
