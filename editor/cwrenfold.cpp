// TForm1: construction, the shared fields and the window's own events.
#include "editor/cwrenfold.h"

#include "editor/cDlgTagandAttrib.h"
#include "editor/Insertion.h"
#include "platform/ui/ErrorHandler.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>

// The icons live in a static library, whose resources must be registered by hand.
static void registerResources() { Q_INIT_RESOURCE(wrenfold); }

namespace wrenfold {

wf::FileDialogRequest FileDialogState::request() const {
    wf::FileDialogRequest r;
    r.caption = caption;
    r.folder = folder;
    r.fileName = fileName;
    r.filters = filters;
    r.filterIndex = filterIndex;
    return r;
}

TForm1::TForm1(QString appDir, QStringList args, QWidget* parent)
    : QMainWindow(parent), AppDir(std::move(appDir)), args_(std::move(args)) {
    registerResources();
    OpenDialog1.caption = "Open";
    OpenDialog1.filters = {{"HTML Files (*.html,*.htm)", "*.html;*.htm"},
                           {"Text Files (*.txt)", "*.txt"},
                           {"Object Pascal (*.pas)", "*.pas"},
                           {"*.*", "*.*"}};
    SaveDialog1.caption = "Save As";
    SaveDialog1.filters = {{"HTML files (*.html)", "*.html"},
                           {"HTML files (*.htm)", "*.htm"},
                           {"Text Files (*.txt)", "*.txt"}};
    buildWindow();
    buildFilePanel();
    FormCreate();
    // The lists window comes right after the main window and lives as long.
    DlgTagandAttrib_ = new TDlgTagandAttrib(AppDir, [this] { return ActiveMemo(); }, this);
}

TForm1::~TForm1() { FormDestroy(); }

DocumentEditor* TForm1::ActiveMemo() const { return memo_[static_cast<std::size_t>(activeSlot())]; }

QLineEdit* TForm1::ActiveFileEdit() const { return edit_[static_cast<std::size_t>(activeSlot())]; }

DocumentEditor* TForm1::Memo(int index) const { return memo_.at(static_cast<std::size_t>(index)); }

QLineEdit* TForm1::Edit(int index) const { return edit_.at(static_cast<std::size_t>(index)); }

QWidget* TForm1::DocumentTab(int index) const { return ts_.at(static_cast<std::size_t>(index)); }

int TForm1::activeSlot() const {
    // The active tab is always one of the nine; -1 only while the tabs are being made.
    const int index = pgcEdit_ ? pgcEdit_->currentIndex() : 0;
    return index < 0 ? 0 : index;
}

void TForm1::html1(const std::string& markup) { wrenfold::html1(*ActiveMemo(), markup); }

void TForm1::html2(const std::string& open, const std::string& close) {
    wrenfold::html2(*ActiveMemo(), open, close);
}

void TForm1::setPanelFolder(const QString& folder) {
    if (folder == panelFolder_) return;
    panelFolder_ = folder;
    emit panelFolderChanged(folder);
}

int TForm1::fileListHeight() const {
    // A window lower than the panel's fixed part leaves the list no room, never less.
    const int height = frameGeometry().height() - 290;
    return height > 0 ? height : 0;
}

void TForm1::FormShow() {
    if (args_.isEmpty()) return;
    const QFileInfo file(args_.first());
    if (!file.isFile()) return;
    // Open it under its full path, so that Save and relative links know its folder.
    wf::runGuarded([&] { OpenNewFile(file.absoluteFilePath()); });
}

void TForm1::FormActivate() { ActiveMemo()->setFocus(); }

void TForm1::FormResize() {
    if (auto* list = findChild<QWidget*>("FileListBox1")) list->setFixedHeight(fileListHeight());
}

bool TForm1::FormCloseQuery() {
    ContinueClosing = true;
    for (int n = kSlotCount - 1; n >= 0; --n) {
        if (!pgcEdit_->isTabVisible(n)) continue;
        activateSlot(n);
        CloseActiveFile();
        if (!ContinueClosing) return false;
    }
    return true;
}

void TForm1::Exit1Click() { close(); }

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

std::string bytesFromText(const QString& text) { return text.toUtf8().toStdString(); }

std::string stdPath(const QString& path) { return path.toUtf8().toStdString(); }

QString qPath(const std::string& path) { return QString::fromUtf8(path); }

}  // namespace wrenfold
