// The linked drive box, folder list, filter box and file list.
#include "platform/ui/FileControls.h"

#include "platform/Drives.h"
#include "platform/Error.h"
#include "platform/Folders.h"
#include "platform/Paths.h"
#include "platform/Wildcard.h"
#include "platform/ui/ErrorHandler.h"

#include <QDir>
#include <QDrag>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QUrl>
#include <cerrno>

namespace wf {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kIndent = 12;  // pixels per folder level

// File names are bytes on disk; Qt's own codec turns them into text and back.
std::string toBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString toText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// Draws each entry of the folder list shifted right by its level.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.adjust(indent(index), 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += indent(index);
        return size;
    }

private:
    static int indent(const QModelIndex& index) { return index.data(kLevelRole).toInt() * kIndent; }
};

bool isOpenKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

QStringList fileListPaths(const QMimeData* data) {
    if (!data || !data->hasFormat(kFileListMimeType)) return {};
    return QString::fromUtf8(data->data(kFileListMimeType)).split('\n', Qt::SkipEmptyParts);
}

QStringList mountedDriveRoots() {
    std::vector<std::string> roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        const MountPoint mount{toBytes(root), volume.fileSystemType().toStdString(),
                               volume.device().toStdString()};
        if (isUserMount(mount, QFileInfo(root).isDir())) roots.push_back(mount.rootPath);
    }
    QStringList out;
    for (const std::string& root : sortedDriveRoots(std::move(roots))) out << toText(root);
    return out;
}

// --- DriveComboBox ---

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent) {
    rereadDrives();
    connect(this, &QComboBox::activated, this, [this](int index) {
        const QString root = itemData(index).toString();
        if (root == shown_) return;
        shown_ = root;
        emit driveChanged(root);
    });
}

QString DriveComboBox::drive() const { return currentData().toString(); }

QStringList DriveComboBox::drives() const {
    QStringList roots;
    for (int i = 0; i < count(); ++i) roots << itemData(i).toString();
    return roots;
}

void DriveComboBox::rereadDrives() {
    const QString current = drive();
    clear();
    extra_.clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString& root : mountedDriveRoots()) addItem(icon, root, root);
    selectRoot(current.isEmpty() ? QStringLiteral("/") : current);
}

void DriveComboBox::selectRoot(const QString& root) {
    // A drive we were sent to that the mount list does not show is listed while it is chosen,
    // so the box always says where the folder list is; it goes when another is chosen.
    if (!extra_.isEmpty() && extra_ != root) {
        if (const int old = findData(extra_); old >= 0) removeItem(old);
        extra_.clear();
    }
    int index = findData(root);
    if (index < 0) {
        addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);
        index = count() - 1;
        extra_ = root;
    }
    setCurrentIndex(index);
    shown_ = root;
}

void DriveComboBox::setDrive(const QString& root) {
    if (root == drive()) return;
    selectRoot(root);
    emit driveChanged(root);
}

void DriveComboBox::showDriveOf(const QString& path) {
    std::vector<std::string> roots;
    for (const QString& root : drives()) roots.push_back(toBytes(root));
    selectRoot(toText(driveRootOf(normalFolder(toBytes(path)), roots)));
}

// --- DirectoryListBox ---

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, [this] { emit entryClicked(); });
    try {
        setDirectory(QDir::currentPath());
    } catch (const Error&) {
        setDirectory(QStringLiteral("/"));  // the current folder was removed under us
    }
}

void DirectoryListBox::setDirectory(const QString& path) {
    if (path.isEmpty()) throw Error("Cannot open folder : " + systemReason(ENOENT));
    const std::string open = normalFolder(toBytes(path));
    std::vector<std::string> roots;
    for (const QString& root : mountedDriveRoots()) roots.push_back(toBytes(root));
    const FolderContents contents = listFolder(open);  // throws before anything changes

    const QString before = directory_;
    directory_ = toText(open);
    root_ = toText(driveRootOf(open, roots));
    fill(contents.folders);
    if (directory_ != before) emit directoryChanged(directory_);
}

void DirectoryListBox::fill(const std::vector<std::string>& subfolders) {
    const std::string open = toBytes(directory_);
    const std::vector<FolderEntry> entries = folderEntries(toBytes(root_), open, subfolders);
    const QIcon rootIcon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    clear();
    openRow_ = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FolderEntry& e = entries[i];
        const bool chain = e.path == open || isInside(open, e.path);
        auto* item = new QListWidgetItem(i == 0 ? rootIcon : chain ? openIcon : closedIcon,
                                         toText(e.name), this);
        item->setData(kPathRole, toText(e.path));
        item->setData(kLevelRole, e.level);
        item->setToolTip(toText(e.path));
        if (e.path == open) openRow_ = static_cast<int>(i);
    }
    setCurrentRow(openRow_, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(openRow_));
}

QString DirectoryListBox::highlightedPath() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->data(kPathRole).toString();
}

int DirectoryListBox::highlightedIndex() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

void DirectoryListBox::clearHighlight() { clearSelection(); }

QString DirectoryListBox::entryPath(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kPathRole).toString() : QString();
}

int DirectoryListBox::entryLevel(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kLevelRole).toInt() : -1;
}

void DirectoryListBox::reread() {
    std::string folder = toBytes(directory_);
    for (;;) {
        try {
            const FolderContents contents = listFolder(folder);
            if (toText(folder) == directory_) {
                fill(contents.folders);
            } else {
                setDirectory(toText(folder));
            }
            return;
        } catch (const Error&) {
            const std::string up = parentFolder(folder);
            if (up == folder) throw;
            folder = up;
        }
    }
}

void DirectoryListBox::openHighlighted() {
    const QString path = highlightedPath();
    if (!path.isEmpty()) setDirectory(path);
}

void DirectoryListBox::openGuarded(const QString& path) {
    runGuarded([&] { setDirectory(path); });
}

void DirectoryListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // Opening refills the list, so the base class must not see the event's item afterwards.
    if (QListWidgetItem* entry = itemAt(event->position().toPoint());
        entry && event->button() == Qt::LeftButton) {
        event->accept();
        openGuarded(entry->data(kPathRole).toString());
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event) {
    if (isOpenKey(event) && !highlightedPath().isEmpty()) {
        event->accept();
        openGuarded(highlightedPath());
        return;
    }
    QListWidget::keyPressEvent(event);
}

// --- FilterComboBox ---

FilterComboBox::FilterComboBox(QWidget* parent) : QComboBox(parent) {
    setFilters({{QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}});
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit maskChanged(mask()); });
}

void FilterComboBox::setFilters(const std::vector<FileFilter>& filters) {
    {
        const QSignalBlocker quiet(this);
        clear();
        for (const FileFilter& f : filters) addItem(f.description, f.patterns);
        setCurrentIndex(filters.empty() ? -1 : 0);
    }
    emit maskChanged(mask());
}

QString FilterComboBox::mask() const { return currentData().toString(); }

// --- FileListBox ---

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    connect(this, &QListWidget::itemClicked, this, [this] { emit fileClicked(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit fileDoubleClicked(); });
}

void FileListBox::setDirectory(const QString& path) {
    if (path.isEmpty()) throw Error("Cannot open folder : " + systemReason(ENOENT));
    const QString before = directory_;
    directory_ = toText(normalFolder(toBytes(path)));
    try {
        fill();
    } catch (const Error&) {
        directory_ = before;
        throw;
    }
}

void FileListBox::setMask(const QString& masks) {
    mask_ = masks;
    if (!directory_.isEmpty()) fill();
}

void FileListBox::reread() {
    if (!directory_.isEmpty()) fill();
}

void FileListBox::fill() {
    const FolderContents contents = listFolder(toBytes(directory_));  // throws before clearing
    const std::string masks = mask_.toStdString();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    clear();
    for (const std::string& name : contents.files)
        if (matchesMask(name, masks)) new QListWidgetItem(icon, toText(name), this);
}

void FileListBox::setMultiSelect(bool multi) {
    clearSelection();
    setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                           : QAbstractItemView::SingleSelection);
}

bool FileListBox::multiSelect() const {
    return selectionMode() != QAbstractItemView::SingleSelection;
}

QString FileListBox::fileName() const {
    if (const QListWidgetItem* current = currentItem(); current && current->isSelected())
        return current->text();
    const QStringList names = selectedFileNames();
    return names.isEmpty() ? QString() : names.front();
}

QString FileListBox::selectedPath() const {
    const QString name = fileName();
    return name.isEmpty() ? QString() : toText(joinPath(toBytes(directory_), toBytes(name)));
}

QStringList FileListBox::selectedFileNames() const {
    QStringList names;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected()) names << item(i)->text();
    return names;
}

QStringList FileListBox::selectedPaths() const {
    QStringList paths;
    for (const QString& name : selectedFileNames())
        paths << toText(joinPath(toBytes(directory_), toBytes(name)));
    return paths;
}

QStringList FileListBox::fileNames() const {
    QStringList names;
    for (int i = 0; i < count(); ++i) names << item(i)->text();
    return names;
}

QMimeData* FileListBox::dragData() const {
    const QStringList paths = selectedPaths();
    if (paths.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    data->setUrls(urls);
    data->setData(kFileListMimeType, paths.join('\n').toUtf8());
    return data;
}

void FileListBox::startDrag(Qt::DropActions) {
    // Our own drag, offering copy and link only: the base class would remove the items from the
    // list after a drop that a receiver took as a move.
    QMimeData* data = dragData();
    if (!data) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(24, 24));
    drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty() && event->text().at(0).isPrint()) emit keyTyped(event->text());
    QListWidget::keyPressEvent(event);
}

// --- linking ---

void linkFileControls(DriveComboBox* drive, DirectoryListBox* dirs, FilterComboBox* filter,
                      FileListBox* files) {
    if (drive && dirs) {
        drive->showDriveOf(dirs->directory());
        QObject::connect(drive, &DriveComboBox::driveChanged, dirs, [drive, dirs](const QString& root) {
            // A drive that cannot be read leaves the folder list where it was, and the box too.
            if (!runGuarded([&] { dirs->setDirectory(root); })) drive->showDriveOf(dirs->directory());
        });
        QObject::connect(dirs, &DirectoryListBox::directoryChanged, drive,
                         [drive](const QString& path) { drive->showDriveOf(path); });
    }
    if (files && filter) {
        files->setMask(filter->mask());
        QObject::connect(filter, &FilterComboBox::maskChanged, files, [files](const QString& mask) {
            runGuarded([&] { files->setMask(mask); });
        });
    }
    if (files && dirs) {
        runGuarded([&] { files->setDirectory(dirs->directory()); });
        QObject::connect(dirs, &DirectoryListBox::directoryChanged, files, [files](const QString& path) {
            runGuarded([&] { files->setDirectory(path); });
        });
    }
}

}  // namespace wf
