// List files: one entry a line, lines ending in CR LF, CR or LF; blank lines are entries and
// a final line break adds no entry.
#pragma once

#include <string>
#include <vector>

namespace wf {

// Throws wf::Error("Cannot open file " + path) when the file cannot be read.
std::vector<std::string> readListFile(const std::string& path);
// The entries of a list file's bytes.
std::vector<std::string> splitListLines(const std::string& bytes);

}  // namespace wf
