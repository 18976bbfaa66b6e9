// One document's editor: a QScintilla control that holds the document as bytes, loads and
// saves them unchanged, and offers the selection operations of EditorOps.
#pragma once

#include "editor/EditorOps.h"

#include <Qsci/qsciscintilla.h>
#include <QString>
#include <array>
#include <string>

class QsciLexer;

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
    void saveFile(const QString& path);

    // The document's bytes; setBytes replaces them all (one undoable edit) and shows them as
    // UTF-8 when they are valid UTF-8, else as Windows-1252; the caret goes to the start.
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

    // The modified flag. Any edit sets it; loadFile, saveFile and clearDocument clear it.
    // setModified(true) marks an unedited document modified (a new document from a wizard).
    bool isModified() const;
    void setModified(bool m) override;

    void recolor(int start = 0, int end = -1) override;

    // QScintilla's own edit calls, each announced as one change when done.
    void append(const QString& text) override;
    void clear() override;
    void cut() override;
    void insert(const QString& text) override;
    void insertAt(const QString& text, int line, int index) override;
    void paste() override;
    void redo() override;
    void undo() override;
    void removeSelectedText() override;
    void replaceSelectedText(const QString& text) override;
    void setText(const QString& text) override;
    void indent(int line) override;
    void unindent(int line) override;

    // EditorOps
    long selStart() const override;
    long selLength() const override;
    void setSelLength(long n) override;
    void setSelStart(long p) override;
    void replaceSelection(const std::string& bytes) override;
    void focusEditor() override;
    void beginEditRun() override;
    void endEditRun() override;
    std::string documentText() const override { return bytes(); }
    long documentLength() const override;

signals:
    // Raised on every change of the text (the document's change event), when the change is
    // complete: once per replaceSelection, setBytes, keystroke, paste, undo or redo step;
    // once at the end of an edit run. loadFile and clearDocument start a fresh document and
    // do not raise it. (QScintilla's textChanged and linesChanged come with it.)
    void documentChanged();

protected:
    // Every event that edits (keys, mouse, drops, the context menu) announces its change
    // when it has been handled.
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

private:
    class SilentEdit;
    // Replaces the whole text without undo history: a fresh document, not modified.
    void resetText(const char* data, std::size_t size);
    void beginFreshText();
    void reserveText(std::size_t size);
    void endFreshText(SilentEdit& edit);
    // Shows the bytes as UTF-8 or as Windows-1252.
    void setDisplayEncoding(bool utf8);
    void applyEditorStyle();
    void syncCaretToMode();
    // Inserts text typed in a Windows-1252 document, which Scintilla itself would turn
    // into Latin-1 (losing the characters 0x80-0x9F).
    bool insertTyped(const QString& text);
    void announceChange(bool isEdit);
    void onModified(int pos, int type, const char* text, int length, int linesAdded, int line,
                    int foldNow, int foldPrev, int token, int annotationLinesAdded);
    void flushChange();
    template <typename Call>
    void tracked(Call&& call);
    // The bytes in place; valid until the next edit.
    const char* rawText() const;
    // Sets the selection as the EditorOps operations do (see beginEditRun).
    void select(long anchor, long caret);

    Highlighter highlighter_ = Highlighter::Html;
    std::array<QsciLexer*, 3> lexers_{};  // made on first use, owned by this editor
    int quiet_ = 0;           // > 0 while a SilentEdit runs
    int deferColouring_ = 0;  // > 0 while a lexer is being set
    bool forcedModified_ = false;
    int editRun_ = 0;            // depth of beginEditRun
    bool runChanged_ = false;    // an edit happened in the current run
    int trackDepth_ = 0;         // > 0 inside an event or an edit call of QScintilla
    bool changePending_ = false; // the text changed; not yet announced
    bool flushQueued_ = false;
    long lineCount_ = 1;         // for linesChanged
};

}  // namespace wrenfold
