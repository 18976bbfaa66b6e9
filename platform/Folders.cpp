// Folder reading and the folder list's entries.
#include "platform/Folders.h"

#include "platform/Error.h"
#include "platform/Paths.h"
#include "platform/Text.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace wf {

namespace {

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};

void sortNoCase(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lessNoCase(a, b); });
}

}  // namespace

FolderContents listFolder(const std::string& path) {
    errno = 0;
    std::unique_ptr<DIR, DirCloser> dir(::opendir(path.c_str()));
    if (!dir) throw Error("Cannot open folder " + path + ": " + systemReason(errno));
    FolderContents contents;
    const std::string prefix = withTrailingSeparator(path);
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) {
            if (errno != 0) throw Error("Cannot open folder " + path + ": " + systemReason(errno));
            break;
        }
        const std::string name = entry->d_name;
        if (name.empty() || name.front() == '.') continue;
        struct stat st {};
        if (::stat((prefix + name).c_str(), &st) != 0) continue;  // broken link, or gone
        if (S_ISDIR(st.st_mode)) {
            contents.folders.push_back(name);
        } else if (S_ISREG(st.st_mode)) {
            contents.files.push_back(name);
        }
    }
    sortNoCase(contents.folders);
    sortNoCase(contents.files);
    return contents;
}

std::string normalFolder(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(path, ec);
    if (ec) p = path;
    std::string out = p.lexically_normal().string();
    while (out.size() > 1 && isPathSeparator(out.back())) out.pop_back();
    return out;
}

std::string parentFolder(const std::string& path) {
    std::string folder = folderPart(path);
    while (folder.size() > 1 && isPathSeparator(folder.back())) folder.pop_back();
    return folder.empty() ? path : folder;
}

bool isInside(const std::string& path, const std::string& root) {
    if (path == root) return true;
    const std::string prefix = withTrailingSeparator(root);
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

std::vector<FolderEntry> folderEntries(const std::string& root, const std::string& open,
                                       const std::vector<std::string>& subfolders) {
    std::vector<FolderEntry> entries{{root, root, 0}};
    if (open != root && isInside(open, root)) {
        // Each folder from the root down to the open one.
        std::string_view rest = std::string_view(open).substr(withTrailingSeparator(root).size());
        std::string path = root;
        while (!rest.empty()) {
            const std::size_t sep = rest.find(kNativeSeparator);
            const std::string name(rest.substr(0, sep));
            path = joinPath(path, name);
            entries.push_back({name, path, static_cast<int>(entries.size())});
            rest = sep == std::string_view::npos ? std::string_view() : rest.substr(sep + 1);
        }
    }
    const int level = static_cast<int>(entries.size());
    for (const std::string& name : subfolders)
        entries.push_back({name, joinPath(open, name), level});
    return entries;
}

}  // namespace wf
