// A document held in memory with the selection model of EditorOps: the editor's stand-in
// wherever no window is needed (markup builders and their tests).
#pragma once

#include "editor/EditorOps.h"

#include <string>

namespace wrenfold {

class TextBuffer : public EditorOps {
public:
    TextBuffer() = default;
    // The text with the selection S = selStart, L = selLength (clamped like setSelLength).
    explicit TextBuffer(std::string text, long selStart = 0, long selLength = 0);

    long selStart() const override { return caret_; }
    long selLength() const override { return anchor_ - caret_; }
    void setSelLength(long n) override;
    void setSelStart(long p) override;
    void replaceSelection(const std::string& bytes) override;
    void focusEditor() override { ++focusCount_; }
    std::string documentText() const override { return text_; }
    long documentLength() const override { return static_cast<long>(text_.size()); }

    const std::string& text() const { return text_; }
    // How many edits replaceSelection made (each one is a change event).
    int changeCount() const { return changeCount_; }
    // How many times the buffer was given the focus.
    int focusCount() const { return focusCount_; }

private:
    long clamp(long p) const;

    std::string text_;
    long caret_ = 0;   // S
    long anchor_ = 0;  // S + L
    int changeCount_ = 0;
    int focusCount_ = 0;
};

}  // namespace wrenfold
