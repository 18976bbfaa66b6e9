// The Edit menu's commands (see EditCommands.h).
#include "editor/EditCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace wrenfold {

bool clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

EditMenuState editMenuState(const DocumentEditor& editor) {
    EditMenuState s;
    s.undo = editor.isUndoAvailable();
    s.redo = editor.isRedoAvailable();
    s.cut = s.copy = editor.selLength() != 0;
    s.paste = clipboardHasText();
    return s;
}

void cutSelection(DocumentEditor& editor) {
    if (editor.selLength() != 0) editor.cut();
}

void copySelection(DocumentEditor& editor) {
    if (editor.selLength() != 0) editor.copy();
}

void pasteClipboard(DocumentEditor& editor) {
    if (clipboardHasText()) editor.paste();
}

void selectAllText(EditorOps& ops) {
    const long n = ops.documentLength();
    ops.setSelStart(n);
    ops.setSelLength(-n);
}

}  // namespace wrenfold
