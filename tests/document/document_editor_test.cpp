// The editor as the user meets it: how it shows bytes, what keys insert, its settings,
// the modified flag, undo, and the change event.
#include "Subjects.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontDatabase>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <functional>
#include <Qsci/qscilexer.h>

namespace wrenfold::test {
namespace {

using namespace std::string_literals;

long send(DocumentEditor& e, unsigned int msg, unsigned long w = 0, long l = 0) {
    return e.SendScintilla(msg, w, l);
}

void press(DocumentEditor& e, int key, const QString& text = QString(),
           Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(&e, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(&e, &up);
}

// --- encodings ---------------------------------------------------------------------------

struct EncodingCase {
    const char* name;
    std::string bytes;
    bool utf8;
};

TEST(DocumentDisplay, ValidUtf8IsShownAsUtf8AndAnythingElseAs1252) {
    const std::vector<EncodingCase> cases = {
        {"ascii", "<P>hello</P>\r\n", true},
        {"utf-8 letters", "caf\xc3\xa9 \xe2\x82\xac", true},
        {"NUL is valid", "a\0b"s, true},
        {"empty", "", true},
        {"1252 e-acute", "caf\xe9", false},
        {"1252 quotes", "\x93quoted\x94", false},
        {"truncated utf-8", "caf\xc3", false},
    };
    EditorSubject subject;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        subject.editor().setBytes(c.bytes);
        EXPECT_EQ(subject.editor().isUtf8(), c.utf8);
        EXPECT_EQ(subject.editor().bytes(), c.bytes);
    }
}

TEST(DocumentDisplay, Bytes80To9FOfA1252DocumentAreShownByValue) {
    DocumentEditor editor;
    editor.setBytes("\x80\x93");
    char shown[8] = {};
    editor.SendScintilla(QsciScintillaBase::SCI_GETREPRESENTATION, "\x93", shown);
    EXPECT_STREQ(shown, "x93");
    // Above 9F the code page agrees with Latin-1, which Scintilla draws as characters.
    char plain[8] = {};
    editor.SendScintilla(QsciScintillaBase::SCI_GETREPRESENTATION, "\xe9", plain);
    EXPECT_STREQ(plain, "");
}

struct EncodeCase {
    const char* name;
    QString text;
    std::string utf8;
    std::string cp1252;
};

TEST(DocumentDisplay, EncodeAndDecodeFollowTheDocumentsEncoding) {
    const std::vector<EncodeCase> cases = {
        {"ascii", "<B>", "<B>", "<B>"},
        {"latin letters", QString::fromUtf8("caf\xc3\xa9"), "caf\xc3\xa9", "caf\xe9"},
        {"euro and quotes", QString::fromUtf8("\xe2\x82\xac\xe2\x80\x9cq\xe2\x80\x9d"),
         "\xe2\x82\xac\xe2\x80\x9cq\xe2\x80\x9d", "\x80\x93q\x94"},
        {"no 1252 form", QString::fromUtf8("\xe4\xb8\xad"), "\xe4\xb8\xad", "?"},
    };
    DocumentEditor utf8;
    DocumentEditor ansi;
    ansi.setBytes("\xff");
    ASSERT_TRUE(utf8.isUtf8());
    ASSERT_FALSE(ansi.isUtf8());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8.encode(c.text), c.utf8);
        EXPECT_EQ(ansi.encode(c.text), c.cp1252);
        EXPECT_EQ(utf8.decode(c.utf8), c.text);
        if (c.cp1252 != "?") {
            EXPECT_EQ(ansi.decode(c.cp1252), c.text);
        }
    }
}

TEST(DocumentDisplay, CopyAndPasteConvertA1252DocumentsText) {
    EditorSubject subject;
    subject.editor().setBytes("x\x93y\x94");
    subject.editor().setSelStart(0);
    subject.editor().setSelLength(4);
    subject.editor().copy();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, QString::fromUtf8("x\xe2\x80\x9cy\xe2\x80\x9d"));
    subject.editor().setSelStart(4);
    QApplication::clipboard()->setText(QString::fromUtf8(" \xe2\x82\xac"));
    subject.editor().paste();
    EXPECT_EQ(subject.editor().bytes(), "x\x93y\x94 \x80");
}

// --- keys --------------------------------------------------------------------------------

TEST(DocumentKeys, EnterInsertsCrLfAndLeavesOtherLineBreaksAlone) {
    EditorSubject subject;
    subject.reset("a\nb", 1, 0);
    press(subject.editor(), Qt::Key_Return, "\r");
    EXPECT_EQ(subject.editor().bytes(), "a\r\n\nb");
    EXPECT_EQ(subject.editor().selStart(), 3);
}

TEST(DocumentKeys, TypingInA1252DocumentStoresThe1252Byte) {
    EditorSubject subject;
    subject.reset("\xe9", 1, 0);
    ASSERT_FALSE(subject.editor().isUtf8());
    press(subject.editor(), Qt::Key_unknown, QString(QChar(0x20AC)));  // the euro sign
    press(subject.editor(), Qt::Key_A, "a");
    EXPECT_EQ(subject.editor().bytes(), "\xe9\x80" "a");
}

TEST(DocumentKeys, TypingInAUtf8DocumentStoresUtf8) {
    EditorSubject subject;
    subject.reset("", 0, 0);
    press(subject.editor(), Qt::Key_unknown, QString(QChar(0x20AC)));
    EXPECT_EQ(subject.editor().bytes(), "\xe2\x82\xac");
}

TEST(DocumentKeys, InsertKeySwitchesOverwriteWithABlockCaret) {
    EditorSubject subject;
    subject.reset("ab\r\n", 0, 0);
    EXPECT_FALSE(subject.editor().overwriteMode());
    EXPECT_EQ(send(subject.editor(), QsciScintillaBase::SCI_GETCARETSTYLE),
              QsciScintillaBase::CARETSTYLE_LINE);
    press(subject.editor(), Qt::Key_Insert);
    EXPECT_TRUE(subject.editor().overwriteMode());
    EXPECT_EQ(send(subject.editor(), QsciScintillaBase::SCI_GETCARETSTYLE),
              QsciScintillaBase::CARETSTYLE_BLOCK);
    press(subject.editor(), Qt::Key_X, "x");
    EXPECT_EQ(subject.editor().bytes(), "xb\r\n");
    press(subject.editor(), Qt::Key_Insert);
    EXPECT_FALSE(subject.editor().overwriteMode());
    press(subject.editor(), Qt::Key_Y, "y");
    EXPECT_EQ(subject.editor().bytes(), "xyb\r\n");
}

TEST(DocumentKeys, OverwriteInA1252DocumentStopsAtTheLineEnd) {
    EditorSubject subject;
    subject.reset("\xe9\r\n", 0, 0);
    press(subject.editor(), Qt::Key_Insert);
    const QString euro(QChar(0x20AC));
    press(subject.editor(), Qt::Key_unknown, euro);
    press(subject.editor(), Qt::Key_unknown, euro);
    EXPECT_EQ(subject.editor().bytes(), "\x80\x80\r\n");
}

// --- settings ----------------------------------------------------------------------------

TEST(DocumentSettings, EditorStartsAsTheProgramWantsIt) {
    DocumentEditor editor;
    EXPECT_EQ(editor.highlighter(), Highlighter::Html);
    EXPECT_NE(editor.lexer(), nullptr);
    EXPECT_EQ(send(editor, QsciScintillaBase::SCI_GETCARETWIDTH), 2);
    EXPECT_EQ(send(editor, QsciScintillaBase::SCI_GETEOLMODE), QsciScintillaBase::SC_EOL_CRLF);
    EXPECT_EQ(send(editor, QsciScintillaBase::SCI_GETHSCROLLBAR), 0);
    EXPECT_FALSE(editor.overwriteMode());
    for (int m = 0; m < send(editor, QsciScintillaBase::SCI_GETMARGINS); ++m)
        EXPECT_EQ(editor.marginWidth(m), 0) << m;
    EXPECT_EQ(send(editor, QsciScintillaBase::SCI_STYLEGETSIZE, QsciScintillaBase::STYLE_DEFAULT),
              10);
    const QString family = QFontDatabase::families().contains("MS Sans Serif")
                               ? QString("MS Sans Serif")
                               : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    EXPECT_EQ(editor.lexer()->font(0).family(), family);
    EXPECT_EQ(editor.lexer()->font(0).pointSize(), 10);
}

TEST(DocumentSettings, SelectionIsDrawnInTheSystemColours) {
    EditorSubject subject;
    subject.reset("MMMMMMMMMMMMMMMMMMMM", 0, 20);
    const QImage shot = subject.editor().grab().toImage();
    const QColor highlight = subject.editor().palette().color(QPalette::Active, QPalette::Highlight);
    const QColor base = subject.editor().palette().color(QPalette::Base);
    // Somewhere on the first line the selection's background must show, and the rest of
    // the window keeps the editor's background.
    bool seen = false;
    for (int x = 0; x < 60 && !seen; ++x)
        for (int y = 0; y < 8 && !seen; ++y) seen = shot.pixelColor(x, y) == highlight;
    EXPECT_TRUE(seen);
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() - 30), base);
}

struct WordCase {
    const char* text;
    long at;
    long start, end;
};

TEST(DocumentSettings, OnlyTheListedCharactersSeparateWords) {
    const std::vector<WordCase> cases = {
        {"<div>x.y", 2, 0, 6},   // angle brackets belong to the word
        {"a,bc;d", 3, 2, 4},
        {"one two", 1, 0, 3},
        {"x:y", 0, 0, 1},
        {"tab\there", 5, 4, 8},
        {"a-b_c'd", 0, 0, 7},
    };
    DocumentEditor editor;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        editor.setBytes(c.text);
        EXPECT_EQ(send(editor, QsciScintillaBase::SCI_WORDSTARTPOSITION, c.at, 1), c.start);
        EXPECT_EQ(send(editor, QsciScintillaBase::SCI_WORDENDPOSITION, c.at, 1), c.end);
    }
}

TEST(DocumentSettings, VerticalScrollBarOnlyWhenNeeded) {
    EditorSubject subject;
    subject.reset("one line", 0, 0);
    QApplication::processEvents();
    EXPECT_FALSE(subject.editor().verticalScrollBar()->isVisible());
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "line\r\n";
    subject.reset(lines, 0, 0);
    QApplication::processEvents();
    EXPECT_TRUE(subject.editor().verticalScrollBar()->isVisible());
    EXPECT_FALSE(subject.editor().horizontalScrollBar()->isVisible());
}

// --- modified flag, undo and the change event ---------------------------------------------

TEST(DocumentState, ModifiedFlagFollowsEditsAndResets) {
    DocumentEditor editor;
    EXPECT_FALSE(editor.isModified());
    editor.replaceSelection("a");
    EXPECT_TRUE(editor.isModified());
    editor.setModified(false);
    EXPECT_FALSE(editor.isModified());
    editor.setModified(true);  // a new document that no edit made yet
    EXPECT_TRUE(editor.isModified());
    editor.clearDocument();
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(editor.bytes(), "");
}

TEST(DocumentState, EachReplaceSelectionIsItsOwnUndoStep) {
    EditorSubject subject;
    subject.reset("ab", 1, 0);
    subject.editor().setModified(false);
    subject.ops().replaceSelection("X");
    subject.ops().replaceSelection("Y");  // right behind the first: must not merge with it
    ASSERT_EQ(subject.editor().bytes(), "aXYb");
    subject.editor().undo();
    EXPECT_EQ(subject.editor().bytes(), "aXb");
    subject.editor().undo();
    EXPECT_EQ(subject.editor().bytes(), "ab");
    EXPECT_FALSE(subject.editor().isModified());
    subject.editor().redo();
    EXPECT_EQ(subject.editor().bytes(), "aXb");
}

TEST(DocumentState, ReplacingASelectionUndoesInOneStep) {
    EditorSubject subject;
    subject.reset("abcd", 3, -2);
    subject.ops().replaceSelection("XYZ");  // a deletion and an insertion
    ASSERT_EQ(subject.editor().bytes(), "aXYZd");
    subject.editor().undo();
    EXPECT_EQ(subject.editor().bytes(), "abcd");
}

TEST(DocumentState, ChangeEventOncePerEditNoneForLoading) {
    EditorSubject subject;
    subject.reset("abcd", 1, 2);
    subject.ops().replaceSelection("X");  // a deletion and an insertion, one edit
    EXPECT_EQ(subject.changes(), 1);
    subject.editor().setBytes("new");
    EXPECT_EQ(subject.changes(), 2);
    press(subject.editor(), Qt::Key_Z, "z");
    EXPECT_EQ(subject.changes(), 3);
    subject.editor().clearDocument();
    EXPECT_EQ(subject.changes(), 3);
}

struct EditCase {
    const char* name;
    std::function<void(DocumentEditor&)> edit;
    std::string expected;
};

// Edits that QScintilla makes itself (keys, clipboard, undo) are told once each, at once.
TEST(DocumentState, QScintillaEditsRaiseOneChangeEventWhenDone) {
    const std::vector<EditCase> cases = {
        {"typed key", [](DocumentEditor& e) { press(e, Qt::Key_Z, "z"); }, "azbcd"},
        {"backspace", [](DocumentEditor& e) { press(e, Qt::Key_Backspace); }, "bcd"},
        {"delete", [](DocumentEditor& e) { press(e, Qt::Key_Delete); }, "acd"},
        {"paste",
         [](DocumentEditor& e) {
             QApplication::clipboard()->setText("P");
             e.paste();
         },
         "aPbcd"},
        {"paste key",
         [](DocumentEditor& e) {
             QApplication::clipboard()->setText("K");
             press(e, Qt::Key_V, "\x16", Qt::ControlModifier);
         },
         "aKbcd"},
        {"cut",
         [](DocumentEditor& e) {
             e.setSelLength(2);
             e.cut();
         },
         "ad"},
        {"undo of a replaced selection",
         [](DocumentEditor& e) {
             e.setSelLength(2);
             e.replaceSelection("XYZ");
             e.undo();
         },
         "abcd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorSubject subject;
        subject.reset("abcd", 1, 0);
        int texts = 0;
        QObject::connect(&subject.editor(), &QsciScintilla::textChanged, [&] { ++texts; });
        const int before = subject.changes();
        c.edit(subject.editor());
        EXPECT_EQ(subject.editor().bytes(), c.expected);
        // The undo case makes two edits: the replacement and its undo.
        const int edits = std::string(c.name).rfind("undo", 0) == 0 ? 2 : 1;
        EXPECT_EQ(subject.changes() - before, edits);
        EXPECT_EQ(texts, edits);
    }
}

TEST(DocumentState, ADirectScintillaEditIsToldWhenTheEventLoopRuns) {
    EditorSubject subject;
    subject.reset("ab", 0, 0);
    subject.editor().SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 1UL, "X");
    EXPECT_EQ(subject.changes(), 0);
    QApplication::processEvents();
    EXPECT_EQ(subject.changes(), 1);
    EXPECT_EQ(subject.editor().bytes(), "aXb");
}

TEST(DocumentState, LinesChangedFollowsTheLineCount) {
    DocumentEditor editor;
    int lines = 0;
    QObject::connect(&editor, &QsciScintilla::linesChanged, [&] { ++lines; });
    editor.replaceSelection("a");
    EXPECT_EQ(lines, 0);
    editor.replaceSelection("\r\nb");
    EXPECT_EQ(lines, 1);
}

TEST(DocumentState, AnEditRunRaisesOneChangeEventAtItsEnd) {
    EditorSubject subject;
    subject.reset("abc", 0, 0);
    DocumentEditor& editor = subject.editor();
    editor.beginEditRun();
    editor.replaceSelection("X");
    editor.beginEditRun();  // runs nest
    editor.replaceSelection("Y");
    editor.endEditRun();
    EXPECT_EQ(subject.changes(), 0);
    editor.endEditRun();
    EXPECT_EQ(subject.changes(), 1);
    EXPECT_EQ(editor.bytes(), "XYabc");
    editor.undo();  // each edit stays its own step
    EXPECT_EQ(editor.bytes(), "Xabc");
    const int afterUndo = subject.changes();
    editor.beginEditRun();  // a run without edits says nothing
    editor.endEditRun();
    EXPECT_EQ(subject.changes(), afterUndo);
    editor.replaceSelection("Z");  // after the run, edits are told one by one again
    EXPECT_EQ(subject.changes(), afterUndo + 1);
}

}  // namespace
}  // namespace wrenfold::test
