// The six selection operations that every insertion goes through, plus reading the text.
// Positions are byte offsets (CR LF is two); the selection is a start S and a signed length L.
#pragma once

#include <string>

namespace wrenfold {

class EditorOps {
public:
    virtual ~EditorOps() = default;

    // S: the caret. L > 0 selects S .. S+L, L < 0 selects S+L .. S, L == 0 selects nothing.
    virtual long selStart() const = 0;
    virtual long selLength() const = 0;
    // S stays; n is clamped so that S+n stays inside the text.
    virtual void setSelLength(long n) = 0;
    // Clears the selection, then puts S (and the caret) at p, clamped to 0 .. documentLength().
    virtual void setSelStart(long p) = 0;
    // Replaces the selected bytes (or inserts at S); one edit, one change event.
    // An empty string with nothing selected changes nothing.
    virtual void replaceSelection(const std::string& bytes) = 0;
    virtual void focusEditor() = 0;
    // Bracket a run of many edits (Replace All). Meanwhile an editor may hold back its
    // per-edit notifications and raise one change event when the run ends; each edit stays
    // its own undo step. Calls pair up and may nest.
    virtual void beginEditRun() {}
    virtual void endEditRun() {}

    virtual std::string documentText() const = 0;
    virtual long documentLength() const = 0;
};

}  // namespace wrenfold
