// The markup builders' string helpers.
#include "editor/myutils.h"

#include "platform/Paths.h"

#include <cstddef>
#include <vector>

namespace wrenfold {

namespace {

constexpr std::size_t npos = std::string::npos;

// Position of the last "..", counting overlapping pairs; npos when there is none.
std::size_t lastDots(const std::string& t) {
    for (std::size_t p = t.size(); p-- > 1;)
        if (t[p - 1] == '.' && t[p] == '.') return p - 1;
    return npos;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

// The folder part (through the last separator) with the drive taken off.
std::string folderOf(const std::string& path, const std::string& drive) {
    const std::string folder = wf::folderPart(path);
    return folder.size() <= drive.size() ? std::string() : folder.substr(drive.size());
}

// Components between separators; a folder part ends with a separator, so its list ends
// with an empty component. An empty folder part gives an empty list.
std::vector<std::string> componentsOf(const std::string& folder) {
    std::vector<std::string> parts;
    if (folder.empty()) return parts;
    std::string current;
    for (char c : folder) {
        if (wf::isPathSeparator(c)) {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(current);
    return parts;
}

std::string withForwardSlashes(std::string s) {
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

std::string relativePath(const std::string& base, const std::string& target) {
    const std::string baseDrive = wf::drivePart(base);
    const std::string targetDrive = wf::drivePart(target);
    if (!equalNoCase(baseDrive, targetDrive)) return target;

    const auto b = componentsOf(folderOf(base, baseDrive));
    const auto t = componentsOf(folderOf(target, targetDrive));
    std::size_t k = 0;
    while (k < b.size() && k < t.size() && equalNoCase(b[k], t[k])) ++k;
    const std::string name = wf::fileNamePart(target);
    if (k == b.size() && k == t.size()) return name;

    std::string r;
    // Up once for each remaining component of the base, not its empty final one.
    for (std::size_t i = k; i < b.size(); ++i)
        if (!(i + 1 == b.size() && b[i].empty())) r += "..\\";
    // Down through the rest of the target, in its own letter case.
    for (std::size_t i = k; i < t.size(); ++i) {
        const bool emptyFinal = i + 1 == t.size() && t[i].empty();
        const bool emptyAtK = i == k && t[i].empty();
        if (!emptyFinal && !emptyAtK) r += t[i] + "\\";
    }
    return r + name;
}

// Characters from..from+count of s (1-based), as far as s reaches.
std::string copy(const std::string& s, std::size_t from, std::size_t count) {
    if (from < 1 || from > s.size()) return {};
    return s.substr(from - 1, count);
}

}  // namespace

std::string TextBeforeDots(const std::string& t) {
    const std::size_t p = lastDots(t);
    return p == npos ? std::string() : t.substr(0, p);
}

std::string TextAfterDots(const std::string& t) {
    const std::size_t p = lastDots(t);
    return p == npos ? std::string() : t.substr(p + 2);
}

std::string RelativeUrl(const std::string& base, const std::string& target) {
    return withForwardSlashes(relativePath(base, target));
}

std::string HtmlColor(const std::string& colourText) {
    if (colourText.size() >= 2 && colourText[0] == 'c' && colourText[1] == 'l') {
        std::string name = colourText.substr(2);
        for (char& c : name) c = lowerAscii(c);
        return name;
    }
    // "$00BBGGRR": red, green and blue pairs in reverse.
    return "#" + copy(colourText, 8, 2) + copy(colourText, 6, 2) + copy(colourText, 4, 2);
}

std::string TextBeforeBlank(const std::string& t) {
    const std::size_t p = t.find(' ');
    return p == npos ? std::string() : t.substr(0, p);
}

}  // namespace wrenfold
