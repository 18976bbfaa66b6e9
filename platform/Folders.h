// Reading a folder for the file controls, and the entries of a folder list: the drive's root,
// each folder down to the open one, then the open folder's sub-folders.
#pragma once

#include <string>
#include <vector>

namespace wf {

struct FolderContents {
    std::vector<std::string> folders;  // sub-folder names, sorted without regard to case
    std::vector<std::string> files;    // names of the other entries that are regular files, sorted
};

// The folder's visible entries (names beginning with "." are hidden, as the platform hides
// hidden files; "." and ".." never appear). Links count as what they point to; broken ones are
// left out. Throws wf::Error("Cannot open folder " + path + ": " + reason) when the folder
// cannot be read.
FolderContents listFolder(const std::string& path);

// An absolute, lexically normal folder path without a trailing separator except at the root
// ("/", "/a/b"). A relative path is taken from the current folder.
std::string normalFolder(const std::string& path);
// The folder above path ("/a/b" -> "/a", "/a" -> "/"); the root is its own parent.
std::string parentFolder(const std::string& path);
// Whether path is root or lies below it (both normal folders).
bool isInside(const std::string& path, const std::string& root);

struct FolderEntry {
    std::string name;  // what the list shows: the root's full path, else the folder's name
    std::string path;  // full path
    int level = 0;     // indentation: 0 for the root, one more per folder down
};

// The entries of a folder list whose drive root is root and whose open folder is open (both
// normal folders, open inside root), with the open folder's sub-folder names. The open folder
// is entry number (its level).
std::vector<FolderEntry> folderEntries(const std::string& root, const std::string& open,
                                       const std::vector<std::string>& subfolders);

}  // namespace wf
