// The Edit menu's commands on one document editor, and which of them the menu offers now.
// The clipboard holds text; the editor converts between it and the document's bytes.
#pragma once

#include "editor/DocumentEditor.h"

namespace wrenfold {

// Which Edit menu items are enabled: Undo and Redo when the editor can, Cut and Copy when
// something is selected (in either direction), Paste when the clipboard holds text, Select
// All always.
struct EditMenuState {
    bool undo = false;
    bool redo = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool selectAll = true;
};

EditMenuState editMenuState(const DocumentEditor& editor);
bool clipboardHasText();

// Each does nothing when there is nothing to cut, copy or paste; in particular Cut and Copy
// of an empty selection leave the clipboard alone.
void cutSelection(DocumentEditor& editor);
void copySelection(DocumentEditor& editor);
void pasteClipboard(DocumentEditor& editor);
// Selects the whole text with the caret at its end.
void selectAllText(EditorOps& ops);

}  // namespace wrenfold
