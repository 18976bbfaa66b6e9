// TForm1: the file panel (drive box, folder list, filter, file list and their popup menus)
// and the drag-and-drop of its files onto the editors. What a file does lives in
// markup/FileDrop; these handlers only find the file and the document.
#include "editor/cwrenfold.h"

#include "editor/markup/FileDrop.h"
#include "platform/Error.h"
#include "platform/ui/ErrorHandler.h"
#include "platform/ui/FileControls.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>

namespace wrenfold {

namespace {

constexpr int kPanelControlWidth = 145;

const std::vector<wf::FileFilter>& panelFilters() {
    static const std::vector<wf::FileFilter> filters = {
        {"All files (*.*)", "*.*"},
        {"html files (*.html, *.htm)", "*.htm"},
        {"JavaScript files (*.js)", "*.js"},
        {"Perl files (*.pl)", "*.pl"},
        {"Delphi files (*.pas,  *.dpr)", "*.pas;*.dpr"},
    };
    return filters;
}

// One item of a popup menu; an item without a handler (Cancel) only closes the menu.
struct PopupItem {
    const char* objectName;
    const char* caption;
    void (TForm1::*handler)();
};

const PopupItem kFileListPopup[] = {
    {"Open1", "Open", &TForm1::Open1Click},
    {"Link1", "Link", &TForm1::Link1Click},
    {"View1", "View", &TForm1::View1Click},
    {"Refresh1", "Refresh", &TForm1::Refresh1Click},
    {"Cancel1", "Cancel", nullptr},
};

const PopupItem kDirListPopup[] = {
    {"Refresh2", "Refresh", &TForm1::Refresh2Click},
    {"Cancel2", "Cancel", nullptr},
};

bool isEditor(const QObject* object) {
    // Scintilla starts its text drags from the editor itself; its viewport may be named too.
    for (; object; object = object->parent())
        if (qobject_cast<const DocumentEditor*>(object)) return true;
    return false;
}

// Sends the drag events of the editors' viewports to the window's drag handlers, and typed
// characters of the file list to its key handler. Drags of an editor's own text go on to the
// editor, which moves or copies the text as usual.
class FilePanelEvents : public QObject {
public:
    FilePanelEvents(TForm1* form, QObject* fileList)
        : QObject(form), form_(form), list_(fileList) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (forwarding_) return false;
        if (watched == list_) return event->type() == QEvent::KeyPress && keyPress(event);
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove: return dragOver(static_cast<QDragMoveEvent*>(event));
            case QEvent::Drop: return drop(watched, static_cast<QDropEvent*>(event));
            default: return false;
        }
    }

private:
    bool keyPress(QEvent* event) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text().isEmpty()) return false;
        bool linked = false;
        wf::runGuarded([&] { linked = form_->FileListBox1KeyPress(key->text()); });
        return linked;
    }

    bool dragOver(QDragMoveEvent* event) {
        if (!form_->Memo1DragOver(event->source(), event->mimeData())) {
            event->ignore();
            return true;
        }
        if (wf::fileListPaths(event->mimeData()).isEmpty()) return false;  // the editor's own
        // The markup goes to the caret, so the editor must not move its caret with the mouse.
        event->acceptProposedAction();
        return true;
    }

    bool drop(QObject* viewport, QDropEvent* event) {
        if (!form_->Memo1DragOver(event->source(), event->mimeData())) {
            event->ignore();
            return true;
        }
        QObject* source = event->source();
        const QMimeData* data = event->mimeData();
        if (wf::fileListPaths(data).isEmpty()) {
            forwarding_ = true;
            QCoreApplication::sendEvent(viewport, event);
            forwarding_ = false;
        } else {
            event->acceptProposedAction();
        }
        form_->Memo1DragDrop(source, data);
        return true;
    }

    TForm1* form_;
    QObject* list_;
    bool forwarding_ = false;
};

}  // namespace

void TForm1::buildFilePanel() {
    auto* column = new QVBoxLayout(pnlLeft_);
    column->setContentsMargins(8, 4, 160 - 8 - kPanelControlWidth, 4);
    column->setSpacing(4);

    DriveComboBox1_ = new wf::DriveComboBox(pnlLeft_);
    DriveComboBox1_->setObjectName("DriveComboBox1");
    DirectoryListBox1_ = new wf::DirectoryListBox(pnlLeft_);
    DirectoryListBox1_->setObjectName("DirectoryListBox1");
    FilterComboBox1_ = new wf::FilterComboBox(pnlLeft_);
    FilterComboBox1_->setObjectName("FilterComboBox1");
    FilterComboBox1_->setFilters(panelFilters());
    FileListBox1_ = new wf::FileListBox(pnlLeft_);
    FileListBox1_->setObjectName("FileListBox1");
    FileListBox1_->setMultiSelect(false);

    // The folder list takes what the file list's height rule leaves.
    for (QWidget* control : std::initializer_list<QWidget*>{
             DriveComboBox1_, DirectoryListBox1_, FilterComboBox1_, FileListBox1_}) {
        control->setFixedWidth(kPanelControlWidth);
        column->addWidget(control, control == DirectoryListBox1_ ? 1 : 0);
    }
    wf::linkFileControls(DriveComboBox1_, DirectoryListBox1_, FilterComboBox1_, FileListBox1_);

    auto addPopup = [this](QWidget* owner, const char* name, const auto& items) {
        auto* menu = new QMenu(owner);
        menu->setObjectName(name);
        for (const PopupItem& item : items) {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.objectName);
            if (item.handler)
                connect(action, &QAction::triggered, this,
                        [this, h = item.handler] { wf::runGuarded([&] { (this->*h)(); }); });
        }
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, menu,
                [owner, menu](const QPoint& at) { menu->popup(owner->mapToGlobal(at)); });
    };
    addPopup(FileListBox1_, "pmFileListBox", kFileListPopup);
    addPopup(DirectoryListBox1_, "pmDirListBox", kDirListPopup);

    connect(FileListBox1_, &wf::FileListBox::fileDoubleClicked, this,
            [this] { wf::runGuarded([this] { FileListBox1DblClick(); }); });
    auto* events = new FilePanelEvents(this, FileListBox1_);
    FileListBox1_->installEventFilter(events);
    for (int n = 0; n < kSlotCount; ++n) {
        Memo(n)->viewport()->setAcceptDrops(true);
        Memo(n)->viewport()->installEventFilter(events);
    }

    // The folder list's folder is the panel's folder, whichever of the two moves.
    connect(this, &TForm1::panelFolderChanged, this, &TForm1::showPanelFolder);
    connect(DirectoryListBox1_, &wf::DirectoryListBox::directoryChanged, this,
            &TForm1::setPanelFolder);
    connect(this, &TForm1::fileListRefreshRequested, this,
            [this] { wf::runGuarded([this] { Refresh1Click(); }); });
}

void TForm1::showPanelFolder(const QString& folder) {
    if (QDir(DirectoryListBox1_->directory()) == QDir(folder)) return;
    try {
        DirectoryListBox1_->setDirectory(folder);
    } catch (const wf::Error&) {
        // A folder that has gone (or cannot be read) leaves the panel in the program's folder.
        wf::runGuarded([this] { DirectoryListBox1_->setDirectory(AppDir); });
    }
}

QString TForm1::selectedFile() const { return FileListBox1_->selectedPath(); }

FileDropRequest TForm1::fileDropRequest(const QString& file) const {
    FileDropRequest request;
    request.file = stdPath(file);
    request.activePath = stdPath(ActiveFileEdit()->text());
    request.audio = static_cast<DropAudio>(audioIndex());
    DocumentEditor* memo = ActiveMemo();
    request.toDocument = [memo](const std::string& utf8) {
        return memo->encode(QString::fromUtf8(utf8));
    };
    return request;
}

QString TForm1::selectedFileOrNotice() const {
    const QString file = selectedFile();
    if (file.isEmpty()) wf::prompter().notice(QString::fromUtf8(kSelectFileFirst));
    return file;
}

void TForm1::openFromPanel(const QString& file) {
    if (!AlreadyOpen(file)) OpenNewFile(file);
}

void TForm1::FileListBox1DblClick() {
    const QString file = selectedFile();
    if (file.isEmpty()) return;
    switch (doubleClickAction(fileExtension(stdPath(file)))) {
        case DoubleClickAction::OpenAsText: openFromPanel(file); break;
        // Whether the desktop has a program for it is not reported.
        case DoubleClickAction::OpenWithProgram: wf::prompter().shellOpen(file); break;
        case DoubleClickAction::Nothing: break;
    }
}

bool TForm1::FileListBox1KeyPress(const QString& key) {
    if (key != "L" && key != "l") return false;
    Link1Click();
    return true;
}

bool TForm1::Memo1DragOver(QObject* source, const QMimeData* data) const {
    return !wf::fileListPaths(data).isEmpty() || isEditor(source);
}

void TForm1::Memo1DragDrop(QObject* /*source*/, const QMimeData* data) {
    const QStringList files = wf::fileListPaths(data);
    if (!files.isEmpty())
        wf::runGuarded([&] { dropFile(*ActiveMemo(), fileDropRequest(files.first())); });
    ActiveMemo()->setFocus();
}

void TForm1::Open1Click() {
    const QString file = selectedFileOrNotice();
    if (!file.isEmpty()) openFromPanel(file);
}

void TForm1::Link1Click() {
    const QString file = selectedFileOrNotice();
    if (!file.isEmpty()) linkFile(*ActiveMemo(), fileDropRequest(file));
}

void TForm1::View1Click() {
    const QString file = selectedFileOrNotice();
    if (!file.isEmpty()) wf::prompter().shellOpen(file);
}

void TForm1::Refresh1Click() { FileListBox1_->reread(); }

void TForm1::Refresh2Click() { DirectoryListBox1_->viewport()->update(); }

}  // namespace wrenfold
