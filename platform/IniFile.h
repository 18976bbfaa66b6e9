// An INI file read and written by the Windows profile rules: section and key names compare
// without regard to case, blanks around a name or value are dropped, sections are listed in
// file order, comments and junk lines are ignored on reading and kept on rewriting. Every write
// goes to disk at once.
#pragma once

#include <string>
#include <vector>

namespace wf {

// The file is read again for every call, so several IniFile objects (or programs) on one path
// always see each other's writes.
//
// Layout rules of a rewrite: every line that is not changed stays as it was, byte for byte, with
// its own line end. A key that exists is replaced in place (its first occurrence in the first
// section of that name); a new key goes after the last key of its section; a new section is
// appended at the end of the file, after a blank line. New lines take the line end of the
// file's first line (CR LF for a new file or one without line ends), so a file never gets mixed
// line ends from us.
//
// Values are bytes, stored as given and read back without their outer blanks. Quotes are not
// stripped. An empty section name is an ordinary name, written as "[]".
class IniFile {
public:
    // Nothing is read until asked; a missing file reads as empty. path is UTF-8.
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue = std::string()) const;
    // A missing key, or a value that is not an integer (strToInt's forms; "0x" hex too),
    // gives defaultValue.
    int readInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Names of all sections, in file order; a name repeated in the file is listed once.
    std::vector<std::string> sections() const;
    bool sectionExists(const std::string& section) const;
    bool keyExists(const std::string& section, const std::string& key) const;

    // These change the file on disk before they return (a call that changes nothing does not
    // write). A write the system refuses throws wf::Error("Unable to write to " + full path);
    // so does a name or value the format cannot hold: a line break anywhere, "]" in a section
    // name, "=" in a key or a key that is empty or begins with ";" or "[". An existing file that
    // cannot be read is never overwritten (the same error), so its content is not lost.
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, int value);
    // Removes every section of that name with all its lines; nothing to remove writes nothing.
    void eraseSection(const std::string& section);

private:
    std::string path_;
};

}  // namespace wf
