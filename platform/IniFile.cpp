// INI files by the Windows profile rules, rewritten line-preservingly and atomically.
#include "platform/IniFile.h"

#include "platform/Convert.h"
#include "platform/Error.h"
#include "platform/FileBytes.h"
#include "platform/Text.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace wf {

namespace {

constexpr std::size_t npos = std::string::npos;

struct IniLine {
    enum class Kind { Other, Section, Key };
    std::string text;  // without its line end
    std::string eol;   // "\r\n", "\n", "\r", or "" for a last line without one
    Kind kind = Kind::Other;
    std::string name;  // section name or key, without outer blanks
    std::size_t eq = 0;  // Key: position of the '=' in text
};

IniLine classify(std::string text, std::string eol) {
    IniLine line;
    line.text = std::move(text);
    line.eol = std::move(eol);
    const std::string_view t = trimBlanks(line.text);
    if (t.empty() || t.front() == ';') return line;  // blank line or comment
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close == npos) return line;  // a broken header is junk
        line.kind = IniLine::Kind::Section;
        line.name = trimBlanks(t.substr(1, close - 1));
        return line;
    }
    const std::size_t eq = line.text.find('=');
    if (eq == npos) return line;  // junk
    line.kind = IniLine::Kind::Key;
    line.name = trimBlanks(std::string_view(line.text).substr(0, eq));
    line.eq = eq;
    return line;
}

// The lines of one INI file and lookups over them. Sections span from their header to the next.
class IniDocument {
public:
    explicit IniDocument(const std::string& bytes) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < bytes.size();) {
            const char c = bytes[i];
            if (c != '\r' && c != '\n') {
                ++i;
                continue;
            }
            const std::size_t len = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            if (newline_.empty()) newline_ = bytes.substr(i, len);
            lines_.push_back(classify(bytes.substr(start, i - start), bytes.substr(i, len)));
            i += len;
            start = i;
        }
        if (start < bytes.size()) lines_.push_back(classify(bytes.substr(start), std::string()));
        if (newline_.empty()) newline_ = "\r\n";
    }

    std::string bytes() const {
        std::string out;
        for (const IniLine& l : lines_) out += l.text + l.eol;
        return out;
    }

    const std::vector<IniLine>& lines() const { return lines_; }

    std::size_t findSection(std::string_view name, std::size_t from = 0) const {
        for (std::size_t i = from; i < lines_.size(); ++i)
            if (lines_[i].kind == IniLine::Kind::Section && equalsNoCase(lines_[i].name, name))
                return i;
        return npos;
    }
    std::size_t sectionEnd(std::size_t header) const {
        std::size_t i = header + 1;
        while (i < lines_.size() && lines_[i].kind != IniLine::Kind::Section) ++i;
        return i;
    }
    std::size_t findKey(std::string_view section, std::string_view key) const {
        const std::size_t header = findSection(section);
        if (header == npos) return npos;
        const std::size_t end = sectionEnd(header);
        for (std::size_t i = header + 1; i < end; ++i)
            if (lines_[i].kind == IniLine::Kind::Key && equalsNoCase(lines_[i].name, key)) return i;
        return npos;
    }
    std::string value(std::size_t keyLine) const {
        const IniLine& l = lines_[keyLine];
        return std::string(trimBlanks(std::string_view(l.text).substr(l.eq + 1)));
    }

    // Sets the value of an existing key line, keeping everything up to its '='.
    bool replaceValue(std::size_t keyLine, const std::string& value) {
        IniLine& l = lines_[keyLine];
        std::string text = l.text.substr(0, l.eq + 1) + value;
        if (text == l.text) return false;
        l = classify(std::move(text), l.eol);
        return true;
    }
    void addKey(std::string_view section, std::string_view key, const std::string& value) {
        const std::string keyLine = std::string(key) + "=" + value;
        const std::size_t header = findSection(section);
        if (header == npos) {
            if (!lines_.empty()) {
                endLastLine();
                if (!trimBlanks(lines_.back().text).empty()) lines_.push_back(classify("", newline_));
            }
            lines_.push_back(classify("[" + std::string(section) + "]", newline_));
            lines_.push_back(classify(keyLine, newline_));
            return;
        }
        // After the section's last key, so blank lines and comments before the next header stay
        // with that header.
        std::size_t after = header;
        const std::size_t end = sectionEnd(header);
        for (std::size_t i = header + 1; i < end; ++i)
            if (lines_[i].kind == IniLine::Kind::Key) after = i;
        if (lines_[after].eol.empty()) lines_[after].eol = newline_;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                      classify(keyLine, newline_));
    }
    bool eraseSections(std::string_view name) {
        bool erased = false;
        for (std::size_t header = findSection(name); header != npos; header = findSection(name, header)) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                         lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)));
            erased = true;
        }
        return erased;
    }

private:
    void endLastLine() {
        if (lines_.back().eol.empty()) lines_.back().eol = newline_;
    }

    std::vector<IniLine> lines_;
    std::string newline_;  // line end for lines we add
};

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != npos; }

bool storableSection(std::string_view name) {
    return !hasLineBreak(name) && name.find(']') == npos;
}
bool storableKey(std::string_view key) {
    return !key.empty() && !hasLineBreak(key) && key.find('=') == npos && key.front() != ';' &&
           key.front() != '[';
}

[[noreturn]] void failWrite(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    throw Error("Unable to write to " + (ec ? path : full.lexically_normal().string()));
}

// The document of a file for changing it. A file that exists but cannot be read is never
// replaced by what little we know of it.
IniDocument documentForChange(const std::string& path) {
    int error = 0;
    std::optional<std::string> bytes = readFileBytes(path, &error);
    if (!bytes && error != ENOENT) failWrite(path);
    return IniDocument(bytes.value_or(std::string()));
}

void commit(const std::string& path, const IniDocument& doc) {
    // The rename would get past a read-only file; the system's own rule holds instead.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) failWrite(path);
    if (!writeFileAtomically(path, doc.bytes())) failWrite(path);
}

// The document of a file for reading: a missing or unreadable file reads as empty.
IniDocument readDocument(const std::string& path) {
    return IniDocument(readFileBytes(path).value_or(std::string()));
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const IniDocument doc = readDocument(path_);
    const std::size_t line = doc.findKey(trimBlanks(section), trimBlanks(key));
    return line == npos ? defaultValue : doc.value(line);
}

int IniFile::readInteger(const std::string& section, const std::string& key,
                         int defaultValue) const {
    const IniDocument doc = readDocument(path_);
    const std::size_t line = doc.findKey(trimBlanks(section), trimBlanks(key));
    if (line == npos) return defaultValue;
    return tryStrToInt(doc.value(line)).value_or(defaultValue);
}

std::vector<std::string> IniFile::sections() const {
    const IniDocument doc = readDocument(path_);
    std::vector<std::string> names;
    for (const IniLine& l : doc.lines()) {
        if (l.kind != IniLine::Kind::Section) continue;
        bool seen = false;
        for (const std::string& n : names) seen = seen || equalsNoCase(n, l.name);
        if (!seen) names.push_back(l.name);
    }
    return names;
}

bool IniFile::sectionExists(const std::string& section) const {
    return readDocument(path_).findSection(trimBlanks(section)) != npos;
}

bool IniFile::keyExists(const std::string& section, const std::string& key) const {
    return readDocument(path_).findKey(trimBlanks(section), trimBlanks(key)) != npos;
}

void IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
    const std::string_view s = trimBlanks(section);
    const std::string_view k = trimBlanks(key);
    if (!storableSection(s) || !storableKey(k) || hasLineBreak(value)) failWrite(path_);
    IniDocument doc = documentForChange(path_);
    if (const std::size_t line = doc.findKey(s, k); line != npos) {
        if (!doc.replaceValue(line, value)) return;
    } else {
        doc.addKey(s, k, value);
    }
    commit(path_, doc);
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::eraseSection(const std::string& section) {
    IniDocument doc = documentForChange(path_);
    if (doc.eraseSections(trimBlanks(section))) commit(path_, doc);
}

}  // namespace wf
