// TForm1: the window's creation and destruction steps, which read and write wrenfold.ini
// and fill the tag list boxes from tag.lst.
#include "editor/cwrenfold.h"

#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/ListFile.h"
#include "platform/Paths.h"
#include "platform/ui/ErrorHandler.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QToolButton>

namespace wrenfold {

namespace {

std::string iniPath(const QString& appDir) {
    return wf::settingsPath(stdPath(appDir), "wrenfold.ini");
}

// The folder as the folder list shows it: no trailing separator except at the root.
QString cleanFolder(const QString& folder) {
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

}  // namespace

std::string TForm1::settingsFile() const { return iniPath(AppDir); }

void TForm1::FormCreate() {
    pgcEdit_->setCurrentIndex(0);
    pgcToolbar_->setCurrentIndex(0);
    for (int n = 1; n < kSlotCount; ++n) pgcEdit_->setTabVisible(n, false);
    pgcEdit_->setTabText(0, "Untitled");
    FormResize();
    loadTagLists();
    pgcEditChange();
    applySettings(readEditorSettings(wf::IniFile(iniPath(AppDir)), stdPath(AppDir)));
}

void TForm1::loadTagLists() {
    // A missing list leaves both boxes empty and the start goes on. It is not reported
    // here: the tag and attribute window, made in the same start, reads the same file and
    // reports it, so the user sees one error box, not two with the same text.
    std::vector<std::string> entries;
    try {
        entries = sortedEntries(wf::readListFile(stdPath(appPath("tag.lst"))));
    } catch (const wf::Error&) {
    }
    QStringList items;
    for (const std::string& e : entries) items << textFromBytes(e);
    for (QComboBox* box : cbTagList_) {
        box->clear();
        box->addItems(items);
    }
}

void TForm1::applySettings(const EditorSettings& s) {
    // A remembered folder that has gone since is replaced by the program's own.
    QString folder = qPath(s.directory);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = AppDir;
    folder = cleanFolder(folder);
    setPanelFolder(folder);
    OpenDialog1.folder = folder;
    SaveDialog1.folder = folder;
    setAudioIndex(s.audioIndex);
    cbTagList1()->setEditText(textFromBytes(s.tagList1));
    cbTagList2()->setEditText(textFromBytes(s.tagList2));
    NetscapeLocation = textFromBytes(s.netscapeLocation);
    for (std::size_t n = 0; n < s.custom.size(); ++n) {
        const CustomButtonSetting& b = s.custom[n];
        sbC_[n]->setText(textFromBytes(b.caption));
        CustomOpen[n] = textFromBytes(b.open);
        CustomClose[n] = textFromBytes(b.close);
        if (!CustomOpen[n].isEmpty()) sbC_[n]->setEnabled(true);
    }
}

void TForm1::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    EditorSettings s;
    s.directory = stdPath(panelFolder_);
    s.audioIndex = audioIndex();
    s.tagList1 = bytesFromText(cbTagList1()->currentText());
    s.tagList2 = bytesFromText(cbTagList2()->currentText());
    s.netscapeLocation = bytesFromText(NetscapeLocation);
    wf::runGuarded([&] {
        wf::IniFile ini(iniPath(AppDir));
        writeEditorSettings(ini, s);
    });
}

int TForm1::audioIndex() const { return audioGroup_->checkedId(); }

void TForm1::setAudioIndex(int index) {
    if (QAbstractButton* radio = audioGroup_->button(index)) radio->setChecked(true);
}

}  // namespace wrenfold
