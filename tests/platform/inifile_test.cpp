// INI files by the profile rules: lookups, layout kept on rewrite, line ends, failures.
#include "platform/IniFile.h"

#include "platform/Error.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace wf;
using wf::test::readBytes;

namespace {

// A settings file as people leave them: comments, junk, odd blanks, a key twice.
const std::string kMessy =
    "; wrenfold settings\r\n"
    "junk before any section\r\n"
    "orphan=ignored\r\n"
    "\r\n"
    "[Directory]\r\n"
    "  DirectoryListBox =  /home/me/site \t\r\n"
    "this line is junk\r\n"
    "DirectoryListBox=/second/ignored\r\n"
    "\r\n"
    "; tag lists follow\r\n"
    "  [ TagLists ]  \r\n"
    "TagList1=<B>..</B>\r\n"
    "TagList2=\r\n"
    "[broken header\r\n"
    "[DandDAudio]\r\n"
    "ItemIndex=2\r\n";

class IniFileTest : public ::testing::Test {
protected:
    std::string file(const std::string& bytes, const std::string& name = "wrenfold.ini") {
        return tmp.write(name, bytes);
    }
    wf::test::TempDir tmp;
};

}  // namespace

TEST_F(IniFileTest, ReadsGoodKeysAroundJunk) {
    IniFile ini(file(kMessy));
    EXPECT_EQ(ini.readString("Directory", "DirectoryListBox"), "/home/me/site");
    EXPECT_EQ(ini.readString("TagLists", "TagList1"), "<B>..</B>");
    EXPECT_EQ(ini.readString("TagLists", "TagList2", "default"), "");
    EXPECT_EQ(ini.readInteger("DandDAudio", "ItemIndex", 1), 2);
    // Lines outside any section and a header without "]" give nothing.
    EXPECT_EQ(ini.readString("", "orphan", "none"), "none");
    EXPECT_FALSE(ini.sectionExists("broken header"));
    EXPECT_EQ(ini.readString("Directory", "this line is junk", "none"), "none");
}

TEST_F(IniFileTest, NamesCompareWithoutRegardToCase) {
    IniFile ini(file(kMessy));
    EXPECT_EQ(ini.readString("DIRECTORY", "directorylistbox"), "/home/me/site");
    EXPECT_EQ(ini.readString("taglists", "TAGLIST1"), "<B>..</B>");
    EXPECT_TRUE(ini.sectionExists("dandDaudio"));
    EXPECT_TRUE(ini.keyExists(" Directory ", "DIRECTORYLISTBOX "));
    EXPECT_FALSE(ini.keyExists("Directory", "Other"));
}

TEST_F(IniFileTest, SectionsInFileOrderEachOnce) {
    IniFile ini(file("[b]\nx=1\n[A]\n[c]\n[B]\ny=2\n[]\n"));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"b", "A", "c", ""}));
    // The first of two sections of one name is the one that counts.
    EXPECT_EQ(ini.readString("B", "x"), "1");
    EXPECT_EQ(ini.readString("B", "y", "none"), "none");
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    IniFile ini(tmp / "none.ini");
    EXPECT_EQ(ini.readString("S", "K", "dflt"), "dflt");
    EXPECT_EQ(ini.readInteger("S", "K", 3), 3);
    EXPECT_TRUE(ini.sections().empty());
}

TEST_F(IniFileTest, IntegerThatIsNotOneGivesTheDefault) {
    struct Case {
        const char* stored;
        int expected;
    };
    const Case cases[] = {{"12", 12},   {"-4", -4},        {" 7 \t", 7}, {"$10", 16},
                          {"0x1f", 31}, {"abc", 99},       {"", 99},     {"12abc", 99},
                          {"1.0", 99},  {"99999999999", 99}, {"\"3\"", 99}};
    for (const Case& c : cases) {
        IniFile ini(file(std::string("[S]\r\nK=") + c.stored + "\r\n"));
        EXPECT_EQ(ini.readInteger("S", "K", 99), c.expected) << c.stored;
    }
}

TEST_F(IniFileTest, RewriteReplacesInPlaceAndKeepsEveryOtherLine) {
    const std::string path = file(kMessy);
    IniFile ini(path);
    ini.writeString("directory", "DIRECTORYLISTBOX", "/tmp/new");
    ini.writeInteger("DandDAudio", "ItemIndex", 0);
    std::string expected = kMessy;
    expected.replace(expected.find("  DirectoryListBox =  /home/me/site \t"),
                     std::string("  DirectoryListBox =  /home/me/site \t").size(),
                     "  DirectoryListBox =/tmp/new");
    expected.replace(expected.find("ItemIndex=2"), 11, "ItemIndex=0");
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(ini.readString("Directory", "DirectoryListBox"), "/tmp/new");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheLastKeyOfItsSection) {
    const std::string path = file("[A]\r\nx=1\r\n; note\r\n\r\n; about B\r\n[B]\r\ny=2\r\n");
    IniFile(path).writeString("a", "z", "3");
    EXPECT_EQ(readBytes(path), "[A]\r\nx=1\r\nz=3\r\n; note\r\n\r\n; about B\r\n[B]\r\ny=2\r\n");
    IniFile(path).writeString("B", "w", "4");
    EXPECT_EQ(readBytes(path), "[A]\r\nx=1\r\nz=3\r\n; note\r\n\r\n; about B\r\n[B]\r\ny=2\r\nw=4\r\n");
}

TEST_F(IniFileTest, NewKeyInASectionWithoutKeysFollowsItsHeader) {
    const std::string path = file("[A]\n\n[B]\n");
    IniFile(path).writeString("A", "k", "v");
    EXPECT_EQ(readBytes(path), "[A]\nk=v\n\n[B]\n");
}

TEST_F(IniFileTest, NewSectionIsAppendedAfterABlankLine) {
    const std::string path = file("[A]\r\nx=1\r\n");
    IniFile(path).writeString("Connect", "Host", "ftp.example.com");
    EXPECT_EQ(readBytes(path), "[A]\r\nx=1\r\n\r\n[Connect]\r\nHost=ftp.example.com\r\n");
}

TEST_F(IniFileTest, NewFileUsesCrLf) {
    const std::string path = tmp / "new.ini";
    IniFile ini(path);
    ini.writeString("CustomButton", "Caption1", "Bold");
    ini.writeString("CustomButton", "C1Open", "<B>");
    EXPECT_EQ(readBytes(path), "[CustomButton]\r\nCaption1=Bold\r\nC1Open=<B>\r\n");
}

TEST_F(IniFileTest, FilesWithCrOnlyOrLfOnlyLineEndsKeepThem) {
    for (const std::string eol : {"\r", "\n"}) {
        const std::string path =
            file("[S]" + eol + "a = 1" + eol + "junk" + eol + "[T]" + eol + "b=2" + eol);
        IniFile ini(path);
        EXPECT_EQ(ini.readString("S", "a"), "1");
        EXPECT_EQ(ini.readString("T", "b"), "2");
        EXPECT_EQ(ini.sections(), (std::vector<std::string>{"S", "T"}));
        ini.writeString("S", "c", "3");
        ini.writeString("U", "d", "4");
        EXPECT_EQ(readBytes(path), "[S]" + eol + "a = 1" + eol + "c=3" + eol + "junk" + eol + "[T]" +
                                       eol + "b=2" + eol + eol + "[U]" + eol + "d=4" + eol);
    }
}

TEST_F(IniFileTest, LastLineWithoutLineEndGetsOneBeforeANewLine) {
    const std::string path = file("[S]\nk=1");
    IniFile(path).writeString("S", "m", "2");
    EXPECT_EQ(readBytes(path), "[S]\nk=1\nm=2\n");
    const std::string other = file("[S]\r\nk=1", "other.ini");
    IniFile(other).writeString("T", "m", "2");
    EXPECT_EQ(readBytes(other), "[S]\r\nk=1\r\n\r\n[T]\r\nm=2\r\n");
}

TEST_F(IniFileTest, ValuesAreBytesStoredAsGiven) {
    const std::string path = tmp / "bytes.ini";
    IniFile ini(path);
    const std::string ansi = "caf\xE9 \"quoted\" = x";
    ini.writeString("S", "ansi", ansi);
    ini.writeString("S", "utf8", "\xC3\xA9t\xC3\xA9");
    ini.writeString("S", "padded", "  v  ");
    EXPECT_EQ(ini.readString("S", "ansi"), ansi);
    EXPECT_EQ(ini.readString("S", "utf8"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ini.readString("S", "padded"), "v");  // blanks around a value are dropped on reading
    EXPECT_EQ(readBytes(path),
              "[S]\r\nansi=" + ansi + "\r\nutf8=\xC3\xA9t\xC3\xA9\r\npadded=  v  \r\n");
}

TEST_F(IniFileTest, EmptySectionNameIsStoredAndReadConsistently) {
    const std::string path = tmp / "empty.ini";
    IniFile ini(path);
    ini.writeString("", "Host", "h");
    EXPECT_EQ(ini.readString("", "Host"), "h");
    EXPECT_EQ(ini.sections(), std::vector<std::string>{""});
    ini.eraseSection("");
    EXPECT_TRUE(ini.sections().empty());
}

TEST_F(IniFileTest, EraseRemovesEverySectionOfThatNameAndKeepsTheRest) {
    const std::string path =
        file("; top\r\n[site]\r\nHost=a\r\n; site note\r\n[Other]\r\nx=1\r\n[SITE]\r\nHost=b\r\n");
    IniFile ini(path);
    ini.eraseSection("Site");
    EXPECT_EQ(readBytes(path), "; top\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(ini.sections(), std::vector<std::string>{"Other"});
}

TEST_F(IniFileTest, EraseOfAMissingSectionWritesNothing) {
    const std::string path = file("[A]\nx=1");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    IniFile(path).eraseSection("nothere");
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);  // not replaced
    EXPECT_EQ(readBytes(path), "[A]\nx=1");
    IniFile missing(tmp / "missing.ini");
    missing.eraseSection("A");
    EXPECT_FALSE(std::filesystem::exists(missing.path()));
}

TEST_F(IniFileTest, FailedWriteNamesTheFullPath) {
    tmp.write("plainfile", "x");
    const std::string paths[] = {tmp / "no/such/folder/ftpcon.ini", tmp / "plainfile/ftpcon.ini",
                                 tmp.mkdir("adir")};
    for (const std::string& path : paths) {
        IniFile ini(path);
        try {
            ini.writeString("S", "K", "V");
            ADD_FAILURE() << "write to " << path << " succeeded";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
        }
        EXPECT_THROW(ini.writeInteger("S", "K", 1), Error);
    }
}

TEST_F(IniFileTest, RelativePathIsNamedInFullInTheError) {
    const std::string cwd = std::filesystem::current_path().string();
    std::filesystem::current_path(tmp.path());
    try {
        IniFile("gone/x.ini").writeString("S", "K", "V");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + (tmp / "gone/x.ini"));
    }
    std::filesystem::current_path(cwd);
}

TEST_F(IniFileTest, EraseInAnUnreadableFileFails) {
    const std::string dir = tmp.mkdir("isdir.ini");
    EXPECT_THROW(IniFile(dir).eraseSection("A"), Error);
}

TEST_F(IniFileTest, TextTheFormatCannotHoldIsRefusedAndTheFileKept) {
    const std::string path = file("[S]\r\nK=1\r\n");
    IniFile ini(path);
    const std::pair<std::string, std::string> badNames[] = {
        {"S", "a=b"}, {"S", ""}, {"S", "  "}, {"S", ";k"}, {"S", "[k"}, {"S", "k\r\n[T]"},
        {"a]b", "K"}, {"x\ny", "K"}};
    for (const auto& [section, key] : badNames) {
        EXPECT_THROW(ini.writeString(section, key, "v"), Error) << section << "/" << key;
    }
    try {
        ini.writeString("S", "K", "two\r\n[Injected]\r\nx=1");
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_EQ(readBytes(path), "[S]\r\nK=1\r\n");
}

TEST_F(IniFileTest, RewriteKeepsPermissionsAndSymbolicLinks) {
    const std::string real = file("[S]\nK=1\n", "real.ini");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    const std::string link = tmp / "link.ini";
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);
    IniFile(link).writeString("S", "K", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), "[S]\nK=2\n");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // No temporary file is left behind.
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(tmp.path()))
        names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"link.ini", "real.ini"}));
}

TEST_F(IniFileTest, ReadOnlyFileIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write read-only files";
    const std::string path = file("[S]\nK=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_THROW(IniFile(path).writeString("S", "K", "2"), Error);
    EXPECT_EQ(readBytes(path), "[S]\nK=1\n");
}
