// TForm1: the main window of Sorrel's FTP. A command bar, the local pane (linked file
// controls), the remote pane, and a status log; one FTP connection at a time.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "ftp/FtpClient.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace wf {
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class FilterComboBox;
class HelpWindow;
}  // namespace wf

namespace sorxfer {

class TAboutBox;

// The window only gathers input and shows results: the protocol is NMFTP1's, the pane rules
// are in PaneRules. While one FTP command runs (its calls keep the event loop going), the other
// FTP commands cannot start; Disconnect and Quit stay live and end it first.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // appDir: the program's folder with a trailing separator; the help file and the connect
    // dialog's settings live there.
    explicit TForm1(QString appDir, QWidget* parent = nullptr);
    ~TForm1() override;

    const QString AppDir;
    FtpClient* NMFTP1;

    // --- command bar ---
    QWidget* Panel1;
    QPushButton* BtnConnect;
    QPushButton* BtnDisconnect;
    QPushButton* btnHelp;
    QPushButton* btnAbout;
    QPushButton* btnQuit;
    // --- local pane ---
    QWidget* PnlLocal;
    wf::DriveComboBox* DriveComboBox1;
    wf::DirectoryListBox* DirectoryListBox1;
    wf::FilterComboBox* FilterComboBox1;
    wf::FileListBox* FileListBox1;
    QPushButton* BtnChDirLocal;
    QPushButton* BtnMakeDirLocal;
    QPushButton* BtnDeleteLocal;
    QPushButton* BtnRenameLocal;
    QPushButton* btnRefreshLocal;
    QPushButton* BtnXferLocal;
    // --- remote pane ---
    QWidget* PnlRemote;
    QLineEdit* EditCurrentDir;
    QListWidget* LbDirRemote;
    QListWidget* LbFileRemote;
    QPushButton* BtnChDirRemote;
    QPushButton* btnMakeDirRemote;
    QPushButton* btnDeleteRemote;
    QPushButton* btnRenameRemote;
    QPushButton* BtnRefreshRemote;
    QPushButton* btnXferRemote;
    // --- status pane ---
    QWidget* PnlStatus;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* MemoAttrib;
    QPlainTextEdit* MemoName;

    TAboutBox* AboutBox;

    // Whether an FTP command of the window is running.
    bool commandRunning() const { return busy_; }
    // Appends one line to the status log.
    void log(const QString& line);

    // --- handlers: connection and remote directory ---
    void BtnConnectClick();
    void BtnDisconnectClick();
    void btnQuitClick();
    void btnHelpClick();
    void btnAboutClick();
    void BtnRefreshRemoteClick();
    void BtnChDirRemoteClick();
    void LbDirRemoteClick();
    void LbFileRemoteClick();
    void FileListBox1Click();
    void DirectoryListBox1Click();
    void DriveComboBox1Click();
    void ReadRemoteDirectory();
    // --- handlers of the component's events ---
    void NMFTP1Connect();
    void NMFTP1Disconnect();
    void NMFTP1Status(const QString& text);
    void NMFTP1Success(CmdType transType);
    void NMFTP1Failure(CmdType transType);
    void NMFTP1ConnectionFailed();
    void NMFTP1InvalidHost();
    void NMFTP1PacketSent();
    void NMFTP1PacketRecvd();
    // --- handlers: transfers ---
    void BtnXferLocalClick();
    void btnXferRemoteClick();
    // --- handlers: local pane ---
    void BtnChDirLocalClick();
    void BtnMakeDirLocalClick();
    void BtnDeleteLocalClick();
    void BtnRenameLocalClick();
    void btnRefreshLocalClick();
    // --- handlers: remote pane ---
    void btnMakeDirRemoteClick();
    void btnDeleteRemoteClick();
    void btnRenameRemoteClick();

  protected:
    // FormClose: ends a command in progress and logs out (QUIT) when still connected.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildCommandBar();
    void buildLocalPane();
    void buildRemotePane();
    void buildStatusPane();
    void connectHandlers();

    // Runs one FTP command: refused while another runs; its error is shown in an error box,
    // except the end that the user's own Disconnect or Quit brought.
    void runCommand(const std::function<void()>& command);
    // Sets every button from the connection state, the selection rules and the running command.
    void updateButtons();
    void setUploadEnabled(bool on);
    void setDownloadEnabled(bool on);
    QStringList selectedRemoteFiles() const;

    bool busy_ = false;        // an FTP command runs
    bool loggedIn_ = false;    // between the component's connect and disconnect events
    bool userAbort_ = false;   // Disconnect or Quit ended the running command
    bool uploadOn_ = false;    // "---->" as the selection rules leave it
    bool downloadOn_ = false;  // "<----" as the selection rules leave it
    wf::HelpWindow* helpWindow_ = nullptr;
};

}  // namespace sorxfer
