// The three syntax highlighters of a document editor: HTML, Object Pascal and C++, each a
// QScintilla lexer styled after the program's colour tables.
#pragma once

#include "editor/DocumentEditor.h"

#include <QColor>
#include <QFont>
#include <optional>

class QObject;
class QPalette;
class QsciLexer;

namespace wrenfold {

// The fonts and colours a highlighter builds on: the editor's own.
struct HighlighterBase {
    QFont font;            // the editor's font
    QFont alternateFont;   // the smaller font of script content
    QColor window;         // the editor's background ("window")
    QColor windowText;     // the editor's text colour ("window text")
};

HighlighterBase highlighterBaseFor(const QFont& editorFont, const QPalette& palette);

// A new lexer for kind, owned by parent; nullptr for Highlighter::None. A QScintilla lexer
// serves one editor only, so each editor makes its own.
QsciLexer* makeHighlighter(Highlighter kind, const HighlighterBase& base, QObject* parent);

}  // namespace wrenfold
