// Byte-string helpers of the platform core.
#include "platform/Text.h"

#include <algorithm>

namespace wf {

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return toLowerAscii(x) == toLowerAscii(y); });
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

bool lessNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        // Compare as unsigned so bytes above 127 sort after ASCII.
        const auto x = static_cast<unsigned char>(toLowerAscii(a[i]));
        const auto y = static_cast<unsigned char>(toLowerAscii(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = toLowerAscii(c);
    return out;
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace wf
