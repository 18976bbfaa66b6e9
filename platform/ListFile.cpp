// List files: one entry a line, any of the three line ends.
#include "platform/ListFile.h"

#include "platform/Error.h"
#include "platform/FileBytes.h"

namespace wf {

std::vector<std::string> readListFile(const std::string& path) {
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) throw Error("Cannot open file " + path);
    return splitListLines(*bytes);
}

std::vector<std::string> splitListLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(bytes, start, i - start);
        // CR LF is one line end; a lone CR or LF is one too.
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    // Text after the last line end is an entry; a final line end adds none.
    if (start < bytes.size()) lines.emplace_back(bytes, start, bytes.size() - start);
    return lines;
}

}  // namespace wf
