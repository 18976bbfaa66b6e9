// The in-memory document with a caret and an anchor.
#include "editor/TextBuffer.h"

#include <algorithm>

namespace wrenfold {

TextBuffer::TextBuffer(std::string text, long selStart, long selLength)
    : text_(std::move(text)) {
    setSelStart(selStart);
    setSelLength(selLength);
}

long TextBuffer::clamp(long p) const {
    return std::clamp(p, 0L, documentLength());
}

void TextBuffer::setSelLength(long n) {
    anchor_ = clamp(caret_ + n);
}

void TextBuffer::setSelStart(long p) {
    caret_ = anchor_ = clamp(p);
}

void TextBuffer::replaceSelection(const std::string& bytes) {
    const long lo = std::min(caret_, anchor_);
    const long hi = std::max(caret_, anchor_);
    if (bytes.empty() && lo == hi) return;
    text_.replace(static_cast<std::size_t>(lo), static_cast<std::size_t>(hi - lo), bytes);
    caret_ = anchor_ = lo + static_cast<long>(bytes.size());
    ++changeCount_;
}

}  // namespace wrenfold
