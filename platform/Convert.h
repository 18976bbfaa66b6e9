// Text to number and colour conversions with the platform's texts and errors.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wf {

// Decimal with an optional sign, or hexadecimal written "$1F", "0x1F" or "x1F" (sign allowed in
// front); blanks around it are not accepted. Decimal must fit an int; hex takes up to eight
// digits as a 32-bit pattern ("$FFFFFFFF" is -1). Throws
// wf::Error("'" + text + "' is not a valid integer value").
int strToInt(std::string_view text);
// The same rules; nullopt where strToInt throws.
std::optional<int> tryStrToInt(std::string_view text);

// Colour values: RGB as 00BBGGRR (red in the low byte), system colours as 0x80000000 + index.
constexpr std::uint32_t kSystemColorBase = 0x80000000u;
constexpr bool isSystemColor(std::uint32_t color) { return (color & 0xFF000000u) == kSystemColorBase; }
constexpr std::uint32_t rgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
           (static_cast<std::uint32_t>(blue) << 16);
}

struct NamedColor {
    const char* name;     // "clRed", "clWindow"
    std::uint32_t value;
};
// Every colour with a name: the named RGB colours, then the system colours by index.
std::span<const NamedColor> namedColors();

// Text form: the colour's name when it has one (clRed, clWindow), else "$" + 8 upper-case
// hex digits ($00BBGGRR).
std::string colorToString(std::uint32_t color);
// Accepts a name (any case) or a number in strToInt's forms; nullopt for anything else.
std::optional<std::uint32_t> stringToColor(std::string_view text);

}  // namespace wf
