// The three highlighters and "None": the styles each element kind gets in the editor, and
// that the text is coloured by the chosen one.
#include "editor/DocumentEditor.h"
#include "editor/Highlighters.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerpascal.h>

namespace wrenfold::test {
namespace {

using B = QsciScintillaBase;

long send(DocumentEditor& e, unsigned int msg, unsigned long w = 0, long l = 0) {
    return e.SendScintilla(msg, w, l);
}

// Scintilla's colours are 0x00BBGGRR.
long bgr(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }
long bgr(int r, int g, int b) { return bgr(QColor(r, g, b)); }

const long kBlack = bgr(0, 0, 0), kWhite = bgr(255, 255, 255), kBlue = bgr(0, 0, 255),
           kNavy = bgr(0, 0, 128), kGreen = bgr(0, 128, 0), kGray = bgr(128, 128, 128),
           kMaroon = bgr(128, 0, 0), kTeal = bgr(0, 128, 128), kPurple = bgr(128, 0, 128),
           kFuchsia = bgr(255, 0, 255), kRed = bgr(255, 0, 0), kSilver = bgr(192, 192, 192);
constexpr long kText = -1;    // the editor's text colour
constexpr long kWindow = -2;  // the editor's background

struct StyleCase {
    const char* element;
    Highlighter kind;
    int style;
    bool bold, italic;
    long fore, back;
    int size = 10;
};

TEST(Highlighters, EachElementKindHasItsStyle) {
    const std::vector<StyleCase> cases = {
        {"Bracket", Highlighter::Html, QsciLexerHTML::XMLTagEnd, true, false, kBlue, kWindow},
        {"DefaultText", Highlighter::Html, QsciLexerHTML::Default, false, false, kText, kWindow},
        {"HtmlKeyword", Highlighter::Html, QsciLexerHTML::Tag, true, false, kNavy, kWindow},
        {"HtmlTag", Highlighter::Html, QsciLexerHTML::OtherInTag, false, false, kGreen, kWindow},
        {"HtmlComment", Highlighter::Html, QsciLexerHTML::HTMLComment, false, false, kGray, kWindow},
        {"HtmlAttribute", Highlighter::Html, QsciLexerHTML::Attribute, false, false, kGreen, kWindow},
        {"HtmlAttributeValue", Highlighter::Html, QsciLexerHTML::HTMLDoubleQuotedString, false,
         false, kMaroon, kWindow},
        {"PerlScript", Highlighter::Html, QsciLexerHTML::PHPDefault, false, false, kTeal, kWindow},
        {"ScriptTag", Highlighter::Html, QsciLexerHTML::JavaScriptStart, true, false, kPurple,
         kWindow},
        {"ScriptContent", Highlighter::Html, QsciLexerHTML::JavaScriptKeyword, false, false, kText,
         kWindow, 8},
        {"SpecialChars", Highlighter::Html, QsciLexerHTML::Entity, false, false, kFuchsia, kWindow},
        {"UnknownTag", Highlighter::Html, QsciLexerHTML::UnknownTag, false, false, kRed, kWindow},

        {"KeywordsOOP", Highlighter::Pascal, QsciLexerPascal::Keyword, true, false, kText, kWindow},
        {"ASMHighlight", Highlighter::Pascal, QsciLexerPascal::Asm, false, false, kPurple, kWindow},
        {"Strings", Highlighter::Pascal, QsciLexerPascal::SingleQuotedString, false, false, kBlack,
         kSilver},
        {"CommentSingleLine", Highlighter::Pascal, QsciLexerPascal::CommentLine, false, true, kBlue,
         kWindow},
        {"CommentBrace", Highlighter::Pascal, QsciLexerPascal::Comment, false, true, kNavy, kWindow},
        {"CommentParAst", Highlighter::Pascal, QsciLexerPascal::CommentParenthesis, false, true,
         kGreen, kWindow},
        {"Directives", Highlighter::Pascal, QsciLexerPascal::PreProcessor, false, true, kWhite,
         kTeal},
        {"Numbers", Highlighter::Pascal, QsciLexerPascal::Number, false, false, kRed, kWindow},
        {"Symbols", Highlighter::Pascal, QsciLexerPascal::Operator, false, false, kText, kWindow},

        {"CPPKeywords", Highlighter::Cpp, QsciLexerCPP::Keyword, true, false, kText, kWindow},
        {"Strings", Highlighter::Cpp, QsciLexerCPP::DoubleQuotedString, false, true, kBlack,
         kSilver},
        {"CommentSingleLine", Highlighter::Cpp, QsciLexerCPP::CommentLine, false, true, kBlue,
         kWindow},
        {"CommentMultiLine", Highlighter::Cpp, QsciLexerCPP::Comment, false, true, kNavy, kWindow},
        {"Directives", Highlighter::Cpp, QsciLexerCPP::PreProcessor, false, true, kWhite, kTeal},
        {"Numbers", Highlighter::Cpp, QsciLexerCPP::Number, false, false, kRed, kWindow},
        {"inactive code looks alike", Highlighter::Cpp, QsciLexerCPP::InactiveNumber, false, false,
         kRed, kWindow},

        {"None: plain", Highlighter::None, QsciLexerHTML::Tag, false, false, kText, kWindow},
    };
    DocumentEditor editor;
    const long text = bgr(editor.palette().color(QPalette::Text));
    const long window = bgr(editor.palette().color(QPalette::Base));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.element);
        editor.setHighlighter(c.kind);
        EXPECT_EQ(editor.highlighter(), c.kind);
        const auto style = static_cast<unsigned long>(c.style);
        // QScintilla hands Scintilla the font's Qt weight, negated.
        EXPECT_EQ(std::abs(send(editor, B::SCI_STYLEGETWEIGHT, style)) >= QFont::DemiBold, c.bold);
        EXPECT_EQ(send(editor, B::SCI_STYLEGETITALIC, style) != 0, c.italic);
        EXPECT_EQ(send(editor, B::SCI_STYLEGETFORE, style), c.fore == kText ? text : c.fore);
        EXPECT_EQ(send(editor, B::SCI_STYLEGETBACK, style), c.back == kWindow ? window : c.back);
        EXPECT_EQ(send(editor, B::SCI_STYLEGETSIZE, style), c.size);
    }
}

struct ColourCase {
    Highlighter kind;
    const char* text;
    long at;
    int style;
};

TEST(Highlighters, SwitchingColoursTheWholeText) {
    const std::vector<ColourCase> cases = {
        {Highlighter::Html, "<B>x</B><!-- c --><zork>&amp;", 1, QsciLexerHTML::Tag},
        {Highlighter::Html, "<B>x</B><!-- c --><zork>&amp;", 10, QsciLexerHTML::HTMLComment},
        {Highlighter::Html, "<B>x</B><!-- c --><zork>&amp;", 20, QsciLexerHTML::UnknownTag},
        {Highlighter::Html, "<B>x</B><!-- c --><zork>&amp;", 26, QsciLexerHTML::Entity},
        {Highlighter::Pascal, "begin { c } 42 end", 0, QsciLexerPascal::Keyword},
        {Highlighter::Pascal, "begin { c } 42 end", 7, QsciLexerPascal::Comment},
        {Highlighter::Pascal, "begin { c } 42 end", 12, QsciLexerPascal::Number},
        {Highlighter::Cpp, "int x; // c", 0, QsciLexerCPP::Keyword},
        {Highlighter::Cpp, "int x; // c", 8, QsciLexerCPP::CommentLine},
        {Highlighter::None, "<B>x</B>", 1, 0},
    };
    DocumentEditor editor;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        editor.setBytes(c.text);
        editor.setHighlighter(c.kind);
        send(editor, B::SCI_COLOURISE, 0, -1);
        EXPECT_EQ(send(editor, B::SCI_GETSTYLEAT, static_cast<unsigned long>(c.at)), c.style);
    }
}

TEST(Highlighters, NoneRemovesTheLexer) {
    DocumentEditor editor;
    editor.setHighlighter(Highlighter::None);
    EXPECT_EQ(editor.lexer(), nullptr);
    editor.setHighlighter(Highlighter::Html);
    EXPECT_NE(dynamic_cast<QsciLexerHTML*>(editor.lexer()), nullptr);
}

TEST(Highlighters, EveryEditorHasItsOwnLexers) {
    DocumentEditor a;
    DocumentEditor b;
    a.setHighlighter(Highlighter::Cpp);
    b.setHighlighter(Highlighter::Cpp);
    ASSERT_NE(a.lexer(), nullptr);
    EXPECT_NE(a.lexer(), b.lexer());
    b.setHighlighter(Highlighter::None);
    EXPECT_NE(a.lexer(), nullptr);  // the other editor keeps its own
}

TEST(Highlighters, WordCharactersSurviveALexerChange) {
    DocumentEditor editor;
    editor.setBytes("<div>x");
    for (Highlighter h : {Highlighter::Cpp, Highlighter::Pascal, Highlighter::None,
                          Highlighter::Html}) {
        editor.setHighlighter(h);
        EXPECT_EQ(send(editor, B::SCI_WORDENDPOSITION, 0, 1), 6);
    }
}

}  // namespace
}  // namespace wrenfold::test
