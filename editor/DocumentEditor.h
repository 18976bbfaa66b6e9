// One document's editor: a QScintilla control that holds the document as bytes, loads and
// saves them unchanged, and offers the selection operations of EditorOps.
#pragma once

#include "editor/EditorOps.h"

#include <Qsci/qsciscintilla.h>
#include <QString>
#include <string>

namespace wrenfold {

enum class Highlighter { None, Html, Pascal, Cpp };

class DocumentEditor : public QsciScintilla, public EditorOps {
    Q_OBJECT
public:
    explicit DocumentEditor(QWidget* parent = nullptr);
    ~DocumentEditor() override;

    // Whole-file I/O, byte for byte. Both throw wf::Error naming the file and the system's
    // reason; on failure the document (and the file on disk, for a save) is unchanged.
    // loadFile clears the modified flag and the undo history.
    void loadFile(const QString& path);
    // Writes through a temporary file in the same folder that replaces the old file only when
    // complete, keeping its permissions. Clears the modified flag on success.
    void saveFile(const QString& path) const;

    // The document's bytes; setBytes replaces them all (one undoable edit) and shows them as
    // UTF-8 when they are valid UTF-8, else as Windows-1252.
    std::string bytes() const;
    void setBytes(const std::string& bytes);
    // Empties the document and clears the modified flag and undo history.
    void clearDocument();

    // Converts text typed or taken from a dialog field to the document's encoding.
    std::string encode(const QString& text) const;
    QString decode(const std::string& bytes) const;
    bool isUtf8() const;

    void setHighlighter(Highlighter h);
    Highlighter highlighter() const { return highlighter_; }

    // EditorOps
    long selStart() const override;
    long selLength() const override;
    void setSelLength(long n) override;
    void setSelStart(long p) override;
    void replaceSelection(const std::string& bytes) override;
    void focusEditor() override;
    std::string documentText() const override { return bytes(); }
    long documentLength() const override;

signals:
    // Raised on every change of the text (the document's change event).
    void documentChanged();

private:
    Highlighter highlighter_ = Highlighter::Html;
};

}  // namespace wrenfold
