// Styles of the HTML, Object Pascal and C++ highlighters. The element kinds of each table
// are mapped onto the styles of the matching QScintilla lexer.
#include "editor/Highlighters.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerpascal.h>
#include <QPalette>
#include <vector>

namespace wrenfold {

namespace {

// A colour of the tables: a fixed one, or one of the editor's own.
struct Colour {
    enum Kind { Fixed, Window, WindowText, None } kind = None;
    QColor fixed;
};
Colour fixed(int r, int g, int b) { return {Colour::Fixed, QColor(r, g, b)}; }
const Colour window{Colour::Window, {}};
const Colour windowText{Colour::WindowText, {}};
const Colour none{Colour::None, {}};

const Colour clBlack = fixed(0x00, 0x00, 0x00);
const Colour clMaroon = fixed(0x80, 0x00, 0x00);
const Colour clGreen = fixed(0x00, 0x80, 0x00);
const Colour clNavy = fixed(0x00, 0x00, 0x80);
const Colour clPurple = fixed(0x80, 0x00, 0x80);
const Colour clTeal = fixed(0x00, 0x80, 0x80);
const Colour clGray = fixed(0x80, 0x80, 0x80);
const Colour clSilver = fixed(0xC0, 0xC0, 0xC0);
const Colour clRed = fixed(0xFF, 0x00, 0x00);
const Colour clYellow = fixed(0xFF, 0xFF, 0x00);
const Colour clBlue = fixed(0x00, 0x00, 0xFF);
const Colour clFuchsia = fixed(0xFF, 0x00, 0xFF);
const Colour clWhite = fixed(0xFF, 0xFF, 0xFF);

enum FontStyle { Plain = 0, Bold = 1, Italic = 2, Alternate = 4 };

// One element kind of a table and the lexer styles that show it.
struct Element {
    const char* kind;  // the element's name in the program's tables
    int fontStyle;
    Colour fore;
    Colour back;
    std::vector<int> styles;
};

QColor resolve(const Colour& c, const QColor& window, const QColor& windowText, bool isFore) {
    switch (c.kind) {
    case Colour::Fixed: return c.fixed;
    case Colour::Window: return window;
    case Colour::WindowText: return windowText;
    case Colour::None: break;
    }
    // "none" leaves the colour as the editor has it.
    return isFore ? windowText : window;
}

std::vector<int> range(int first, int last) {
    std::vector<int> v;
    for (int s = first; s <= last; ++s) v.push_back(s);
    return v;
}

template <typename... Style>
std::vector<int> styles(Style... s) {
    return {static_cast<int>(s)...};
}

template <typename... Part>
std::vector<int> join(const Part&... parts) {
    std::vector<int> v;
    (v.insert(v.end(), parts.begin(), parts.end()), ...);
    return v;
}

void applyStyles(QsciLexer& lexer, const HighlighterBase& base,
                 const std::vector<Element>& elements) {
    // Everything starts as plain text in the editor's font and colours.
    lexer.setDefaultFont(base.font);
    lexer.setDefaultColor(base.windowText);
    lexer.setDefaultPaper(base.window);
    lexer.setFont(base.font, -1);
    lexer.setColor(base.windowText, -1);
    lexer.setPaper(base.window, -1);
    for (const Element& e : elements) {
        QFont f = (e.fontStyle & Alternate) ? base.alternateFont : base.font;
        f.setBold(e.fontStyle & Bold);
        f.setItalic(e.fontStyle & Italic);
        const QColor fore = resolve(e.fore, base.window, base.windowText, true);
        const QColor back = resolve(e.back, base.window, base.windowText, false);
        for (int s : e.styles) {
            lexer.setFont(f, s);
            lexer.setColor(fore, s);
            lexer.setPaper(back, s);
        }
    }
}

using H = QsciLexerHTML;

std::vector<Element> htmlElements() {
    return {
        // The lexer gives "<" and ">" the tag's style; only the "/>" of a tag has its own.
        {"Bracket", Bold, clBlue, window, styles(H::XMLTagEnd, H::XMLStart, H::XMLEnd)},
        {"DefaultText", Plain, windowText, window, styles(H::Default, H::CDATA)},
        {"HtmlKeyword", Bold, clNavy, window,
         styles(H::Tag, H::SGMLDefault, H::SGMLCommand, H::SGMLBlockDefault)},
        {"HtmlTag", Plain, clGreen, window,
         styles(H::OtherInTag, H::SGMLParameter, H::SGMLSpecial, H::SGMLError)},
        {"HtmlComment", Plain, clGray, window,
         styles(H::HTMLComment, H::SGMLComment, H::SGMLParameterComment, H::ASPXCComment)},
        {"HtmlAttribute", Plain, clGreen, window, styles(H::Attribute, H::UnknownAttribute)},
        {"HtmlAttributeValue", Plain, clMaroon, window,
         styles(H::HTMLNumber, H::HTMLDoubleQuotedString, H::HTMLSingleQuotedString, H::HTMLValue,
                H::SGMLDoubleQuotedString, H::SGMLSingleQuotedString)},
        {"PerlScript", Plain, clTeal, none,
         join(styles(H::ASPAtStart, H::ASPStart, H::PHPStart),
              range(H::PHPDefault, H::PHPOperator))},
        {"ScriptTag", Bold, clPurple, window,
         styles(H::Script, H::JavaScriptStart, H::ASPJavaScriptStart, H::VBScriptStart,
                H::ASPVBScriptStart, H::PythonStart, H::ASPPythonStart)},
        {"ScriptContent", Alternate, windowText, window,
         join(range(H::JavaScriptDefault, H::JavaScriptRegex),
              range(H::ASPJavaScriptDefault, H::ASPJavaScriptRegex),
              range(H::VBScriptDefault, H::VBScriptUnclosedString),
              range(H::ASPVBScriptDefault, H::ASPVBScriptUnclosedString),
              range(H::PythonDefault, H::PythonIdentifier),
              range(H::ASPPythonDefault, H::ASPPythonIdentifier))},
        {"SpecialChars", Plain, clFuchsia, none, styles(H::Entity, H::SGMLEntity)},
        {"UnknownTag", Plain, clRed, window, styles(H::UnknownTag)},
    };
}

using P = QsciLexerPascal;

std::vector<Element> pascalElements() {
    return {
        {"KeywordsOOP", Bold, none, none, styles(P::Keyword)},
        {"ASMHighlight", Plain, clPurple, none, styles(P::Asm)},
        {"Strings", Plain, clBlack, clSilver,
         styles(P::SingleQuotedString, P::UnclosedString, P::Character)},
        {"CommentSingleLine", Italic, clBlue, none, styles(P::CommentLine)},
        {"CommentBrace", Italic, clNavy, none, styles(P::Comment)},
        {"CommentParAst", Italic, clGreen, none, styles(P::CommentParenthesis)},
        {"Directives", Italic, clWhite, clTeal,
         styles(P::PreProcessor, P::PreProcessorParenthesis)},
        {"Numbers", Plain, clRed, none, styles(P::Number, P::HexNumber)},
        {"Properties and Symbols", Plain, none, none, styles(P::Identifier, P::Operator)},
    };
}

using C = QsciLexerCPP;

// The C++ lexer repeats every style 64 higher for code that an #if switches off; that
// code looks the same here.
std::vector<int> withInactive(const std::vector<int>& active) {
    std::vector<int> v;
    for (int s : active) {
        v.push_back(s);
        v.push_back(s + 64);
    }
    return v;
}

std::vector<Element> cppElements() {
    return {
        {"CPPKeywords", Bold, none, none,
         withInactive(styles(C::Keyword, C::KeywordSet2, C::GlobalClass))},
        {"Strings", Italic, clBlack, clSilver,
         withInactive(styles(C::DoubleQuotedString, C::SingleQuotedString, C::UnclosedString,
                             C::VerbatimString, C::RawString, C::TripleQuotedVerbatimString,
                             C::HashQuotedString, C::UserLiteral, C::EscapeSequence, C::UUID))},
        {"CommentSingleLine", Italic, clBlue, none,
         withInactive(styles(C::CommentLine, C::CommentLineDoc))},
        {"CommentMultiLine", Italic, clNavy, none,
         withInactive(styles(C::Comment, C::CommentDoc, C::CommentDocKeyword,
                             C::CommentDocKeywordError, C::TaskMarker))},
        {"Directives", Italic, clWhite, clTeal,
         withInactive(
             styles(C::PreProcessor, C::PreProcessorComment, C::PreProcessorCommentLineDoc))},
        {"Numbers", Plain, clRed, none, withInactive(styles(C::Number))},
        {"other text", Plain, none, none,
         withInactive(styles(C::Default, C::Identifier, C::Operator, C::Regex))},
    };
}

}  // namespace

HighlighterBase highlighterBaseFor(const QFont& editorFont, const QPalette& palette) {
    HighlighterBase base;
    base.font = editorFont;
    base.alternateFont = editorFont;
    base.alternateFont.setPointSize(8);
    base.window = palette.color(QPalette::Base);
    base.windowText = palette.color(QPalette::Text);
    return base;
}

QsciLexer* makeHighlighter(Highlighter kind, const HighlighterBase& base, QObject* parent) {
    switch (kind) {
    case Highlighter::None:
        return nullptr;
    case Highlighter::Html: {
        auto* lexer = new QsciLexerHTML(parent);
        applyStyles(*lexer, base, htmlElements());
        return lexer;
    }
    case Highlighter::Pascal: {
        auto* lexer = new QsciLexerPascal(parent);
        applyStyles(*lexer, base, pascalElements());
        return lexer;
    }
    case Highlighter::Cpp: {
        auto* lexer = new QsciLexerCPP(parent);
        applyStyles(*lexer, base, cppElements());
        return lexer;
    }
    }
    return nullptr;
}

}  // namespace wrenfold
