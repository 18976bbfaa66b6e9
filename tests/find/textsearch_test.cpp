// Searching and replacing over the bytes: the matching rules on plain strings, then Search
// once, Replace and Replace All on both the in-memory buffer and the real editor control.
#include "editor/markup/TextSearch.h"
#include "tests/find/EditorFixtures.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using wrenfold::Charset;
using wrenfold::DoReplace;
using wrenfold::DoReplaceAll;
using wrenfold::FindMatch;
using wrenfold::FoldCase;
using wrenfold::SearchOnce;
using wrenfold::SearchOptions;

namespace {

SearchOptions opts(bool down, bool matchCase = false, bool wholeWord = false) {
    SearchOptions o;
    o.down = down;
    o.matchCase = matchCase;
    o.wholeWord = wholeWord;
    return o;
}

// --- case folding ---------------------------------------------------------------------------

TEST(FoldCase, AnsiFoldsWindows1252Letters) {
    EXPECT_EQ(FoldCase("abz AZ 09 <b>", Charset::Ansi), "ABZ AZ 09 <B>");
    // a grave, o diaeresis, s caron, oe, z caron, y diaeresis
    EXPECT_EQ(FoldCase("\xE0\xF6\x9A\x9C\x9E\xFF", Charset::Ansi), "\xC0\xD6\x8A\x8C\x8E\x9F");
    // The division sign and the sharp s have no capital; bytes below 0x20 and NUL stay.
    EXPECT_EQ(FoldCase(std::string("\xF7\xDF\0\r\n", 5), Charset::Ansi),
              std::string("\xF7\xDF\0\r\n", 5));
}

TEST(FoldCase, Utf8FoldsOnlyWhatKeepsCharactersWhole) {
    // e acute -> E acute, a grave -> A grave; the division sign stays.
    EXPECT_EQ(FoldCase("caf\xC3\xA9 \xC3\xA0 \xC3\xB7", Charset::Utf8),
              "CAF\xC3\x89 \xC3\x80 \xC3\xB7");
    // A continuation byte that Windows-1252 would fold (0x9A in U+011A) is left alone.
    EXPECT_EQ(FoldCase("\xC4\x9A\xC4\x8A", Charset::Utf8), "\xC4\x9A\xC4\x8A");
    EXPECT_EQ(FoldCase("\xE4\xB8\xAD", Charset::Utf8), "\xE4\xB8\xAD");
}

TEST(FoldCase, FoldingTwiceChangesNothing) {
    std::string all;
    for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
    for (Charset c : {Charset::Ansi, Charset::Utf8}) {
        const std::string once = FoldCase(all, c);
        EXPECT_EQ(once.size(), all.size());
        EXPECT_EQ(FoldCase(once, c), once);
    }
}

// --- the matching rule on plain text --------------------------------------------------------

struct MatchCase {
    const char* name;
    std::string text;
    std::string what;
    long from;
    SearchOptions options;
    std::optional<long> expected;
};

class FindMatchTable : public testing::TestWithParam<MatchCase> {};

TEST_P(FindMatchTable, FindsWhereTheRuleSays) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(FindMatch(c.text, c.what, c.from, c.options), c.expected) << c.name;
}

const std::vector<MatchCase> kMatchCases = {
    {"down from the caret itself", "ab ab", "ab", 0, opts(true), 0},
    {"down skips what began before", "ab ab", "ab", 1, opts(true), 3},
    {"down past the last match", "ab ab", "ab", 4, opts(true), std::nullopt},
    {"up finds what begins before the caret", "ab ab", "ab", 5, opts(false), 3},
    {"up may overlap the caret", "ab ab", "ab", 4, opts(false), 3},
    {"up from the match's own start", "ab ab", "ab", 3, opts(false), 0},
    {"up from the start", "ab ab", "ab", 0, opts(false), std::nullopt},
    {"a caret past the end is clamped", "ab", "ab", 99, opts(false), 0},
    {"a negative caret is clamped", "ab", "ab", -5, opts(true), 0},
    {"empty search text", "ab", "", 0, opts(true), std::nullopt},
    {"search text with CR LF", "a\r\nb", "a\r\nb", 0, opts(true), std::nullopt},
    {"search text with a lone LF", "a\nb", "a\nb", 0, opts(true), std::nullopt},
    {"matches lie within a line", "x\r\nab", "ab", 0, opts(true), 3},
    {"whole word between separators", "x ab,", "ab", 0, opts(true, false, true), 2},
    {"whole word: letter in front", "xab", "ab", 0, opts(true, false, true), std::nullopt},
    {"whole word: brackets are no separators", "<ab>", "ab", 0, opts(true, false, true),
     std::nullopt},
    {"whole word at line start and end", "q\r\nab\r\n", "ab", 0, opts(true, false, true), 3},
    {"whole word after a tab", "\tab.ab:ab;ab\n", "ab", 0, opts(true, false, true), 1},
    {"whole word between . and :", "\tab.ab:ab;ab\n", "ab", 2, opts(true, false, true), 4},
    {"whole word between ; and LF", "\tab.ab:ab;ab\n", "ab", 8, opts(true, false, true), 10},
    {"whole word skips a part to a later whole", "abc ab", "ab", 0, opts(true, false, true), 4},
    {"whole word up skips a part", "ab abc", "ab", 6, opts(false, false, true), 0},
    {"whole word: a NUL is no separator", std::string("\0ab", 3), "ab", 0,
     opts(true, false, true), std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Rules, FindMatchTable, testing::ValuesIn(kMatchCases));

// --- the commands on both editors -----------------------------------------------------------

template <typename Host>
class SearchCommands : public testing::Test {
protected:
    std::unique_ptr<Host> host;
    wrenfold::EditorOps& make(const std::string& text, long s = 0, long l = 0) {
        host = std::make_unique<Host>(text, s, l);
        return host->ops();
    }
};
using Hosts = testing::Types<findtest::BufferHost, findtest::EditorHost>;
TYPED_TEST_SUITE(SearchCommands, Hosts);

struct Sel {
    long s, l;
    bool operator==(const Sel&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Sel& sel) {
    return os << "S=" << sel.s << " L=" << sel.l;
}
Sel selOf(const wrenfold::EditorOps& ops) { return {ops.selStart(), ops.selLength()}; }

TYPED_TEST(SearchCommands, DownSelectsEachMatchWithTheCaretAtItsEndThenStops) {
    auto& ops = this->make("ab ab");
    ASSERT_TRUE(SearchOnce(ops, "ab", opts(true)));
    EXPECT_EQ(selOf(ops), (Sel{2, -2}));
    ASSERT_TRUE(SearchOnce(ops, "ab", opts(true)));
    EXPECT_EQ(selOf(ops), (Sel{5, -2}));
    EXPECT_FALSE(SearchOnce(ops, "ab", opts(true)));
    EXPECT_EQ(selOf(ops), (Sel{5, -2})) << "a failed search keeps the selection";
    EXPECT_EQ(ops.documentText(), "ab ab");
}

TYPED_TEST(SearchCommands, UpSelectsWithTheCaretAtTheStartAndNeverWraps) {
    auto& ops = this->make("ab ab", 5);
    ASSERT_TRUE(SearchOnce(ops, "ab", opts(false)));
    EXPECT_EQ(selOf(ops), (Sel{3, 2}));
    ASSERT_TRUE(SearchOnce(ops, "ab", opts(false)));
    EXPECT_EQ(selOf(ops), (Sel{0, 2}));
    EXPECT_FALSE(SearchOnce(ops, "ab", opts(false)));
    EXPECT_EQ(selOf(ops), (Sel{0, 2}));
}

TYPED_TEST(SearchCommands, MatchCaseDecides) {
    auto& ops = this->make("xx ab");
    EXPECT_FALSE(SearchOnce(ops, "AB", opts(true, true)));
    EXPECT_EQ(selOf(ops), (Sel{0, 0}));
    EXPECT_TRUE(SearchOnce(ops, "AB", opts(true, false)));
    EXPECT_EQ(selOf(ops), (Sel{5, -2}));
}

TYPED_TEST(SearchCommands, WholeWordsUseTheEditorsSeparators) {
    for (const char* text : {"xab", "<ab>", "abx", "_ab"}) {
        auto& ops = this->make(text);
        EXPECT_FALSE(SearchOnce(ops, "ab", opts(true, false, true))) << text;
    }
    auto& ops = this->make("x ab,");
    EXPECT_TRUE(SearchOnce(ops, "ab", opts(true, false, true)));
    EXPECT_EQ(selOf(ops), (Sel{4, -2}));
}

TYPED_TEST(SearchCommands, ReplaceIgnoresCaseEvenWithMatchCase) {
    // The option belongs to the find that made the selection, not to Replace.
    auto& ops = this->make("a Foo b", 5, -3);  // "Foo" selected backwards
    EXPECT_TRUE(DoReplace(ops, "foo", "bar"));
    EXPECT_EQ(ops.documentText(), "a bar b");
    EXPECT_EQ(selOf(ops), (Sel{5, 0}));
}

TYPED_TEST(SearchCommands, ReplaceLeavesASelectionThatIsNoMatch) {
    struct Case { long s, l; const char* what; };
    for (const Case& c : {Case{2, 2, "foo"}, Case{2, 4, "foo"}, Case{2, 0, "foo"},
                          Case{2, 0, ""}, Case{2, 3, ""}}) {
        auto& ops = this->make("a Foo b", c.s, c.l);
        EXPECT_FALSE(DoReplace(ops, c.what, "X")) << c.s << "," << c.l << " " << c.what;
        EXPECT_EQ(ops.documentText(), "a Foo b");
        EXPECT_EQ(selOf(ops), (Sel{c.s, c.l}));
    }
}

TYPED_TEST(SearchCommands, ReplaceAllOfAByAaEnds) {
    auto& ops = this->make("a a");
    EXPECT_EQ(DoReplaceAll(ops, "a", "aa", opts(true)), 2);
    EXPECT_EQ(ops.documentText(), "aa aa");
    EXPECT_EQ(selOf(ops), (Sel{5, 0}));
}

TYPED_TEST(SearchCommands, ReplaceAllFromTheMiddleLeavesWhatIsBeforeTheCaret) {
    auto& ops = this->make("ab ab\r\nab ab", 4);
    EXPECT_EQ(DoReplaceAll(ops, "AB", "xyz", opts(true)), 2);
    EXPECT_EQ(ops.documentText(), "ab ab\r\nxyz xyz");
    EXPECT_EQ(selOf(ops), (Sel{14, 0}));
}

TYPED_TEST(SearchCommands, ReplaceAllBeginsWithASelectedMatchAndIgnoresTheDirection) {
    // Find Next (down) selected the second "ab"; Replace All replaces it, then goes on.
    auto& ops = this->make("ab ab ab", 5, -2);
    EXPECT_EQ(DoReplaceAll(ops, "ab", "Q", opts(false)), 2);
    EXPECT_EQ(ops.documentText(), "ab Q Q");
}

TYPED_TEST(SearchCommands, ReplaceAllWithNothingToDoKeepsTheSelection) {
    auto& ops = this->make("ab ab", 1, 2);
    EXPECT_EQ(DoReplaceAll(ops, "zz", "Q", opts(true)), 0);
    EXPECT_EQ(DoReplaceAll(ops, "", "Q", opts(true)), 0);
    EXPECT_EQ(ops.documentText(), "ab ab");
    EXPECT_EQ(selOf(ops), (Sel{1, 2}));
}

// Replace All must do what replacing one match after the other would, searching each time
// in the document as it then stands. Its own loop works in one copy; the reference below
// reads the document again for every match.
long replaceOneByOne(wrenfold::EditorOps& ops, const std::string& what, const std::string& with,
                     SearchOptions o) {
    long n = DoReplace(ops, what, with, o.charset) ? 1 : 0;
    o.down = true;
    while (SearchOnce(ops, what, o)) {
        ops.replaceSelection(with);
        ++n;
    }
    return n;
}

struct AllCase {
    std::string text;
    long s, l;
    std::string what, with;
    SearchOptions options;
    std::string expected;
};

TYPED_TEST(SearchCommands, ReplaceAllEqualsReplacingOneAtATime) {
    const std::vector<AllCase> cases = {
        {"a a", 0, 0, "a", "aa", opts(true), "aa aa"},
        {"aaaa", 0, 0, "aa", "a", opts(true), "aa"},
        {"Ab aB ab", 0, 0, "ab", "-", opts(true, true), "Ab aB -"},
        {"Ab aB ab", 0, 0, "ab", "-", opts(true, false), "- - -"},
        {"ab abc ab", 0, 0, "ab", "", opts(true, false, true), " abc "},
        // Behind a replacement the word test sees the inserted text, not the replaced one.
        {",,", 0, 0, ",", "x", opts(true, false, true), "x,"},
        {",,", 0, 0, ",", "", opts(true, false, true), ""},
        {"a,a", 0, 0, "a", "", opts(true, false, true), ","},
        {"x.a", 0, 0, ".", "", opts(true, false, true), "x.a"},
        {"line a\r\nline a", 0, 0, "line a", "L", opts(true), "L\r\nL"},
        {"a\r\nb", 0, 0, "a\r\nb", "x", opts(true), "a\r\nb"},
        {"ab ab ab", 4, 0, "ab", "abab", opts(true), "ab ab abab"},
        {"caf\xC3\xA9 CAF\xC3\x89", 0, 0, "caf\xC3\xA9", "x",
         SearchOptions{true, false, false, Charset::Utf8}, "x x"},
    };
    for (const AllCase& c : cases) {
        auto& direct = this->make(c.text, c.s, c.l);
        const long n = DoReplaceAll(direct, c.what, c.with, c.options);
        const std::string got = direct.documentText();
        const Sel sel = selOf(direct);
        auto& stepwise = this->make(c.text, c.s, c.l);
        EXPECT_EQ(n, replaceOneByOne(stepwise, c.what, c.with, c.options)) << c.text;
        EXPECT_EQ(got, c.expected) << c.text << " / " << c.what;
        EXPECT_EQ(got, stepwise.documentText()) << c.text << " / " << c.what;
        if (n > 0) {
            EXPECT_EQ(sel, selOf(stepwise)) << c.text << " / " << c.what;
        }
    }
}

TEST(SearchOnBuffer, EachReplacementIsItsOwnEditAndTheEditorGetsTheFocus) {
    wrenfold::TextBuffer buffer("x ab ab ab", 1);
    EXPECT_EQ(DoReplaceAll(buffer, "ab", "c", opts(true)), 3);
    EXPECT_EQ(buffer.changeCount(), 3);
    EXPECT_GE(buffer.focusCount(), 1);

    wrenfold::TextBuffer found("ab");
    ASSERT_TRUE(SearchOnce(found, "ab", opts(true)));
    EXPECT_EQ(found.focusCount(), 1);
    wrenfold::TextBuffer missed("ab");
    ASSERT_FALSE(SearchOnce(missed, "zz", opts(true)));
    EXPECT_EQ(missed.focusCount(), 0);
}

TEST(SearchOnEditor, UndoTakesBackOneReplacementAtATime) {
    wrenfold::DocumentEditor editor;
    editor.setBytes("ab ab ab");
    editor.setModified(false);
    editor.setSelStart(0);
    ASSERT_EQ(DoReplaceAll(editor, "ab", "xyz", opts(true)), 3);
    EXPECT_EQ(editor.bytes(), "xyz xyz xyz");
    EXPECT_TRUE(editor.isModified());
    editor.undo();
    EXPECT_EQ(editor.bytes(), "xyz xyz ab");
    editor.undo();
    EXPECT_EQ(editor.bytes(), "xyz ab ab");
    editor.redo();
    EXPECT_EQ(editor.bytes(), "xyz xyz ab");
}

TEST(SearchOnEditor, BytesThatAreNoUtf8AreMatchedAndKept) {
    // A Windows-1252 document: e acute is one byte; the replacement holds a NUL.
    wrenfold::DocumentEditor editor;
    editor.setBytes("caf\xE9 CAF\xC9 \x80");
    ASSERT_FALSE(editor.isUtf8());
    editor.setSelStart(0);
    EXPECT_EQ(DoReplaceAll(editor, "caf\xE9", std::string("a\0b", 3), opts(true)), 2);
    EXPECT_EQ(editor.bytes(), std::string("a\0b a\0b \x80", 9));
}

}  // namespace
