// The two EditorOps that searching runs on: the in-memory TextBuffer and the real editor
// control. Typed tests run every case on both, so the window behaves as the logic does.
#pragma once

#include "editor/DocumentEditor.h"
#include "editor/TextBuffer.h"

#include <memory>
#include <string>

namespace findtest {

struct BufferHost {
    wrenfold::TextBuffer buffer;
    BufferHost(const std::string& text, long s, long l) : buffer(text, s, l) {}
    wrenfold::EditorOps& ops() { return buffer; }
};

struct EditorHost {
    std::unique_ptr<wrenfold::DocumentEditor> editor = std::make_unique<wrenfold::DocumentEditor>();
    EditorHost(const std::string& text, long s, long l) {
        editor->setBytes(text);
        editor->setSelStart(s);
        editor->setSelLength(l);
    }
    wrenfold::EditorOps& ops() { return *editor; }
};

}  // namespace findtest
