// Folder reading and folder list entries; which mounts are drives.
#include "platform/Drives.h"
#include "platform/Folders.h"

#include "platform/Error.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace wf;
using Names = std::vector<std::string>;

TEST(Folders, ListsVisibleFoldersAndFilesSortedWithoutRegardToCase) {
    wf::test::TempDir tmp;
    for (const char* d : {"beta", "Alpha", "gamma", ".hidden"}) tmp.mkdir(d);
    for (const char* f : {"b.html", "A.htm", "c.TXT", ".secret", "alpha.js"}) tmp.write(f, "x");
    ASSERT_EQ(::symlink((tmp / "gamma").c_str(), (tmp / "Delta").c_str()), 0);
    ASSERT_EQ(::symlink((tmp / "b.html").c_str(), (tmp / "link.html").c_str()), 0);
    ASSERT_EQ(::symlink((tmp / "nowhere").c_str(), (tmp / "broken").c_str()), 0);

    const FolderContents c = listFolder(tmp.path());
    EXPECT_EQ(c.folders, (Names{"Alpha", "beta", "Delta", "gamma"}));
    EXPECT_EQ(c.files, (Names{"A.htm", "alpha.js", "b.html", "c.TXT", "link.html"}));
}

TEST(Folders, UnreadableFolderNamesItAndTheReason) {
    wf::test::TempDir tmp;
    const std::string file = tmp.write("file.txt", "x");
    const std::pair<std::string, std::string> cases[] = {
        {tmp / "missing", "No such file or directory"},
        {file, "Not a directory"},
    };
    for (const auto& [path, reason] : cases) {
        try {
            listFolder(path);
            ADD_FAILURE() << path;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open folder " + path + ": " + reason);
        }
    }
}

TEST(Folders, NormalFoldersHaveNoTrailingSeparatorButTheRoot) {
    const std::pair<std::string, std::string> cases[] = {
        {"/", "/"},           {"//", "/"},          {"/a/b/", "/a/b"}, {"/a//b", "/a/b"},
        {"/a/./b/../c", "/a/c"}, {"/a/b///", "/a/b"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(normalFolder(in), out) << in;
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(normalFolder("sub"), cwd + "/sub");
}

TEST(Folders, ParentAndInside) {
    EXPECT_EQ(parentFolder("/a/b"), "/a");
    EXPECT_EQ(parentFolder("/a"), "/");
    EXPECT_EQ(parentFolder("/"), "/");
    EXPECT_TRUE(isInside("/home/me", "/home"));
    EXPECT_TRUE(isInside("/home", "/home"));
    EXPECT_TRUE(isInside("/home", "/"));
    EXPECT_FALSE(isInside("/homework", "/home"));
    EXPECT_FALSE(isInside("/", "/home"));
}

TEST(Folders, EntriesRunFromTheRootDownThenTheSubFolders) {
    const std::vector<FolderEntry> e =
        folderEntries("/work", "/work/site/img", {"icons", "photos"});
    ASSERT_EQ(e.size(), 5u);
    const std::tuple<std::string, std::string, int> expected[] = {
        {"/work", "/work", 0},
        {"site", "/work/site", 1},
        {"img", "/work/site/img", 2},
        {"icons", "/work/site/img/icons", 3},
        {"photos", "/work/site/img/photos", 3},
    };
    for (std::size_t i = 0; i < e.size(); ++i) {
        EXPECT_EQ(e[i].name, std::get<0>(expected[i]));
        EXPECT_EQ(e[i].path, std::get<1>(expected[i]));
        EXPECT_EQ(e[i].level, std::get<2>(expected[i]));
    }
}

TEST(Folders, EntriesAtTheRootItself) {
    const std::vector<FolderEntry> e = folderEntries("/", "/", {"etc", "home"});
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].name, "/");
    EXPECT_EQ(e[1].path, "/etc");
    EXPECT_EQ(e[1].level, 1);
    EXPECT_EQ(e[2].path, "/home");
}

TEST(Drives, OnlyFileSystemsAUserWouldPick) {
    struct Case {
        MountPoint mount;
        bool isFolder;
        bool drive;
    };
    const Case cases[] = {
        {{"/", "overlay", "overlay"}, true, true},
        {{"/", "ext4", "/dev/sda1"}, true, true},
        {{"/home", "ext4", "/dev/sda2"}, true, true},
        {{"/media/me/USB STICK", "vfat", "/dev/sdb1"}, true, true},
        {{"/run/media/me/DISK", "exfat", "/dev/sdc1"}, true, true},
        {{"/mnt/data", "xfs", "/dev/sdd1"}, true, true},
        {{"/work", "ext4", "/dev/vda1"}, true, true},
        {{"/proc", "proc", "proc"}, true, false},
        {{"/sys", "sysfs", "sysfs"}, true, false},
        {{"/sys/fs/cgroup", "cgroup2", "cgroup"}, true, false},
        {{"/dev", "tmpfs", "tmpfs"}, true, false},
        {{"/dev/pts", "devpts", "devpts"}, true, false},
        {{"/dev/shm", "tmpfs", "shm"}, true, false},
        {{"/run", "tmpfs", "tmpfs"}, true, false},
        {{"/run/user/1000", "tmpfs", "tmpfs"}, true, false},
        {{"/run/lock", "ext4", "x"}, true, false},
        {{"/tmp", "tmpfs", "tmpfs"}, true, false},
        {{"/boot/efi", "vfat", "/dev/sda0"}, true, false},
        {{"/snap/core/1", "squashfs", "/dev/loop0"}, true, false},
        {{"/etc/hosts", "ext4", "/dev/vda1"}, false, false},
        {{"/proc/sys/fs/binfmt_misc", "binfmt_misc", "binfmt_misc"}, true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isUserMount(c.mount, c.isFolder), c.drive) << c.mount.rootPath;
}

TEST(Drives, RootComesFirstThenTheOthersSorted) {
    EXPECT_EQ(sortedDriveRoots({"/work", "/home", "/", "/Media", "/home"}),
              (Names{"/", "/home", "/Media", "/work"}));
    EXPECT_EQ(sortedDriveRoots({"/mnt/x"}), (Names{"/", "/mnt/x"}));
}

TEST(Drives, ThePathsDriveIsTheLongestRootItLiesIn) {
    const Names roots{"/", "/home", "/home/me/usb"};
    EXPECT_EQ(driveRootOf("/home/me/usb/pics", roots), "/home/me/usb");
    EXPECT_EQ(driveRootOf("/home/me", roots), "/home");
    EXPECT_EQ(driveRootOf("/home", roots), "/home");
    EXPECT_EQ(driveRootOf("/homework", roots), "/");
    EXPECT_EQ(driveRootOf("/etc", {}), "/");
}
