// Small byte-string helpers shared by the platform core: ASCII case folding and blank trimming.
// Names and values are bytes; only the letters A..Z and a..z fold.
#pragma once

#include <string>
#include <string_view>

namespace wf {

constexpr char toLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view text, std::string_view prefix);
// Orders as a sorted list box does: without regard to case, ties broken by the bytes so the
// order is total and stable across runs.
bool lessNoCase(std::string_view a, std::string_view b);
std::string toLowerAscii(std::string_view text);
// text without the spaces and tabs at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace wf
