// List files: the three line ends, blank entries, no final line break, unreadable files.
#include "platform/ListFile.h"

#include "platform/Error.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace wf;
using Lines = std::vector<std::string>;

TEST(ListFile, SplitsAtEveryKindOfLineEnd) {
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},                       // no final line break loses nothing
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},            // a blank line is an entry
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}},                   // LF then CR is two line ends
        {"a\r\r\nb", {"a", "", "b"}},
        {"x\n\ny\r\rz\r\n", {"x", "", "y", "", "z"}},  // mixed in one file
        {"  <HR>  \r\n\t\r\n", {"  <HR>  ", "\t"}},   // blanks are kept
        {std::string("n\0ul\r\n", 6), {std::string("n\0ul", 4)}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(splitListLines(bytes), lines) << bytes;
}

TEST(ListFile, ReadsAFileByteForByte) {
    wf::test::TempDir tmp;
    const std::string path = tmp.write("tag.lst", "<B>..</B>\r\n<HR>\r\n\r\n&copy; copyright \xA9");
    EXPECT_EQ(readListFile(path), (Lines{"<B>..</B>", "<HR>", "", "&copy; copyright \xA9"}));
}

TEST(ListFile, UnreadableFileGivesThePlatformMessage) {
    wf::test::TempDir tmp;
    const std::string paths[] = {tmp / "missing.lst", tmp.mkdir("folder.lst")};
    for (const std::string& path : paths) {
        try {
            readListFile(path);
            ADD_FAILURE() << path;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
        }
    }
}
