// Listing parser from tables of raw server lines.
#include <gtest/gtest.h>

#include "ftp/FtpListing.h"

namespace sorxfer {
namespace {

struct LineCase {
    const char* line;
    bool entry;
    const char* attribute;
    const char* name;
};

class ListingLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ListingLine, GivesAttributeAndName) {
    const LineCase& c = GetParam();
    ListingEntry e;
    ASSERT_EQ(parseListingLine(c.line, e), c.entry) << c.line;
    if (!c.entry) return;
    EXPECT_EQ(e.attribute, c.attribute) << c.line;
    EXPECT_EQ(e.name, c.name) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListingLine,
    ::testing::Values(
        LineCase{"-rw-r--r--   1 owner    group        1234 Jan 31 12:34 index.html", true,
                 "-rw-r--r--", "index.html"},
        LineCase{"drwxr-xr-x   2 owner    group        4096 Dec  1  2020 images", true,
                 "drwxr-xr-x", "images"},
        // A name with blanks keeps them all, doubled and trailing ones too.
        LineCase{"-rw-r--r--   1 owner    group          10 Feb  3 09:05 data files", true,
                 "-rw-r--r--", "data files"},
        LineCase{"-rw-r--r--   1 owner    group          10 Feb  3 09:05 a  b ", true, "-rw-r--r--",
                 "a  b "},
        LineCase{"-rw-r--r--   1 owner    group          10 Feb  3 09:05  lead", true, "-rw-r--r--",
                 " lead"},
        // A name that looks like a date does not confuse the parser.
        LineCase{"-rw-r--r--   1 owner    group          10 Feb  3 09:05 Jan 1 2020", true,
                 "-rw-r--r--", "Jan 1 2020"},
        LineCase{"lrwxrwxrwx   1 owner    group           7 Mar 10 10:00 my link -> target dir",
                 true, "lrwxrwxrwx", "my link"},
        // Only a link's name is cut at the arrow.
        LineCase{"-rw-r--r--   1 owner    group           7 Mar 10 10:00 a -> b", true,
                 "-rw-r--r--", "a -> b"},
        // Numeric owner and group, no group at all (8 fields), ISO dates.
        LineCase{"drwxr-xr-x 2 1000 1000 4096 Apr 30 23:59 dir", true, "drwxr-xr-x", "dir"},
        LineCase{"-rw-r--r-- 1 owner 1234 May  5 2019 eight fields", true, "-rw-r--r--",
                 "eight fields"},
        LineCase{"-rw-r--r-- 1 owner group 5 2024-01-31 08:00 iso name", true, "-rw-r--r--",
                 "iso name"},
        LineCase{"drwxr-xr-x   2 owner    group        4096 Jan 31 12:34 .", true, "drwxr-xr-x",
                 "."},
        LineCase{"-rw-r--r--   1 owner    group        1234 Jan 31 12:34 crlf.txt\r", true,
                 "-rw-r--r--", "crlf.txt"},
        LineCase{"-rw-r--r--   1 o g 1234 Jan 31 12:34 caf\xc3\xa9 \xe9", true, "-rw-r--r--",
                 "caf\xc3\xa9 \xe9"},
        // No recognisable date: the last field, as before.
        LineCase{"a b c d e f g last", true, "a", "last"}, LineCase{"total 12", false, "", ""},
        LineCase{"", false, "", ""}, LineCase{"-rw-r--r-- 1 owner group 10 Jan", false, "", ""},
        // DOS form.
        LineCase{"01-31-24  02:15PM       <DIR>          Program Files", true, "d---------",
                 "Program Files"},
        LineCase{"12-01-2020  09:00AM              1234 read me.txt", true, "----------",
                 "read me.txt"},
        LineCase{"01-31-24  14:15                 0 empty", true, "----------", "empty"},
        LineCase{"01-31-24  02:15PM       <JUNK>  x", false, "", ""}),
    [](const auto& info) { return "line" + std::to_string(info.index); });

TEST(Listing, KeepsTheServersOrderAndSkipsOtherLines) {
    const std::string text =
        "total 3\r\n"
        "drwxr-xr-x 2 o g 4096 Jan  1 10:00 zeta\r\n"
        "-rw-r--r-- 1 o g 1 Jan  1 10:00 alpha\r\n"
        "\r\n"
        "lrwxrwxrwx 1 o g 5 Jan  1 10:00 beta -> alpha\n"
        "-rw-r--r-- 1 o g 1 Jan  1 10:00 no line end";
    const auto entries = parseListing(text);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, "zeta");
    EXPECT_EQ(entries[1].name, "alpha");
    EXPECT_EQ(entries[2].name, "beta");
    EXPECT_EQ(entries[2].attribute, "lrwxrwxrwx");
    EXPECT_EQ(entries[3].name, "no line end");
}

TEST(Listing, EmptyListingGivesNoEntries) {
    EXPECT_TRUE(parseListing("").empty());
    EXPECT_TRUE(parseListing("total 0\r\n").empty());
}

}  // namespace
}  // namespace sorxfer
