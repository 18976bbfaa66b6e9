// The markup builders' string helpers.
#include "editor/myutils.h"

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

bool isSeparator(char c) { return c == '\\' || c == '/'; }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

// "C:" when the second character is a colon; for a path that begins with two separators,
// the text up to the second separator after them ("\\server\share"); else empty.
std::string driveOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        std::size_t seen = 0;
        for (std::size_t i = 2; i < path.size(); ++i)
            if (isSeparator(path[i]) && ++seen == 2) return path.substr(0, i);
        return path;
    }
    return {};
}

// Index just past the last separator or colon (0 when there is none).
std::size_t nameStart(const std::string& path) {
    for (std::size_t i = path.size(); i-- > 0;)
        if (isSeparator(path[i]) || path[i] == ':') return i + 1;
    return 0;
}

std::string fileNameOf(const std::string& path) { return path.substr(nameStart(path)); }

// The folder part (through the last separator or colon) with the drive taken off.
std::string folderOf(const std::string& path, const std::string& drive) {
    const std::size_t end = nameStart(path);
    if (end <= drive.size()) return {};
    return path.substr(drive.size(), end - drive.size());
}

// Components between separators; a folder part ends with a separator, so its list ends
// with an empty component. An empty folder part gives an empty list.
std::vector<std::string> componentsOf(const std::string& folder) {
    std::vector<std::string> parts;
    if (folder.empty()) return parts;
    std::string current;
    for (char c : folder) {
        if (isSeparator(c)) {
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
    const std::string baseDrive = driveOf(base);
    const std::string targetDrive = driveOf(target);
    if (!equalNoCase(baseDrive, targetDrive)) return target;

    const auto b = componentsOf(folderOf(base, baseDrive));
    const auto t = componentsOf(folderOf(target, targetDrive));
    std::size_t k = 0;
    while (k < b.size() && k < t.size() && equalNoCase(b[k], t[k])) ++k;
    const std::string name = fileNameOf(target);
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
