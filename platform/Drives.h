// Which mounted file systems count as the machine's drives: the ones a user would pick to
// browse, not the kernel's and the system's own mounts.
#pragma once

#include <string>
#include <vector>

namespace wf {

struct MountPoint {
    std::string rootPath;  // where it is mounted: "/", "/home", "/media/me/USB"
    std::string fsType;    // "ext4", "proc", "tmpfs" ...
    std::string device;    // "/dev/sda1", "proc" ...
};

// False for pseudo file systems (proc, sysfs, cgroup, tmpfs, devpts ...), for mounts inside the
// system's own folders (/proc, /sys, /dev, /run except removable media under /run/media, /boot,
// /snap) and for single files mounted into place. The root is always a drive.
bool isUserMount(const MountPoint& mount, bool isFolder = true);

// The drive roots of mounts (filtered with isUserMount by the caller): "/" first, then the
// others sorted, each once.
std::vector<std::string> sortedDriveRoots(std::vector<std::string> roots);

// The drive that holds path (a normal folder): the longest of roots that path lies inside;
// "/" when none does.
std::string driveRootOf(const std::string& path, const std::vector<std::string>& roots);

}  // namespace wf
