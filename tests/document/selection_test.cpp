// The selection operations and html1/html2, run on the in-memory buffer and on the real
// editor alike: the same table of cases must give the same bytes and selection on both.
#include "Subjects.h"
#include "editor/Insertion.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace wrenfold::test {
namespace {

using namespace std::string_literals;

template <typename Subject>
class SelectionOps : public ::testing::Test {
protected:
    Subject subject;

    void expectState(const std::string& text, long s, long l) {
        EXPECT_EQ(subject.text(), text);
        EXPECT_EQ(subject.ops().selStart(), s);
        EXPECT_EQ(subject.ops().selLength(), l);
        EXPECT_EQ(subject.ops().documentLength(), static_cast<long>(text.size()));
        EXPECT_EQ(subject.ops().documentText(), text);
    }
};

using Subjects = ::testing::Types<BufferSubject, EditorSubject>;
TYPED_TEST_SUITE(SelectionOps, Subjects);

// --- the six operations ------------------------------------------------------------------

struct LengthCase {
    const char* name;
    long start;
    long n;
    long expected;  // the signed length that results
};

TYPED_TEST(SelectionOps, SetSelLengthKeepsStartAndClampsToTheText) {
    const std::vector<LengthCase> cases = {
        {"forward", 1, 2, 2},
        {"backward", 3, -2, -2},
        {"zero", 2, 0, 0},
        {"past the end", 1, 10, 3},
        {"before the start", 2, -10, -2},
        {"everything from 0", 0, 4, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        this->subject.reset("abcd", c.start, 0);
        this->subject.ops().setSelLength(c.n);
        this->expectState("abcd", c.start, c.expected);
    }
}

TYPED_TEST(SelectionOps, SetSelStartClearsTheSelectionAndClamps) {
    const std::vector<LengthCase> cases = {
        {"inside", 0, 2, 2},
        {"negative", 1, -5, 0},
        {"past the end", 1, 99, 4},
        {"at the end", 3, 4, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        this->subject.reset("abcd", c.start, 2);
        this->subject.ops().setSelStart(c.n);
        this->expectState("abcd", c.expected, 0);
    }
}

TYPED_TEST(SelectionOps, PositionsCountBytesSoCrLfIsTwo) {
    this->subject.reset("a\r\nb", 0, 0);
    this->subject.ops().setSelStart(2);  // between CR and LF
    this->subject.ops().setSelLength(2);
    this->expectState("a\r\nb", 2, 2);
    this->subject.ops().replaceSelection("X");
    this->expectState("a\rX", 3, 0);
}

struct ReplaceCase {
    const char* name;
    std::string text;
    long s, l;
    std::string with;
    std::string expected;
    long caret;
    int changes;
};

TYPED_TEST(SelectionOps, ReplaceSelectionIsOneEditAndLeavesTheCaretBehindIt) {
    const std::vector<ReplaceCase> cases = {
        {"insert at caret", "ab", 1, 0, "XY", "aXYb", 3, 1},
        {"replace forward selection", "abcd", 1, 2, "X", "aXd", 2, 1},
        {"replace backward selection", "abcd", 3, -2, "X", "aXd", 2, 1},
        {"delete selection", "abcd", 1, 2, "", "ad", 1, 1},
        {"empty string, no selection", "abcd", 2, 0, "", "abcd", 2, 0},
        {"bytes with NUL", "ab", 1, 0, "\0\0"s, "a\0\0b"s, 3, 1},
        {"into empty text", "", 0, 0, "<P>", "<P>", 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        this->subject.reset(c.text, c.s, c.l);
        this->subject.ops().replaceSelection(c.with);
        this->expectState(c.expected, c.caret, 0);
        EXPECT_EQ(this->subject.changes(), c.changes);
    }
}

TYPED_TEST(SelectionOps, FocusEditorGivesTheFocus) {
    this->subject.reset("ab", 0, 0);
    ASSERT_FALSE(this->subject.focused());
    this->subject.ops().focusEditor();
    EXPECT_TRUE(this->subject.focused());
}

// --- html1 and html2 ---------------------------------------------------------------------

struct InsertCase {
    const char* name;
    std::string text;
    long s, l;
    std::string open, close;  // html1 uses open only
    std::string expected;
    long expectedS, expectedL;
    int changes;
};

TYPED_TEST(SelectionOps, Html1InsertsInFrontOfTheSelectionAndKeepsIt) {
    const std::vector<InsertCase> cases = {
        {"caret between a and b", "ab", 1, 0, "<P>", "", "a<P>b", 4, 0, 1},
        {"forward selection", "abcd", 1, 2, "<P>", "", "a<P>bcd", 4, 2, 1},
        {"backward selection", "abcd", 3, -2, "<P>", "", "a<P>bcd", 6, -2, 1},
        {"empty markup keeps selection", "abcd", 1, 2, "", "", "abcd", 1, 2, 0},
        {"empty markup, backward", "abcd", 3, -2, "", "", "abcd", 3, -2, 0},
        {"empty markup, caret only", "abcd", 2, 0, "", "", "abcd", 2, 0, 0},
        {"markup with CR LF", "ab", 2, 0, "<BR>\r\n", "", "ab<BR>\r\n", 8, 0, 1},
        {"after a CR LF", "x\r\ny", 3, 0, "\r\n", "", "x\r\n\r\ny", 5, 0, 1},
        {"empty document", "", 0, 0, "<HTML>", "", "<HTML>", 6, 0, 1},
        {"whole text selected", "abc", 0, 3, "<X>", "", "<X>abc", 3, 3, 1},
        {"NUL byte markup", "ab", 1, 0, "\0"s, "", "a\0b"s, 2, 0, 1},
        {"multi-line selection backward", "a\r\nb", 4, -4, "<I>", "", "<I>a\r\nb", 7, -4, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        this->subject.reset(c.text, c.s, c.l);
        html1(this->subject.ops(), c.open);
        this->expectState(c.expected, c.expectedS, c.expectedL);
        EXPECT_EQ(this->subject.changes(), c.changes);
        EXPECT_TRUE(this->subject.focused());
    }
}

TYPED_TEST(SelectionOps, Html2WrapsTheSelectionAndKeepsIt) {
    const std::vector<InsertCase> cases = {
        {"forward selection", "abcd", 1, 2, "<B>", "</B>", "a<B>bc</B>d", 4, 2, 2},
        {"backward selection", "abcd", 3, -2, "<B>", "</B>", "a<B>bc</B>d", 6, -2, 2},
        {"no selection", "abcd", 1, 0, "<B>", "</B>", "a<B></B>bcd", 4, 0, 2},
        {"empty close acts as html1", "abcd", 1, 2, "<B>", "", "a<B>bcd", 4, 2, 1},
        {"empty close, backward", "abcd", 3, -2, "<B>", "", "a<B>bcd", 6, -2, 1},
        {"both empty", "abcd", 1, 2, "", "", "abcd", 1, 2, 0},
        {"markup with CR LF", "ab", 0, 2, "<UL>\r\n", "\r\n</UL>", "<UL>\r\nab\r\n</UL>", 6, 2, 2},
        {"whole text backward", "xy", 2, -2, "<I>", "</I>", "<I>xy</I>", 5, -2, 2},
        {"caret at the end", "ab", 2, 0, "<B>", "</B>", "ab<B></B>", 5, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        this->subject.reset(c.text, c.s, c.l);
        html2(this->subject.ops(), c.open, c.close);
        this->expectState(c.expected, c.expectedS, c.expectedL);
        EXPECT_EQ(this->subject.changes(), c.changes);
        EXPECT_TRUE(this->subject.focused());
    }
}

// --- the order of the calls --------------------------------------------------------------

// Passes every call on to a real buffer and writes down what was called.
class RecordingOps : public EditorOps {
public:
    explicit RecordingOps(TextBuffer& buffer) : buffer_(buffer) {}
    std::vector<std::string> calls;

    long selStart() const override { return buffer_.selStart(); }
    long selLength() const override { return buffer_.selLength(); }
    void setSelLength(long n) override {
        calls.push_back("len " + std::to_string(n));
        buffer_.setSelLength(n);
    }
    void setSelStart(long p) override {
        calls.push_back("start " + std::to_string(p));
        buffer_.setSelStart(p);
    }
    void replaceSelection(const std::string& bytes) override {
        calls.push_back("replace " + bytes);
        buffer_.replaceSelection(bytes);
    }
    void focusEditor() override { calls.push_back("focus"); }
    std::string documentText() const override { return buffer_.documentText(); }
    long documentLength() const override { return buffer_.documentLength(); }

private:
    TextBuffer& buffer_;
};

TEST(InsertionOrder, Html2InsertsTheClosingMarkupFirst) {
    struct Case {
        long s, l;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {1, 2, {"len 0", "start 3", "replace </B>", "start 1", "replace <B>", "start 4", "len 2",
                "focus"}},
        {3, -2, {"len 0", "replace </B>", "start 1", "replace <B>", "start 6", "len -2", "focus"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.l);
        TextBuffer buffer("abcd", c.s, c.l);
        RecordingOps ops(buffer);
        html2(ops, "<B>", "</B>");
        EXPECT_EQ(ops.calls, c.calls);
        EXPECT_EQ(buffer.text(), "a<B>bc</B>d");
    }
}

TEST(InsertionOrder, Html1InsertsAtTheLowerEnd) {
    TextBuffer buffer("abcd", 3, -2);
    RecordingOps ops(buffer);
    html1(ops, "<P>");
    const std::vector<std::string> expected = {"len 0", "start 1", "replace <P>", "start 6",
                                               "len -2", "focus"};
    EXPECT_EQ(ops.calls, expected);
}

TEST(InsertionOrder, EditorSeesTheClosingMarkupAsTheFirstChange) {
    EditorSubject subject;
    subject.reset("abcd", 1, 2);
    std::vector<std::string> seen;
    QObject::connect(&subject.editor(), &DocumentEditor::documentChanged,
                     [&] { seen.push_back(subject.editor().bytes()); });
    html2(subject.ops(), "<B>", "</B>");
    const std::vector<std::string> expected = {"abc</B>d", "a<B>bc</B>d"};
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace wrenfold::test
