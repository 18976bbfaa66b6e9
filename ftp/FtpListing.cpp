// Parsing of LIST output (Unix long form and DOS form).
#include "ftp/FtpListing.h"

#include <array>
#include <cctype>

namespace sorxfer {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Field {
    std::size_t begin;
    std::size_t end;
};

// Fields separated by runs of blanks, as offsets into line.
std::vector<Field> splitFields(std::string_view line) {
    std::vector<Field> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i >= line.size()) break;
        const std::size_t b = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        out.push_back({b, i});
    }
    return out;
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!isDigit(c)) return false;
    return true;
}

bool isMonth(std::string_view s) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    if (s.size() != 3) return false;
    std::string l;
    for (char c : s) l += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view m : kMonths)
        if (l == m) return true;
    return false;
}

// "12:34" or "1:05" (clock) or a four-digit year.
bool isTimeOrYear(std::string_view s) {
    if (s.size() == 4 && allDigits(s)) return true;
    const std::size_t colon = s.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2) return false;
    return allDigits(s.substr(0, colon)) && s.size() - colon - 1 == 2 &&
           allDigits(s.substr(colon + 1));
}

// "2024-01-31" as some servers print with ISO time styles.
bool isIsoDate(std::string_view s) {
    return s.size() == 10 && s[4] == '-' && s[7] == '-' && allDigits(s.substr(0, 4)) &&
           allDigits(s.substr(5, 2)) && allDigits(s.substr(8, 2));
}

// Index of the field where the name starts, after "size month day time" or "size date time";
// 0 when the line has no recognisable date.
std::size_t nameFieldAfterDate(std::string_view line, const std::vector<Field>& f) {
    auto text = [&](std::size_t i) { return line.substr(f[i].begin, f[i].end - f[i].begin); };
    for (std::size_t i = 2; i + 1 < f.size(); ++i) {
        if (!allDigits(text(i - 1))) continue;  // the size stands before the date
        if (i + 3 < f.size() && isMonth(text(i)) && allDigits(text(i + 1)) &&
            text(i + 1).size() <= 2 && isTimeOrYear(text(i + 2)))
            return i + 3;
        if (i + 2 < f.size() && isIsoDate(text(i)) && isTimeOrYear(text(i + 1))) return i + 2;
    }
    return 0;
}

// MM-DD-YY or MM-DD-YYYY.
bool isDosDate(std::string_view s) {
    if (s.size() != 8 && s.size() != 10) return false;
    return isDigit(s[0]) && isDigit(s[1]) && s[2] == '-' && isDigit(s[3]) && isDigit(s[4]) &&
           s[5] == '-' && allDigits(s.substr(6));
}

// HH:MM followed by AM or PM (any case), or a plain 24-hour HH:MM.
bool isDosTime(std::string_view s) {
    if (s.size() == 7) {
        const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(s[5])));
        const char m = static_cast<char>(std::toupper(static_cast<unsigned char>(s[6])));
        if ((a != 'A' && a != 'P') || m != 'M') return false;
        s = s.substr(0, 5);
    }
    return s.size() == 5 && isDigit(s[0]) && isDigit(s[1]) && s[2] == ':' && isDigit(s[3]) &&
           isDigit(s[4]);
}

bool parseDosLine(std::string_view line, const std::vector<Field>& f, ListingEntry& out) {
    if (f.size() < 4) return false;
    auto text = [&](std::size_t i) { return line.substr(f[i].begin, f[i].end - f[i].begin); };
    if (!isDosDate(text(0)) || !isDosTime(text(1))) return false;
    const std::string_view kind = text(2);
    const bool dir = kind == "<DIR>" || kind == "<dir>";
    if (!dir && !allDigits(kind)) return false;
    out.attribute = dir ? "d---------" : "----------";
    out.name = std::string(line.substr(f[3].begin));
    return true;
}

}  // namespace

bool parseListingLine(std::string_view line, ListingEntry& out) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<Field> f = splitFields(line);
    if (parseDosLine(line, f, out)) return true;
    if (f.size() < 8) return false;

    out.attribute = std::string(line.substr(f[0].begin, f[0].end - f[0].begin));
    const std::size_t nameField = nameFieldAfterDate(line, f);
    if (nameField == 0) {
        out.name = std::string(line.substr(f.back().begin, f.back().end - f.back().begin));
    } else {
        // One blank separates the time from the name; blanks beyond it belong to the name.
        out.name = std::string(line.substr(f[nameField - 1].end + 1));
    }
    if (!out.attribute.empty() && out.attribute[0] == 'l') {
        const std::size_t arrow = out.name.find(" -> ");
        if (arrow != std::string::npos && arrow > 0) out.name.resize(arrow);
    }
    return true;
}

std::vector<ListingEntry> parseListing(std::string_view text) {
    std::vector<ListingEntry> out;
    ListingEntry e;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        const std::string_view line = text.substr(0, lf);
        if (parseListingLine(line, e)) out.push_back(std::move(e));
        if (lf == std::string_view::npos) break;
        text.remove_prefix(lf + 1);
    }
    return out;
}

}  // namespace sorxfer
