// Path parts for Windows-style and POSIX paths, and where settings files go.
#include "platform/Paths.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace wf;

struct PathCase {
    const char* path;
    const char* drive;
    const char* folder;
    const char* name;
    const char* ext;
};

TEST(Paths, PartsOfWindowsAndPosixPaths) {
    const PathCase cases[] = {
        {"C:\\web\\index.html", "C:", "C:\\web\\", "index.html", ".html"},
        {"c:\\web\\img\\LOGO.GIF", "c:", "c:\\web\\img\\", "LOGO.GIF", ".GIF"},
        {"C:index.htm", "C:", "C:", "index.htm", ".htm"},
        {"C:\\", "C:", "C:\\", "", ""},
        {"C:", "C:", "C:", "", ""},
        {"\\\\server\\share\\dir\\a.txt", "\\\\server\\share", "\\\\server\\share\\dir\\", "a.txt", ".txt"},
        {"\\\\server\\share", "\\\\server\\share", "\\\\server\\", "share", ""},
        {"//server/share/a.b.c", "//server/share", "//server/share/", "a.b.c", ".c"},
        {"/home/me/site/page.html", "", "/home/me/site/", "page.html", ".html"},
        {"/home/me/notes:1.txt", "", "/home/me/", "notes:1.txt", ".txt"},
        {"/home/me.d/README", "", "/home/me.d/", "README", ""},
        {"/home/me/.profile", "", "/home/me/", ".profile", ".profile"},
        {"mixed/sep\\x.js", "", "mixed/sep\\", "x.js", ".js"},
        {"plain.txt", "", "", "plain.txt", ".txt"},
        {"trailing.", "", "", "trailing.", "."},
        {"", "", "", "", ""},
        {"/", "", "/", "", ""},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(drivePart(c.path), c.drive) << c.path;
        EXPECT_EQ(folderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(fileNamePart(c.path), c.name) << c.path;
        EXPECT_EQ(extensionPart(c.path), c.ext) << c.path;
    }
}

TEST(Paths, SeparatorsAndJoining) {
    EXPECT_TRUE(isPathSeparator('/'));
    EXPECT_TRUE(isPathSeparator('\\'));
    EXPECT_FALSE(isPathSeparator(':'));
    EXPECT_EQ(withTrailingSeparator("/a/b"), "/a/b/");
    EXPECT_EQ(withTrailingSeparator("/a/b/"), "/a/b/");
    EXPECT_EQ(withTrailingSeparator("C:\\web\\"), "C:\\web\\");
    EXPECT_EQ(withTrailingSeparator("/"), "/");
    EXPECT_EQ(joinPath("/a", "f.txt"), "/a/f.txt");
    EXPECT_EQ(joinPath("/", "f.txt"), "/f.txt");
    EXPECT_EQ(joinPath("", "f.txt"), "f.txt");
}

TEST(Paths, AppDirIsTheProgramsFolderWithASeparator) {
    EXPECT_EQ(appDirOf("/opt/wrenfold/bin/wrenfold"), "/opt/wrenfold/bin/");
    EXPECT_EQ(appDirOf("C:\\Program Files\\Wrenfold\\wrenfold.exe"), "C:\\Program Files\\Wrenfold\\");
    const std::string here = appDirOf("wrenfold");
    EXPECT_EQ(here.front(), '/');
    EXPECT_EQ(here.back(), '/');
}

// Points XDG_CONFIG_HOME at a folder of the test for its lifetime.
class SettingsPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
        ::setenv("XDG_CONFIG_HOME", (tmp / "config").c_str(), 1);
    }
    void TearDown() override {
        if (saved_)
            ::setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }
    wf::test::TempDir tmp;
    std::optional<std::string> saved_;
};

TEST_F(SettingsPathTest, WritableAppDirHoldsTheSettings) {
    const std::string app = tmp.mkdir("app") + "/";
    EXPECT_EQ(settingsPath(app, "wrenfold.ini"), app + "wrenfold.ini");
    tmp.write("app/wrenfold.ini", "[Directory]\r\n");
    EXPECT_EQ(settingsPath(app, "wrenfold.ini"), app + "wrenfold.ini");
}

TEST_F(SettingsPathTest, UnwritableAppDirSendsThemToTheUserConfigFolder) {
    // A folder below a plain file can never be written, not even by root.
    tmp.write("blocker", "");
    const std::string app = tmp / "blocker/app/";
    const std::string expected = tmp / "config/wrenfold/ftpcon.ini";
    EXPECT_EQ(settingsPath(app, "ftpcon.ini"), expected);
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "config/wrenfold"));
}

TEST_F(SettingsPathTest, RelativeXdgValueIsIgnored) {
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    const char* home = std::getenv("HOME");
    const std::string saveHome = home ? home : "";
    ::setenv("HOME", (tmp / "home").c_str(), 1);
    tmp.write("blocker", "");
    EXPECT_EQ(settingsPath(tmp / "blocker/", "sorxfer.ini"), tmp / "home/.config/wrenfold/sorxfer.ini");
    ::setenv("HOME", saveHome.c_str(), 1);
}

TEST_F(SettingsPathTest, ReadOnlyFileInAppDirSendsThemToTheUserConfigFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write read-only files";
    const std::string app = tmp.mkdir("app") + "/";
    const std::string file = tmp.write("app/wrenfold.ini", "");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_EQ(settingsPath(app, "wrenfold.ini"), tmp / "config/wrenfold/wrenfold.ini");
}
