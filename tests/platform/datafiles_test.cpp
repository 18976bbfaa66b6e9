// The list files we ship: list-file format with CR LF, and every entry follows its convention.
#include "platform/ListFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace wf;

namespace {

std::string dataFile(const std::string& name) { return std::string(WF_SOURCE_DIR) + "/data/" + name; }

}  // namespace

TEST(DataFiles, AreCrLfListFilesWithoutBlankEntries) {
    for (const char* name : {"tag.lst", "attrib.lst", "spc.lst"}) {
        const std::string bytes = wf::test::readBytes(dataFile(name));
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << name;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " at " << i;
            } else if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " at " << i;
            }
        }
        for (const std::string& entry : readListFile(dataFile(name)))
            EXPECT_FALSE(entry.empty()) << name;
    }
}

TEST(DataFiles, TagEntriesAreMarkupAndPairsCloseWhatTheyOpen) {
    for (const std::string& entry : readListFile(dataFile("tag.lst"))) {
        EXPECT_EQ(entry.front(), '<') << entry;
        const std::size_t dots = entry.rfind("..");
        if (dots == std::string::npos || entry.rfind("<!--", 0) == 0) continue;
        // <NAME ...>..</NAME>: the closing tag names the opening one.
        const std::string open = entry.substr(1, entry.find_first_of(" >") - 1);
        EXPECT_EQ(entry.substr(dots + 2), "</" + open + ">") << entry;
    }
}

TEST(DataFiles, SpecialCharactersAreAnEntityABlankAndADescription) {
    for (const std::string& entry : readListFile(dataFile("spc.lst"))) {
        const std::size_t blank = entry.find(' ');
        ASSERT_NE(blank, std::string::npos) << entry;
        const std::string entity = entry.substr(0, blank);
        EXPECT_EQ(entity.front(), '&') << entry;
        EXPECT_EQ(entity.back(), ';') << entry;
        EXPECT_GT(entry.size(), blank + 1) << entry;
    }
}

TEST(DataFiles, AttributesHaveNoLeadingBlank) {
    // The tag list inserts a blank in front of each attribute itself.
    for (const std::string& entry : readListFile(dataFile("attrib.lst")))
        EXPECT_NE(entry.front(), ' ') << entry;
}
