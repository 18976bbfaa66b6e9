// TForm1's edit commands: undo, redo and the clipboard on the active document, and find and
// replace through the two modeless dialogs. The work is EditCommands' and TextSearch's.
#include "editor/cwrenfold.h"

#include "editor/EditCommands.h"
#include "editor/cFindReplace.h"
#include "editor/markup/TextSearch.h"
#include "platform/ui/ErrorHandler.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace wrenfold {

namespace {

// The dialog's options, folding case as the active document's bytes need.
SearchOptions optionsFor(const TFindReplaceDialog& dialog, const DocumentEditor& memo) {
    SearchOptions o = dialog.options();
    o.charset = memo.isUtf8() ? Charset::Utf8 : Charset::Ansi;
    return o;
}

}  // namespace

void TForm1::buildFindReplace() {
    FindDialog1_ = new TFindReplaceDialog(TFindReplaceDialog::Kind::Find, this);
    ReplaceDialog1_ = new TFindReplaceDialog(TFindReplaceDialog::Kind::Replace, this);
    const auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] { wf::runGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(FindDialog1_, &TFindReplaceDialog::findNext, this, guarded(&TForm1::FindDialog1Find));
    connect(ReplaceDialog1_, &TFindReplaceDialog::findNext, this,
            guarded(&TForm1::ReplaceDialog1Find));
    connect(ReplaceDialog1_, &TFindReplaceDialog::replace, this,
            [this] { wf::runGuarded([this] { ReplaceDialog1Replace(false); }); });
    connect(ReplaceDialog1_, &TFindReplaceDialog::replaceAll, this,
            [this] { wf::runGuarded([this] { ReplaceDialog1Replace(true); }); });
    if (auto* edit = menuBar()->findChild<QMenu*>("mmiEdit"))
        connect(edit, &QMenu::aboutToShow, this, guarded(&TForm1::mmiEditClick));
}

void TForm1::mmiEditClick() {
    const EditMenuState s = editMenuState(*ActiveMemo());
    const auto enable = [this](const char* name, bool on) {
        if (auto* a = findChild<QAction*>(QString::fromLatin1(name))) a->setEnabled(on);
    };
    enable("mmiUndo", s.undo);
    enable("mmiRedo", s.redo);
    enable("mmiCut", s.cut);
    enable("mmiCopy", s.copy);
    enable("mmiPaste", s.paste);
    enable("mmiSelectAll", s.selectAll);
}

void TForm1::mmiUndoClick() { ActiveMemo()->undo(); }
void TForm1::mmiRedoClick() { ActiveMemo()->redo(); }
void TForm1::mmiCutClick() { cutSelection(*ActiveMemo()); }
void TForm1::mmiCopyClick() { copySelection(*ActiveMemo()); }
void TForm1::mmiPasteClick() { pasteClipboard(*ActiveMemo()); }
void TForm1::mmiSelectAllClick() { selectAllText(*ActiveMemo()); }

void TForm1::sbFindClick() { FindDialog1_->showDialog(); }
void TForm1::sbReplaceClick() { ReplaceDialog1_->showDialog(); }

// Also Find Again (F3), with the find dialog's text and options whether it is open or not.
// With nothing to look for yet, F3 opens the dialog to ask for it.
void TForm1::FindDialog1Find() {
    if (FindDialog1_->findText().isEmpty()) {
        sbFindClick();
        return;
    }
    searchOnce(*FindDialog1_);
}

void TForm1::ReplaceDialog1Find() { searchOnce(*ReplaceDialog1_); }

void TForm1::searchOnce(const TFindReplaceDialog& dialog) {
    DocumentEditor* memo = ActiveMemo();
    const QString text = dialog.findText();
    if (SearchOnce(*memo, memo->encode(text), optionsFor(dialog, *memo))) {
        memo->ensureCursorVisible();
        return;
    }
    wf::prompter().beep();
    wf::prompter().notice("\"" + text + "\" not found.");
}

void TForm1::ReplaceDialog1Replace(bool replaceAll) {
    const QString what = ReplaceDialog1_->findText();
    const QString with = ReplaceDialog1_->replaceText();
    if (replaceAll)
        DoReplaceAll(what, with);
    else
        DoReplace(what, with);
}

void TForm1::DoReplace(const QString& what, const QString& with) {
    DocumentEditor* memo = ActiveMemo();
    wrenfold::DoReplace(*memo, memo->encode(what), memo->encode(with),
                        optionsFor(*ReplaceDialog1_, *memo).charset);
}

void TForm1::DoReplaceAll(const QString& what, const QString& with) {
    DocumentEditor* memo = ActiveMemo();
    wrenfold::DoReplaceAll(*memo, memo->encode(what), memo->encode(with),
                           optionsFor(*ReplaceDialog1_, *memo));
    memo->ensureCursorVisible();
    wf::prompter().beep();
    wf::prompter().notice("Search from Cursor to End of File Complete.");
}

}  // namespace wrenfold
