// TForm1: connecting, the component's events, the remote directory and the selection rules.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ftp/PaneRules.h"
#include "ftp/WaitCursor.h"
#include "ftp/cdlgConnect.h"
#include "ftp/cftp.h"
#include "platform/ui/FileControls.h"
#include "platform/ui/Prompter.h"

namespace sorxfer {

void TForm1::BtnConnectClick() {
    runCommand([this] {
        // Destroyed however the command ends: it records the values it showed.
        TDlgConnect dialog(AppDir, this);
        if (!wf::prompter().execDialog(dialog)) {
            log(QStringLiteral("Connect cancelled"));
            return;
        }
        Memo1->clear();
        NMFTP1->setHost(dialog.hostName());
        NMFTP1->setUserID(dialog.userID());
        NMFTP1->setPassword(dialog.password());
        NMFTP1->setPassive(dialog.passive());
        // A folder that is not there ends the command before any connection is tried.
        if (!dialog.directory().isEmpty()) DirectoryListBox1->setDirectory(dialog.directory());
        log(QStringLiteral("Connecting"));
        NMFTP1->connectHost();
    });
}

// Runs inside connectHost(): an error thrown here makes the component disconnect again.
void TForm1::NMFTP1Connect() {
    log(QStringLiteral("Connected"));
    ReadRemoteDirectory();
    loggedIn_ = true;
    updateButtons();
}

void TForm1::NMFTP1Disconnect() {
    log(QStringLiteral("Disconnected"));
    EditCurrentDir->clear();
    LbDirRemote->clear();
    LbFileRemote->clear();
    // "---->" and "<----" keep their state: they follow the selection rules alone.
    loggedIn_ = false;
    updateButtons();
}

void TForm1::NMFTP1Status(const QString& text) {
    log(text);
}

void TForm1::NMFTP1Success(CmdType transType) {
    switch (transType) {
        case CmdType::ChangeDir:
            log(QStringLiteral("ChangeDir Successful"));
            break;
        case CmdType::List:
            log(QStringLiteral("List Successful"));
            wf::prompter().beep();
            break;
        case CmdType::Upload:
            log(QStringLiteral("Upload Successful"));
            break;
        default:
            break;
    }
}

void TForm1::NMFTP1Failure(CmdType) {
    log(QStringLiteral("Operation Failed"));
}

void TForm1::NMFTP1ConnectionFailed() {
    log(QStringLiteral("Connection Failed"));
    NMFTP1->abort();
}

void TForm1::NMFTP1InvalidHost() {
    log(QStringLiteral("Invalid Host"));
}

void TForm1::ReadRemoteDirectory() {
    if (!NMFTP1->isConnected()) return;
    WaitCursor wait;
    log(QStringLiteral("Reading Remote Directory"));
    EditCurrentDir->setText(NMFTP1->currentDirectory());
    LbDirRemote->clear();
    LbFileRemote->clear();
    const DirectoryList listing = NMFTP1->list();
    MemoAttrib->setPlainText(listing.attributes.join(QLatin1Char('\n')));
    MemoName->setPlainText(listing.names.join(QLatin1Char('\n')));
    const RemoteEntries entries = splitListing(listing);
    LbDirRemote->addItems(entries.folders);
    LbFileRemote->addItems(entries.files);
}

void TForm1::BtnChDirRemoteClick() {
    runCommand([this] {
        const QList<QListWidgetItem*> chosen = LbDirRemote->selectedItems();
        if (chosen.isEmpty()) return;
        const QString name = chosen.first()->text();
        log(changeDirectoryLine(name));
        // The server resolves the name, ".." included, against its current directory.
        NMFTP1->changeDirectory(name);
        ReadRemoteDirectory();
    });
}

void TForm1::BtnRefreshRemoteClick() {
    runCommand([this] { ReadRemoteDirectory(); });
}

// --- selection rules: what Delete and Rename act on, and the transfer buttons ---

void TForm1::LbDirRemoteClick() {
    LbFileRemote->clearSelection();
    setDownloadEnabled(false);
}

void TForm1::LbFileRemoteClick() {
    LbDirRemote->clearSelection();
    if (NMFTP1->isConnected()) setDownloadEnabled(true);
}

void TForm1::FileListBox1Click() {
    DirectoryListBox1->clearHighlight();
    if (NMFTP1->isConnected()) setUploadEnabled(true);
}

void TForm1::DirectoryListBox1Click() {
    FileListBox1->reread();
    setUploadEnabled(false);
}

void TForm1::DriveComboBox1Click() {
    FileListBox1->clearSelection();
    setUploadEnabled(false);
}

QStringList TForm1::selectedRemoteFiles() const {
    QStringList names;
    for (int row = 0; row < LbFileRemote->count(); ++row)
        if (LbFileRemote->item(row)->isSelected()) names << LbFileRemote->item(row)->text();
    return names;
}

}  // namespace sorxfer
