// TForm1: uploading and downloading the selected files, with the progress lines.
#include <QPlainTextEdit>

#include "ftp/PaneRules.h"
#include "ftp/WaitCursor.h"
#include "ftp/cftp.h"
#include "platform/Paths.h"
#include "platform/ui/FileControls.h"
#include "platform/ui/Prompter.h"

namespace sorxfer {

namespace {
QString joined(const QString& folder, const QString& name) {
    return QString::fromStdString(wf::joinPath(folder.toStdString(), name.toStdString()));
}
}  // namespace

void TForm1::BtnXferLocalClick() {
    runCommand([this] {
        // Taken once: the local pane may move while the files go.
        const QString folder = FileListBox1->directory();
        const QStringList names = FileListBox1->selectedFileNames();
        for (const QString& name : names) {
            log(QStringLiteral("Uploading \"") + name + QStringLiteral("\""));
            NMFTP1->setBinaryMode();
            WaitCursor wait;
            NMFTP1->upload(joined(folder, name), name);
        }
        ReadRemoteDirectory();
    });
}

void TForm1::btnXferRemoteClick() {
    runCommand([this] {
        const QString folder = DirectoryListBox1->directory();
        const QStringList names = selectedRemoteFiles();
        for (const QString& name : names) {
            NMFTP1->setBinaryMode();
            WaitCursor wait;
            // An existing local file is replaced, once the new one is complete.
            NMFTP1->download(name, joined(folder, name));
        }
        FileListBox1->reread();
        setUploadEnabled(false);
        wf::prompter().beep();
    });
}

// The log shows only the latest progress line of the file that moves.
void TForm1::NMFTP1PacketSent() {
    Memo1->clear();
    log(progressLine(Direction::Upload, NMFTP1->bytesSent(), NMFTP1->bytesTotal()));
}

void TForm1::NMFTP1PacketRecvd() {
    Memo1->clear();
    log(progressLine(Direction::Download, NMFTP1->bytesRecvd(), NMFTP1->bytesTotal()));
}

}  // namespace sorxfer
