// Styles of the HTML, Object Pascal and C++ highlighters. The element kinds of each table
// are mapped onto the styles of the matching QScintilla lexer.
#include "editor/Highlighters.h"

#include <Qsci/qscilexercpp.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerpascal.h>
#include <QPalette>
#include <initializer_list>
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
    std::vector<int> styles;
    int fontStyle;
    Colour fore;
    Colour back;
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

std::vector<int> join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> v;
    for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
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
        {{H::XMLTagEnd, H::XMLStart, H::XMLEnd}, Bold, clBlue, window},           // Bracket
        {{H::Default, H::CDATA}, Plain, windowText, window},                      // DefaultText
        {{H::Tag, H::SGMLDefault, H::SGMLCommand, H::SGMLBlockDefault},
         Bold, clNavy, window},                                                   // HtmlKeyword
        {{H::OtherInTag, H::SGMLParameter, H::SGMLSpecial, H::SGMLError},
         Plain, clGreen, window},                                                 // HtmlTag
        {{H::HTMLComment, H::SGMLComment, H::SGMLParameterComment, H::ASPXCComment},
         Plain, clGray, window},                                                  // HtmlComment
        {{H::Attribute, H::UnknownAttribute}, Plain, clGreen, window},            // HtmlAttribute
        {{H::HTMLNumber, H::HTMLDoubleQuotedString, H::HTMLSingleQuotedString, H::HTMLValue,
          H::SGMLDoubleQuotedString, H::SGMLSingleQuotedString},
         Plain, clMaroon, window},                                                // HtmlAttributeValue
        {join({{H::ASPAtStart, H::ASPStart, H::PHPStart}, range(H::PHPDefault, H::PHPOperator)}),
         Plain, clTeal, none},                                                    // PerlScript
        {{H::Script, H::JavaScriptStart, H::ASPJavaScriptStart, H::VBScriptStart,
          H::ASPVBScriptStart, H::PythonStart, H::ASPPythonStart},
         Bold, clPurple, window},                                                 // ScriptTag
        {join({range(H::JavaScriptDefault, H::JavaScriptRegex),
               range(H::ASPJavaScriptDefault, H::ASPJavaScriptRegex),
               range(H::VBScriptDefault, H::VBScriptUnclosedString),
               range(H::ASPVBScriptDefault, H::ASPVBScriptUnclosedString),
               range(H::PythonDefault, H::PythonIdentifier),
               range(H::ASPPythonDefault, H::ASPPythonIdentifier)}),
         Alternate, windowText, window},                                          // ScriptContent
        {{H::Entity, H::SGMLEntity}, Plain, clFuchsia, none},                     // SpecialChars
        {{H::UnknownTag}, Plain, clRed, window},                                  // UnknownTag
    };
}

using P = QsciLexerPascal;

std::vector<Element> pascalElements() {
    return {
        {{P::Keyword}, Bold, none, none},                                         // KeywordsOOP
        {{P::Asm}, Plain, clPurple, none},                                        // ASMHighlight
        {{P::SingleQuotedString, P::UnclosedString, P::Character},
         Plain, clBlack, clSilver},                                               // Strings
        {{P::CommentLine}, Italic, clBlue, none},                                 // CommentSingleLine
        {{P::Comment}, Italic, clNavy, none},                                     // CommentBrace
        {{P::CommentParenthesis}, Italic, clGreen, none},                         // CommentParAst
        {{P::PreProcessor, P::PreProcessorParenthesis}, Italic, clWhite, clTeal},  // Directives
        {{P::Number, P::HexNumber}, Plain, clRed, none},                          // Numbers
        {{P::Identifier, P::Operator}, Plain, none, none},                        // Properties, Symbols
    };
}

using C = QsciLexerCPP;

// The C++ lexer repeats every style 64 higher for code that an #if switches off; that
// code looks the same here.
std::vector<int> withInactive(std::initializer_list<int> styles) {
    std::vector<int> v;
    for (int s : styles) {
        v.push_back(s);
        v.push_back(s + 64);
    }
    return v;
}

std::vector<Element> cppElements() {
    return {
        {withInactive({C::Keyword, C::KeywordSet2, C::GlobalClass}), Bold, none, none},  // CPPKeywords
        {withInactive({C::DoubleQuotedString, C::SingleQuotedString, C::UnclosedString,
                       C::VerbatimString, C::RawString, C::TripleQuotedVerbatimString,
                       C::HashQuotedString, C::UserLiteral, C::EscapeSequence, C::UUID}),
         Italic, clBlack, clSilver},                                              // Strings
        {withInactive({C::CommentLine, C::CommentLineDoc}), Italic, clBlue, none},  // CommentSingleLine
        {withInactive({C::Comment, C::CommentDoc, C::CommentDocKeyword,
                       C::CommentDocKeywordError, C::TaskMarker}),
         Italic, clNavy, none},                                                   // CommentMultiLine
        {withInactive({C::PreProcessor, C::PreProcessorComment, C::PreProcessorCommentLineDoc}),
         Italic, clWhite, clTeal},                                                // Directives
        {withInactive({C::Number}), Plain, clRed, none},                          // Numbers
        {withInactive({C::Default, C::Identifier, C::Operator, C::Regex}), Plain, none, none},
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
