// The two implementations of the selection operations, behind one face, so that every
// selection and insertion case runs on both: the in-memory TextBuffer and a real
// DocumentEditor in a shown (offscreen) window.
#pragma once

#include "editor/DocumentEditor.h"
#include "editor/TextBuffer.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <string>

namespace wrenfold::test {

class BufferSubject {
public:
    void reset(const std::string& text, long s, long l) { buffer_ = TextBuffer(text, s, l); }
    EditorOps& ops() { return buffer_; }
    std::string text() const { return buffer_.text(); }
    int changes() const { return buffer_.changeCount(); }
    bool focused() const { return buffer_.focusCount() > 0; }

private:
    TextBuffer buffer_;
};

class EditorSubject {
public:
    EditorSubject() : window_(std::make_unique<QWidget>()) {
        auto* layout = new QVBoxLayout(window_.get());
        editor_ = new DocumentEditor(window_.get());
        other_ = new QLineEdit(window_.get());
        layout->addWidget(editor_);
        layout->addWidget(other_);
        window_->resize(400, 300);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QObject::connect(editor_, &DocumentEditor::documentChanged, [this] { ++changes_; });
    }
    void reset(const std::string& text, long s, long l) {
        editor_->setBytes(text);
        editor_->setSelStart(s);
        editor_->setSelLength(l);
        other_->setFocus();  // so that a test sees the editor take the focus
        QApplication::processEvents();
        changes_ = 0;
    }
    EditorOps& ops() { return *editor_; }
    std::string text() const { return editor_->bytes(); }
    int changes() const { return changes_; }
    bool focused() const { return editor_->hasFocus(); }
    DocumentEditor& editor() { return *editor_; }

private:
    std::unique_ptr<QWidget> window_;
    DocumentEditor* editor_ = nullptr;
    QLineEdit* other_ = nullptr;
    int changes_ = 0;
};

}  // namespace wrenfold::test
