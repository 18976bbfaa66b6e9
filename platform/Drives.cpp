// Drive selection among the mounted file systems.
#include "platform/Drives.h"

#include "platform/Folders.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace wf {

namespace {

constexpr std::array<std::string_view, 28> kPseudoTypes{
    "proc",      "sysfs",     "devtmpfs",  "devpts",     "tmpfs",       "ramfs",
    "cgroup",    "cgroup2",   "securityfs", "pstore",    "bpf",         "debugfs",
    "tracefs",   "configfs",  "fusectl",   "mqueue",     "hugetlbfs",   "autofs",
    "binfmt_misc", "nsfs",    "rpc_pipefs", "efivarfs",  "squashfs",    "selinuxfs",
    "fuse.gvfsd-fuse", "fuse.portal", "overlay", "devfs"};

constexpr std::array<std::string_view, 6> kSystemFolders{"/proc", "/sys", "/dev", "/run",
                                                         "/boot", "/snap"};

}  // namespace

bool isUserMount(const MountPoint& mount, bool isFolder) {
    if (mount.rootPath == "/") return true;
    if (!isFolder || mount.rootPath.empty()) return false;
    for (std::string_view type : kPseudoTypes)
        if (equalsNoCase(mount.fsType, type)) return false;
    if (isInside(mount.rootPath, "/run/media") && mount.rootPath != "/run/media") return true;
    for (std::string_view folder : kSystemFolders)
        if (isInside(mount.rootPath, std::string(folder))) return false;
    return true;
}

std::vector<std::string> sortedDriveRoots(std::vector<std::string> roots) {
    std::sort(roots.begin(), roots.end(), [](const std::string& a, const std::string& b) {
        if ((a == "/") != (b == "/")) return a == "/";
        return lessNoCase(a, b);
    });
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    if (roots.empty() || roots.front() != "/") roots.insert(roots.begin(), "/");
    return roots;
}

std::string driveRootOf(const std::string& path, const std::vector<std::string>& roots) {
    std::string best = "/";
    for (const std::string& root : roots)
        if (root.size() > best.size() && isInside(path, root)) best = root;
    return best;
}

}  // namespace wf
