// Wildcard matching for file masks.
#include "platform/Wildcard.h"

#include "platform/Text.h"

namespace wf {

namespace {

// Iterative glob match with one backtrack point: linear in practice, no recursion.
bool globMatch(std::string_view text, std::string_view pattern) {
    std::size_t t = 0, p = 0;
    std::size_t starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || toLowerAscii(pattern[p]) == toLowerAscii(text[t]))) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

bool matchesWildcard(std::string_view name, std::string_view mask) {
    if (globMatch(name, mask)) return true;
    const std::size_t maskDot = mask.rfind('.');
    if (maskDot == std::string_view::npos) return false;
    const std::string_view maskBase = mask.substr(0, maskDot);
    const std::string_view maskExt = mask.substr(maskDot + 1);
    const std::size_t nameDot = name.rfind('.');
    if (maskExt == "*") {
        // "name.*" also takes "name" with no extension at all.
        return nameDot == std::string_view::npos && globMatch(name, maskBase);
    }
    if (maskExt.size() == 3 && maskExt.find('*') == std::string_view::npos &&
        nameDot != std::string_view::npos) {
        const std::string_view nameExt = name.substr(nameDot + 1);
        return nameExt.size() > 3 && globMatch(name.substr(0, nameDot), maskBase) &&
               globMatch(nameExt.substr(0, 3), maskExt);
    }
    return false;
}

bool matchesMask(std::string_view name, std::string_view masks) {
    while (!masks.empty()) {
        const std::size_t semi = masks.find(';');
        const std::string_view mask = trimBlanks(masks.substr(0, semi));
        if (!mask.empty() && matchesWildcard(name, mask)) return true;
        if (semi == std::string_view::npos) break;
        masks.remove_prefix(semi + 1);
    }
    return false;
}

}  // namespace wf
