// The string helpers of the markup builders.
#include "editor/myutils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wrenfold::test {
namespace {

struct DotsCase {
    std::string entry, before, after;
};

TEST(TextDots, SplitAtTheLastPairOfDots) {
    const std::vector<DotsCase> cases = {
        {"<B>..</B>", "<B>", "</B>"},
        {"a..b..c", "a..b", "c"},
        {"x...y", "x.", "y"},
        {"..", "", ""},
        {"....", "..", ""},
        {"no dots", "", ""},
        {"one.dot", "", ""},
        {"", "", ""},
        {"<A HREF=\"x\">..</A>\r\n", "<A HREF=\"x\">", "</A>\r\n"},
        {"tail..", "tail", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(TextBeforeDots(c.entry), c.before);
        EXPECT_EQ(TextAfterDots(c.entry), c.after);
    }
}

struct BlankCase {
    std::string entry, before;
};

TEST(TextBeforeBlankTest, TextInFrontOfTheFirstBlank) {
    const std::vector<BlankCase> cases = {
        {"&amp; ampersand", "&amp;"},
        {"&nbsp; non breaking space", "&nbsp;"},
        {"&copy;", ""},
        {" leading", ""},
        {"", ""},
        {"a\tb c", "a\tb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(TextBeforeBlank(c.entry), c.before);
    }
}

struct UrlCase {
    std::string base, target, expected;
};

TEST(RelativeUrlTest, WindowsPathsAsWritten) {
    const std::vector<UrlCase> cases = {
        {"C:\\web\\", "C:\\web\\a.gif", "a.gif"},
        {"C:\\web\\", "C:\\web\\img\\a.gif", "img/a.gif"},
        {"C:\\web\\sub\\", "C:\\web\\img\\a.gif", "../img/a.gif"},
        {"C:\\web\\sub\\", "C:\\web\\a.gif", "../a.gif"},
        {"C:\\Web\\", "c:\\web\\IMG\\a.gif", "IMG/a.gif"},
        {"C:\\web\\", "D:\\img\\a.gif", "D:/img/a.gif"},
        {"C:\\web", "C:\\web\\a.gif", "web/a.gif"},
        {"C:\\web\\index.html", "C:\\web\\img\\a.gif", "img/a.gif"},
        {"C:\\a\\b\\c\\", "C:\\a\\x\\y\\p.gif", "../../x/y/p.gif"},
        {"\\\\server\\share\\web\\", "\\\\server\\share\\web\\a.gif", "a.gif"},
        {"\\\\server\\share\\web\\", "\\\\other\\share\\a.gif", "//other/share/a.gif"},
        {"\\\\Server\\Share\\web\\", "\\\\server\\share\\img\\a.gif", "../img/a.gif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base + " -> " + c.target);
        EXPECT_EQ(RelativeUrl(c.base, c.target), c.expected);
    }
}

TEST(RelativeUrlTest, PosixPaths) {
    const std::vector<UrlCase> cases = {
        {"/home/u/web/", "/home/u/web/a.gif", "a.gif"},
        {"/home/u/web/", "/home/u/web/img/a.gif", "img/a.gif"},
        {"/home/u/web/sub/", "/home/u/web/img/a.gif", "../img/a.gif"},
        {"/home/u/web/sub/", "/home/u/web/a.gif", "../a.gif"},
        {"/home/u/web", "/home/u/web/a.gif", "web/a.gif"},
        {"/home/u/web/", "/srv/pics/a.gif", "../../../srv/pics/a.gif"},
        {"/home/u/Web/", "/home/u/web/IMG/a.gif", "IMG/a.gif"},
        {"/", "/a.gif", "a.gif"},
        {"/home/u/web/", "/home/u/web/img/a:b.gif", "img/a:b.gif"},  // a colon is no drive here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base + " -> " + c.target);
        EXPECT_EQ(RelativeUrl(c.base, c.target), c.expected);
    }
}

struct ColorCase {
    std::string text, html;
};

TEST(HtmlColorTest, NamesAndHexValues) {
    const std::vector<ColorCase> cases = {
        {"clWhite", "white"},     {"clMoneyGreen", "moneygreen"},
        {"clWindow", "window"},   {"clNavy", "navy"},
        {"$00563412", "#123456"}, {"$00ABCDEF", "#EFCDAB"},
        {"$00000000", "#000000"}, {"CLRED", "#ED"},  // not a name: "cl" counts in lower case only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HtmlColor(c.text), c.html);
    }
}

}  // namespace
}  // namespace wrenfold::test
