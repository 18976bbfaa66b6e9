// An INI file read and written by the Windows profile rules: section and key names compare
// without regard to case, blanks around a value are dropped, sections are listed in file
// order, comments and junk lines are ignored on reading and kept on rewriting. Every write
// goes to disk at once.
#pragma once

#include <string>
#include <vector>

namespace wf {

class IniFile {
public:
    // Nothing is read until asked; a missing file reads as empty. path is UTF-8.
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue = std::string()) const;
    // A missing key, or a value that is not an integer, gives defaultValue.
    int readInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Names of all sections, in file order.
    std::vector<std::string> sections() const;
    bool sectionExists(const std::string& section) const;

    // These change the file on disk before they return. A write the system refuses throws
    // wf::Error("Unable to write to " + path).
    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, int value);
    void eraseSection(const std::string& section);

private:
    std::string path_;
};

}  // namespace wf
