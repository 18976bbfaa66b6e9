// TForm1: the document slots and the file commands Open, Save, Save As and Close.
#include "editor/cwrenfold.h"

#include "platform/Paths.h"
#include "platform/ui/ErrorHandler.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

namespace wrenfold {

namespace {

// A tab shows "&" as it stands, not as an access key.
QString tabCaption(const QString& path) {
    return qPath(wf::fileNamePart(stdPath(path))).replace("&", "&&");
}

QString folderOf(const QString& path) { return qPath(wf::folderPart(stdPath(path))); }

}  // namespace

Slots TForm1::slotInfos() const {
    Slots infos;
    for (int n = 0; n < kSlotCount; ++n) {
        SlotInfo& s = infos[static_cast<std::size_t>(n)];
        s.path = stdPath(Edit(n)->text());
        s.modified = Memo(n)->isModified();
        s.shown = pgcEdit_->isTabVisible(n);
    }
    return infos;
}

int TForm1::NumberTabsVisible() const { return shownTabCount(slotInfos()); }

std::optional<int> TForm1::takeFreeSlot() {
    const std::optional<int> slot = firstFreeSlot(slotInfos());
    if (!slot) {
        wf::prompter().beep();
        wf::prompter().notice(qPath(noFreeSlotMessage()));
    }
    return slot;
}

bool TForm1::AlreadyOpen(const QString& path) {
    const std::optional<int> slot = slotWithFileName(slotInfos(), stdPath(path));
    if (!slot) return false;
    wf::prompter().beep();
    wf::prompter().notice(qPath(alreadyOpenMessage(wf::fileNamePart(stdPath(path)))));
    activateSlot(*slot);
    return true;
}

void TForm1::OpenNewFile(const QString& path) {
    const std::optional<int> slot = takeFreeSlot();
    if (!slot) return;
    const int n = *slot;
    // Loading leaves the slot untouched when it fails.
    Memo(n)->loadFile(path);
    Edit(n)->setText(path);
    pgcEdit_->setTabText(n, tabCaption(path));
    pgcEdit_->setTabVisible(n, true);
    activateSlot(n);
}

void TForm1::activateSlot(int index) {
    pgcEdit_->setTabVisible(index, true);
    pgcEdit_->setCurrentIndex(index);
    pgcEditChange();
}

void TForm1::pgcEditChange() {
    if (!sbSave_) return;  // the tabs are still being made
    ActiveMemo()->setFocus();
    sbSave_->setEnabled(ActiveMemo()->isModified());
}

void TForm1::Memo1Change() {
    if (sbSave_ && !sbSave_->isEnabled()) sbSave_->setEnabled(true);
}

void TForm1::mmiOpenClick() {
    const std::optional<wf::FileChoice> choice = wf::prompter().openFile(OpenDialog1.request());
    if (!choice) return;
    OpenDialog1.filterIndex = choice->filterIndex;
    OpenDialog1.fileName = qPath(wf::fileNamePart(stdPath(choice->path)));
    if (AlreadyOpen(choice->path)) return;
    OpenNewFile(choice->path);
    OpenDialog1.folder = folderOf(choice->path);
}

void TForm1::mmiSaveClick() { SaveActiveFile(); }

void TForm1::mmiSaveAsClick() { SaveActiveFileAs(); }

void TForm1::mmiCloseClick() { CloseActiveFile(); }

bool TForm1::SaveActiveFile() {
    const QString path = ActiveFileEdit()->text();
    if (needsNameOnSave(stdPath(path))) return SaveActiveFileAs();
    ActiveMemo()->saveFile(path);
    sbSave_->setEnabled(false);
    return true;
}

bool TForm1::SaveActiveFileAs() {
    const std::optional<wf::FileChoice> choice = wf::prompter().saveFile(SaveDialog1.request());
    if (!choice) return false;
    SaveDialog1.filterIndex = choice->filterIndex;
    SaveDialog1.fileName = qPath(wf::fileNamePart(stdPath(choice->path)));
    const QString target = qPath(saveAsName(stdPath(choice->path), choice->filterIndex));
    SaveDialog1.folder = folderOf(target);

    const QFileInfo existing(target);
    const bool exists = existing.exists() && !existing.isDir();
    if (exists) {
        wf::prompter().beep();
        const wf::Answer answer = wf::prompter().message(
            wf::MsgKind::Warning, qPath(overwriteQuestion(wf::fileNamePart(stdPath(target)))),
            wf::MsgButtons::YesNoCancel);
        if (answer != wf::Answer::Yes) return false;
    }
    // A failed write throws here, before the slot takes the new name.
    ActiveMemo()->saveFile(target);
    ActiveFileEdit()->setText(target);
    pgcEdit_->setTabText(activeSlot(), tabCaption(target));
    sbSave_->setEnabled(false);
    if (!exists) emit fileListRefreshRequested();
    return true;
}

bool TForm1::CloseActiveFile() {
    if (ActiveMemo()->isModified()) {
        wf::prompter().beep();
        const wf::Answer answer = wf::prompter().message(
            wf::MsgKind::Warning,
            qPath(saveQuestion(displayName(stdPath(ActiveFileEdit()->text())))),
            wf::MsgButtons::YesNoCancel);
        if (answer == wf::Answer::Cancel) {
            ContinueClosing = false;
            return false;
        }
        if (answer == wf::Answer::Yes) {
            // A save that fails or is called off keeps the document open: nothing is lost.
            bool saved = false;
            wf::runGuarded([&] { saved = SaveActiveFile(); });
            if (!saved) {
                ContinueClosing = false;
                return false;
            }
        }
    }
    closeSlot(activeSlot());
    return true;
}

void TForm1::closeSlot(int index) {
    Memo(index)->clearDocument();
    Edit(index)->clear();
    pgcEdit_->setTabText(index, "Untitled");
    pgcEdit_->setTabVisible(index, false);
    const std::optional<int> next = tabAfterClose(slotInfos(), index);
    activateSlot(next.value_or(0));
}

}  // namespace wrenfold
