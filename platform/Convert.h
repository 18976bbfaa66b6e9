// Text to number and colour conversions with the platform's texts and errors.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wf {

// Decimal (or $hex) integer; blanks around it are not accepted. Throws
// wf::Error("'" + text + "' is not a valid integer value").
int strToInt(std::string_view text);

// Colour values: RGB as 00BBGGRR (red in the low byte), system colours as 0x80000000 + index.
// Text form: the colour's name when it has one (clRed, clWindow), else "$" + 8 upper-case
// hex digits ($00BBGGRR).
std::string colorToString(std::uint32_t color);
// Accepts a name (any case) or a $hex / decimal value; nullopt for anything else.
std::optional<std::uint32_t> stringToColor(std::string_view text);

}  // namespace wf
