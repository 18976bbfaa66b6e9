// TForm1: the folder and file commands of the remote pane.
#include <QLineEdit>
#include <QListWidget>

#include "ftp/cftp.h"
#include "platform/ui/Prompter.h"

namespace sorxfer {

namespace {

bool confirmed(const QString& question) {
    return wf::prompter().message(wf::MsgKind::Confirmation, question, wf::MsgButtons::YesNo) ==
           wf::Answer::Yes;
}

void warn(const QString& text) {
    wf::prompter().message(wf::MsgKind::Warning, text);
}

// The warning stands for a refusal; the user's own Disconnect still ends the command.
bool caughtAsWarning(const FtpError& e) {
    return e.reason() != FtpError::Reason::Aborted;
}

}  // namespace

void TForm1::btnMakeDirRemoteClick() {
    runCommand([this] {
        const std::optional<QString> name = wf::prompter().inputBox(
            QStringLiteral("New directory under"), EditCurrentDir->text(), QString());
        if (!name) return;
        NMFTP1->makeDirectory(*name);
        ReadRemoteDirectory();
    });
}

void TForm1::btnDeleteRemoteClick() {
    runCommand([this] {
        const QList<QListWidgetItem*> folder = LbDirRemote->selectedItems();
        if (!folder.isEmpty()) {
            const QString name = folder.first()->text();
            if (confirmed(QStringLiteral("Delete Directory \"") + name + QStringLiteral("\"?"))) {
                try {
                    NMFTP1->removeDirectory(name);
                    ReadRemoteDirectory();
                } catch (const FtpError& e) {
                    if (!caughtAsWarning(e)) throw;
                    warn(QStringLiteral("Cannot remove directory"));
                }
            }
        }
        const QStringList names = selectedRemoteFiles();
        if (!LbDirRemote->selectedItems().isEmpty() || names.isEmpty()) return;
        for (const QString& name : names) {
            if (!confirmed(QStringLiteral("Delete File \"") + name + QStringLiteral("\"?")))
                continue;
            try {
                NMFTP1->deleteFile(name);
            } catch (const FtpError& e) {
                if (!caughtAsWarning(e)) throw;
                warn(QStringLiteral("Cannot delete file"));
            }
        }
        ReadRemoteDirectory();
    });
}

void TForm1::btnRenameRemoteClick() {
    runCommand([this] {
        if (!LbDirRemote->selectedItems().isEmpty()) {
            wf::prompter().message(wf::MsgKind::Information,
                                   QStringLiteral("Cannot rename directory"));
        }
        const QStringList names = selectedRemoteFiles();
        if (!LbDirRemote->selectedItems().isEmpty() || names.isEmpty()) return;
        for (const QString& name : names) {
            const std::optional<QString> newName = wf::prompter().inputBox(
                QStringLiteral("Rename File"),
                QStringLiteral("New name for \"") + name + QStringLiteral("\"?"), name);
            if (newName) NMFTP1->rename(name, *newName);
        }
        ReadRemoteDirectory();
    });
}

}  // namespace sorxfer
