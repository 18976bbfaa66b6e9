// The linked file controls of both programs: a drive box, a folder list, a filter box and a
// file list. The drive box moves the folder list; the folder list and the filter fill the file
// list. The folder and file logic lives in platform/Folders, Drives and Wildcard.
#pragma once

#include "platform/ui/Prompter.h"

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <vector>

class QMimeData;

namespace wf {

// The drag format of the file list: the dragged files' full paths, UTF-8, one a line.
inline constexpr char kFileListMimeType[] = "application/x-wrenfold-file";
// The paths a drag from a file list carries; empty when the data did not come from one.
QStringList fileListPaths(const QMimeData* data);

// The machine's drives: the roots of the mounted file systems a user would browse, "/" first.
QStringList mountedDriveRoots();

// The drives of the machine; its text is the chosen drive's root.
class DriveComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    QString drive() const;
    QStringList drives() const;
    // Chooses the drive with that root (listing it first if it is not listed); emits
    // driveChanged when the choice changes.
    void setDrive(const QString& root);
    // Shows the drive that holds path, without signalling: keeps the box in step with a folder
    // list that was moved some other way.
    void showDriveOf(const QString& path);
    // Lists the mounted drives anew (a stick plugged in since), keeping the choice.
    void rereadDrives();

signals:
    // The user chose another drive, or setDrive changed it.
    void driveChanged(const QString& root);

private:
    void selectRoot(const QString& root);
    QString shown_;  // the drive shown before the user's choice
    QString extra_;  // a chosen root that is no mount point, listed while chosen
};

// The folder list: the drive's root, each folder down to the open folder, then the open
// folder's sub-folders, indented like a tree. A click highlights an entry, a double-click (or
// Enter) opens it; after every re-read the open folder is highlighted.
class DirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    // Opens the process's current folder.
    explicit DirectoryListBox(QWidget* parent = nullptr);

    // The open folder: a full path without a trailing separator except at the root.
    QString directory() const { return directory_; }
    // Opens path (made absolute and normal). Throws wf::Error("Cannot open folder " + path +
    // ": " + the system's reason) when it cannot be read; the list stays as it was then.
    void setDirectory(const QString& path);
    // The root of the open folder's drive: always the first entry.
    QString driveRoot() const { return root_; }

    // Full path of the highlighted entry; empty when nothing is highlighted.
    QString highlightedPath() const;
    // Row of the highlighted entry (0 is the drive's root); -1 when nothing is highlighted.
    int highlightedIndex() const;
    void clearHighlight();
    // Row of the open folder.
    int openIndex() const { return openRow_; }
    QString entryPath(int row) const;
    int entryLevel(int row) const;

    // Reads the open folder again and highlights it. A folder that has gone since opens the
    // nearest folder above it that is still there.
    void reread();
    // Opens the highlighted entry, if any (throws as setDirectory does).
    void openHighlighted();

signals:
    void directoryChanged(const QString& path);
    // The user clicked an entry (which only highlights it).
    void entryClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill(const std::vector<std::string>& subfolders);
    void openGuarded(const QString& path);

    QString directory_;
    QString root_;
    int openRow_ = 0;
};

// The file types of a file list: a description shown, and masks separated by ";".
class FilterComboBox : public QComboBox {
    Q_OBJECT
public:
    // Starts with the one entry "All files (*.*)" / "*.*".
    explicit FilterComboBox(QWidget* parent = nullptr);

    // Replaces the entries and chooses the first.
    void setFilters(const std::vector<FileFilter>& filters);
    // The masks of the chosen entry.
    QString mask() const;

signals:
    void maskChanged(const QString& mask);
};

// The files of a folder that match a mask, sorted; single or multiple selection. Dragging an
// item starts a drag of the selected files (local-file URLs and kFileListMimeType).
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString directory() const { return directory_; }
    // Lists path's files (throws wf::Error as DirectoryListBox::setDirectory does).
    void setDirectory(const QString& path);
    QString mask() const { return mask_; }
    void setMask(const QString& masks);
    // Reads the folder again; the selection is cleared, as the list is new.
    void reread();
    void setMultiSelect(bool multi);
    bool multiSelect() const;

    // Name of the selected item (with several selected, the current one if it is selected,
    // else the first); empty when none is selected.
    QString fileName() const;
    // Full path of fileName(); empty when none is selected.
    QString selectedPath() const;
    // Names and full paths of all selected items, in list order.
    QStringList selectedFileNames() const;
    QStringList selectedPaths() const;
    // Every listed name, in list order.
    QStringList fileNames() const;

    // What a drag of the selection carries (caller owns it); nullptr with nothing selected.
    QMimeData* dragData() const;

signals:
    void fileClicked();
    void fileDoubleClicked();
    // A key with text was typed in the list (before the list's own handling of it).
    void keyTyped(const QString& text);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill();

    QString directory_;
    QString mask_ = QStringLiteral("*.*");
};

// Links the controls: the drive box moves the folder list to the chosen drive's root, and
// follows the folder list to the drive of its folder; the folder list and the filter fill the
// file list. Any of the four may be null. Errors on the way are shown in an error box.
void linkFileControls(DriveComboBox* drive, DirectoryListBox* dirs, FilterComboBox* filter,
                      FileListBox* files);

}  // namespace wf
