// Find and replace over a document's bytes: one search from the caret, Replace of a selected
// match, and Replace All from the caret to the end. Plain C++, driven through EditorOps.
#pragma once

#include "editor/EditorOps.h"

#include <optional>
#include <string>
#include <string_view>

namespace wrenfold {

// How case is ignored. Ansi folds the letters of Windows-1252; Utf8 folds ASCII and the
// two-byte Latin-1 letters and leaves every other byte alone, so a fold never turns one
// UTF-8 character into a different one.
enum class Charset { Ansi, Utf8 };

struct SearchOptions {
    bool down = true;        // forwards from the caret; false: backwards
    bool matchCase = false;  // false: both sides are compared upper-cased
    bool wholeWord = false;  // the match must stand between word separators or line ends
    Charset charset = Charset::Ansi;
};

// The editor's word separators: tab, LF, CR, space, comma, full stop, colon, semicolon.
bool IsWordSeparator(char c);

// The bytes upper-cased by the rules of charset, byte for byte (same length).
std::string FoldCase(std::string_view bytes, Charset charset);

// Where what occurs in text, searched from position from with the options; nullopt when it
// does not. Down: the first match that begins at from or later. Up: the last match that
// begins before from. A search text that is empty or holds a line break is never found, so
// every match lies within one line. For a case-blind search pass both text and what folded
// by FoldCase (the caller folds a document once for many searches); matchCase is not read.
std::optional<long> FindMatch(std::string_view text, std::string_view what, long from,
                              const SearchOptions& options);

// One search from the caret of ops. A match is selected, with the caret at its end when
// searching down and at its start when searching up, and the editor gets the focus; false
// when nothing was found, and then the selection is unchanged. Reporting is the caller's.
bool SearchOnce(EditorOps& ops, const std::string& what, const SearchOptions& options);

// Replaces the selection with with when it equals what, compared ignoring case (whatever the
// search options say: the selection normally comes from a find that honoured them). The
// caret ends behind the inserted text; the editor gets the focus either way. Returns whether
// it replaced; an empty what never matches.
bool DoReplace(EditorOps& ops, const std::string& what, const std::string& with,
               Charset charset = Charset::Ansi);

// DoReplace, then every match from the caret to the end of the document, searched downwards
// with options (its direction is ignored), each replaced by its own replaceSelection call so
// that each is one undo step. Searching goes on behind the inserted text, so a replacement
// that holds the search text is not searched again. The caret ends behind the last
// replacement. Returns the number of replacements. Linear in the document's size: the text
// is read once and searched in that copy.
long DoReplaceAll(EditorOps& ops, const std::string& what, const std::string& with,
                  const SearchOptions& options);

}  // namespace wrenfold
