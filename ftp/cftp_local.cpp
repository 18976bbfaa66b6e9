// TForm1: the commands of the local pane.
#include <QDir>

#include "ftp/PaneRules.h"
#include "ftp/cftp.h"
#include "platform/Folders.h"
#include "platform/Paths.h"
#include "platform/ui/ErrorHandler.h"
#include "platform/ui/FileControls.h"
#include "platform/ui/Prompter.h"

namespace sorxfer {

namespace {

std::string path8(const QString& s) {
    return s.toStdString();
}

std::string inFolder(const QString& folder, const QString& name) {
    return wf::joinPath(path8(folder), path8(name));
}

bool confirmed(const QString& question) {
    return wf::prompter().message(wf::MsgKind::Confirmation, question, wf::MsgButtons::YesNo) ==
           wf::Answer::Yes;
}

}  // namespace

void TForm1::BtnChDirLocalClick() {
    wf::runGuarded([this] { DirectoryListBox1->openHighlighted(); });
}

void TForm1::BtnMakeDirLocalClick() {
    wf::runGuarded([this] {
        const QString folder = DirectoryListBox1->directory();
        const std::optional<QString> name = wf::prompter().inputBox(
            QStringLiteral("New directory under"),
            QString::fromStdString(wf::withTrailingSeparator(path8(folder))), QString());
        if (!name) return;
        makeLocalFolder(inFolder(folder, *name));
        DirectoryListBox1->reread();
    });
}

void TForm1::BtnDeleteLocalClick() {
    wf::runGuarded([this] {
        // The first entry is the drive's root, which is never offered.
        if (DirectoryListBox1->highlightedIndex() > 0) {
            const QString folder = DirectoryListBox1->highlightedPath();
            if (confirmed(QStringLiteral("Delete Directory \"") + folder + QStringLiteral("\"?"))) {
                if (removeLocalFolder(path8(folder)))
                    wf::prompter().message(wf::MsgKind::Information,
                                           QStringLiteral("Directory removed"));
                else
                    wf::prompter().message(wf::MsgKind::Warning,
                                           QStringLiteral("Cannot remove directory"));
                DirectoryListBox1->reread();
            }
        }
        const QStringList names = FileListBox1->selectedFileNames();
        if (DirectoryListBox1->highlightedIndex() >= 0 || names.isEmpty()) return;
        const QString folder = FileListBox1->directory();
        for (const QString& name : names)
            if (confirmed(QStringLiteral("Delete File \"") + name + QStringLiteral("\"?")))
                removeLocalFile(inFolder(folder, name));  // a failed deletion is not reported
        FileListBox1->reread();
        FileListBox1->clearSelection();
        setUploadEnabled(false);
    });
}

void TForm1::BtnRenameLocalClick() {
    wf::runGuarded([this] {
        if (DirectoryListBox1->highlightedIndex() > 0) {
            const QString folder = DirectoryListBox1->highlightedPath();
            const QString name = QString::fromStdString(wf::fileNamePart(path8(folder)));
            const std::optional<QString> newName = wf::prompter().inputBox(
                QStringLiteral("Rename Directory"),
                QStringLiteral("New name for Directory \"") + name + QStringLiteral("\""),
                QString());
            if (newName) {
                const std::string parent = wf::parentFolder(path8(folder));
                const std::string target = wf::joinPath(parent, path8(*newName));
                renameLocal(path8(folder), target);  // a failure shows when the path is opened
                // Away from the folder first: it may be the open one, or lie above it.
                DirectoryListBox1->setDirectory(DirectoryListBox1->driveRoot());
                DirectoryListBox1->reread();
                DirectoryListBox1->setDirectory(QString::fromStdString(target));
            }
        }
        const QStringList names = FileListBox1->selectedFileNames();
        if (DirectoryListBox1->highlightedIndex() >= 0 || names.isEmpty()) return;
        const QString folder = FileListBox1->directory();
        for (const QString& name : names) {
            const std::optional<QString> newName = wf::prompter().inputBox(
                QStringLiteral("Rename File"),
                QStringLiteral(" New name for file \"") + name + QStringLiteral("\""), name);
            if (newName) renameLocal(inFolder(folder, name), inFolder(folder, *newName));
        }
        FileListBox1->reread();
        setUploadEnabled(false);
    });
}

void TForm1::btnRefreshLocalClick() {
    wf::runGuarded([this] {
        DirectoryListBox1->reread();
        FileListBox1->reread();
        setUploadEnabled(false);
    });
}

}  // namespace sorxfer
