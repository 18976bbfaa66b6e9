// The window-free rules of the sorxfer panes: listing split, progress lines, local file
// operations.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "SorxferWindow.h"
#include "ftp/FtpListing.h"
#include "ftp/PaneRules.h"
#include "platform/Error.h"

namespace sorxfer::test {
namespace {

// A listing as the component hands it over, parsed from the server's raw LIST text.
DirectoryList parsed(const std::string& raw) {
    DirectoryList out;
    for (const ListingEntry& e : parseListing(raw)) {
        out.attributes << QString::fromStdString(e.attribute);
        out.names << QString::fromStdString(e.name);
    }
    return out;
}

struct SplitCase {
    const char* name;
    std::string raw;
    QStringList folders;
    QStringList files;
};

TEST(PaneRules, SplitListingTable) {
    const SplitCase cases[] = {
        {"empty folder", "", {".."}, {}},
        {"total line only", "total 0\r\n", {".."}, {}},
        {"server lists . and ..",
         "total 2\r\n"
         "drwxr-xr-x 2 o g 4096 Jan 01 10:00 .\r\n"
         "drwxr-xr-x 9 o g 4096 Jan 01 10:00 ..\r\n"
         "-rw-r--r-- 1 o g 12 Jan 01 10:00 a.txt\r\n",
         {".", "..", ".."},
         {"a.txt"}},
        {"only a lower-case d is a folder",
         "drwxr-xr-x 2 o g 0 Jan 01 10:00 dir\r\n"
         "Drwxr-xr-x 2 o g 0 Jan 01 10:00 upper\r\n"
         "lrwxrwxrwx 1 o g 3 Jan 01 10:00 link -> dir\r\n"
         "crw-rw-rw- 1 o g 0 Jan 01 10:00 device\r\n",
         {"..", "dir"},
         {"device", "link", "upper"}},
        {"sorted without regard to case",
         "-rw-r--r-- 1 o g 1 Jan 01 10:00 b\r\n"
         "-rw-r--r-- 1 o g 1 Jan 01 10:00 C\r\n"
         "-rw-r--r-- 1 o g 1 Jan 01 10:00 a\r\n"
         "drwxr-xr-x 2 o g 0 Jan 01 10:00 Zed\r\n"
         "drwxr-xr-x 2 o g 0 Jan 01 10:00 alpha\r\n",
         {"..", "alpha", "Zed"},
         {"a", "b", "C"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RemoteEntries e = splitListing(parsed(c.raw));
        EXPECT_EQ(e.folders, c.folders);
        EXPECT_EQ(e.files, c.files);
    }
}

TEST(PaneRules, ProgressAndChangeDirectoryLines) {
    EXPECT_EQ(progressLine(Direction::Upload, 0, 0), "0 of 0 bytes sent");
    EXPECT_EQ(progressLine(Direction::Upload, 1234567, 9876543210LL),
              "1234567 of 9876543210 bytes sent");
    EXPECT_EQ(progressLine(Direction::Download, 512, 0), "512 of 0 bytes received");
    EXPECT_EQ(changeDirectoryLine(".."), "Changing Directory to \".. \"");
    EXPECT_EQ(changeDirectoryLine("my dir"), "Changing Directory to \"my dir \"");
}

class LocalFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        ASSERT_TRUE(QDir(tmp.path()).mkpath("full/inner"));
        ASSERT_TRUE(QDir(tmp.path()).mkpath("empty"));
        writeFile(tmp.filePath("file.txt"), "keep me");
        writeFile(tmp.filePath("other.txt"), "other");
    }
    std::string path(const char* name) const { return tmp.filePath(name).toStdString(); }
    bool exists(const char* name) const { return QFileInfo::exists(tmp.filePath(name)); }
    QTemporaryDir tmp;
};

TEST_F(LocalFiles, MakeFolderCreatesOneAndRefusesExistingOrEmptyNames) {
    makeLocalFolder(path("new"));
    EXPECT_TRUE(QFileInfo(tmp.filePath("new")).isDir());
    for (const std::string& bad :
         {path("new"), path("file.txt"), path("") + "/", path("missing/deeper")}) {
        SCOPED_TRACE(bad);
        try {
            makeLocalFolder(bad);
            ADD_FAILURE() << "no error";
        } catch (const wf::Error& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Cannot create folder " + bad + ": ", 0), 0u)
                << e.what();
        }
    }
}

TEST_F(LocalFiles, RemoveFolderOnlyWhenEmpty) {
    EXPECT_FALSE(removeLocalFolder(path("full")));
    EXPECT_TRUE(exists("full/inner"));
    EXPECT_TRUE(removeLocalFolder(path("empty")));
    EXPECT_FALSE(exists("empty"));
    EXPECT_FALSE(removeLocalFolder(path("missing")));
    EXPECT_FALSE(removeLocalFolder(path("file.txt")));
    EXPECT_TRUE(exists("file.txt"));
}

TEST_F(LocalFiles, RemoveFileLeavesFoldersAlone) {
    EXPECT_TRUE(removeLocalFile(path("file.txt")));
    EXPECT_FALSE(exists("file.txt"));
    EXPECT_TRUE(removeLocalFile(path("missing.txt")));
    EXPECT_FALSE(removeLocalFile(path("empty")));
    EXPECT_TRUE(exists("empty"));
}

TEST_F(LocalFiles, RenameNeverReplacesAnExistingEntry) {
    EXPECT_FALSE(renameLocal(path("file.txt"), path("other.txt")));
    EXPECT_EQ(readAll(tmp.filePath("other.txt")), "other");
    EXPECT_EQ(readAll(tmp.filePath("file.txt")), "keep me");
    EXPECT_FALSE(renameLocal(path("full"), path("empty")));  // the system would replace it
    EXPECT_TRUE(exists("full/inner"));
    EXPECT_FALSE(renameLocal(path("missing"), path("new")));
    EXPECT_TRUE(renameLocal(path("file.txt"), path("renamed.txt")));
    EXPECT_EQ(readAll(tmp.filePath("renamed.txt")), "keep me");
    EXPECT_TRUE(renameLocal(path("full"), path("moved")));
    EXPECT_TRUE(exists("moved/inner"));
}

}  // namespace
}  // namespace sorxfer::test
