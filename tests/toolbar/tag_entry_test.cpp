// Inserting list entries: the ".." rule for tags, the leading blank of attributes, and the
// special characters cut at their first blank.
#include "editor/TextBuffer.h"
#include "editor/markup/TagEntry.h"

#include <gtest/gtest.h>

namespace wrenfold {
namespace {

enum class Kind { Tag, Attribute, Special };

struct EntryCase {
    const char* title;
    Kind kind;
    std::string entry;
    long start, length;  // selection of "abcd" before
    std::string text;     // after
    long afterStart, afterLength;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.title; }

class EntryInsertion : public testing::TestWithParam<EntryCase> {};

TEST_P(EntryInsertion, GivesTextAndSelection) {
    const EntryCase& c = GetParam();
    TextBuffer doc("abcd", c.start, c.length);
    switch (c.kind) {
    case Kind::Tag: insertTagEntry(doc, c.entry); break;
    case Kind::Attribute: insertAttributeEntry(doc, c.entry); break;
    case Kind::Special: insertSpecialCharEntry(doc, c.entry); break;
    }
    EXPECT_EQ(doc.text(), c.text);
    EXPECT_EQ(doc.selStart(), c.afterStart);
    EXPECT_EQ(doc.selLength(), c.afterLength);
    EXPECT_GE(doc.focusCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryInsertion,
    testing::Values(
        // no marker: one piece in front of the selection, which stays
        EntryCase{"tag without marker", Kind::Tag, "<HR>", 1, 2, "a<HR>bcd", 5, 2},
        EntryCase{"tag without marker at caret", Kind::Tag, "<HR>", 1, 0, "a<HR>bcd", 5, 0},
        // one marker: a pair around the selection, in either direction
        EntryCase{"pair forwards", Kind::Tag, "<B>..</B>", 1, 2, "a<B>bc</B>d", 4, 2},
        EntryCase{"pair backwards", Kind::Tag, "<B>..</B>", 3, -2, "a<B>bc</B>d", 6, -2},
        EntryCase{"pair at caret", Kind::Tag, "<B>..</B>", 1, 0, "a<B></B>bcd", 4, 0},
        // two markers: the last one splits
        EntryCase{"two markers", Kind::Tag, "a..b..c", 1, 2, "aa..bbccd", 5, 2},
        EntryCase{"three dots", Kind::Tag, "x...y", 4, 0, "abcdx.y", 6, 0},
        EntryCase{"marker alone", Kind::Tag, "..", 1, 2, "abcd", 1, 2},
        EntryCase{"empty tag entry", Kind::Tag, "", 3, -2, "abcd", 3, -2},
        EntryCase{"attribute", Kind::Attribute, "ALIGN=", 2, 0, "ab ALIGN=cd", 9, 0},
        EntryCase{"blank attribute line", Kind::Attribute, "", 2, 0, "ab cd", 3, 0},
        EntryCase{"attribute keeps markers", Kind::Attribute, "A..B", 0, 0, " A..Babcd", 5, 0},
        EntryCase{"special character", Kind::Special, "&amp; ampersand sign", 1, 2,
                  "a&amp;bcd", 6, 2},
        EntryCase{"special without blank", Kind::Special, "&amp;", 1, 2, "abcd", 1, 2},
        EntryCase{"special blank first", Kind::Special, " x", 1, 0, "abcd", 1, 0}));

}  // namespace
}  // namespace wrenfold
