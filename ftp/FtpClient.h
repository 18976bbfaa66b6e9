// FtpClient: our own FTP client (RFC 959, with RFC 2428 EPSV/EPRT), built on Qt Network and
// free of widgets. Every operation blocks its caller while the event loop keeps running.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "ftp/FtpError.h"
#include "ftp/FtpNames.h"
#include "ftp/FtpReply.h"

class QEventLoop;
class QIODevice;
class QTcpSocket;

namespace sorxfer {

class FtpDataChannel;

// The two columns of a parsed listing, entry i in line i of each, in the server's order.
struct DirectoryList {
    QStringList attributes;  // "drwxr-xr-x", "-rw-r--r--", "lrwxrwxrwx" ...
    QStringList names;
};

// One control connection at a time. Operations throw FtpError; a refused command first raises
// onFailure with its kind, a completed one onSuccess. onStatus reports each command sent (the
// password left out), each reply line and the bytes received by a listing or a download.
// Handlers of onStatus and onDisconnect run inside the event loop and must not throw; an error
// thrown by an onConnect handler disconnects and is passed on to the caller of connectHost().
class FtpClient : public QObject {
    Q_OBJECT
  public:
    // The one place that changes it is setState().
    enum class State {
        Disconnected,  // no control connection
        Connecting,    // waiting for the TCP connection
        LoggingIn,     // greeting, USER/PASS, SYST, FEAT
        Ready,         // logged in, nothing running
        Busy,          // a command waits for its reply
        Transferring,  // a listing, download or upload is moving data
        Closing,       // QUIT sent
    };
    Q_ENUM(State)

    explicit FtpClient(QObject* parent = nullptr);
    // Logs out (QUIT) when still connected; raises no events.
    ~FtpClient() override;

    // --- connection settings, read by connectHost() ---
    // "name", "name:port", "[v6 address]:port"; no port means 21.
    void setHost(const QString& host) { host_ = host; }
    const QString& host() const { return host_; }
    void setUserID(const QString& user) { user_ = user; }
    const QString& userID() const { return user_; }
    void setPassword(const QString& password) { password_ = password; }
    // Passive mode: we open the data connections (EPSV, else PASV). Off: the server does (PORT,
    // EPRT for IPv6).
    void setPassive(bool passive) { passive_ = passive; }
    bool passive() const { return passive_; }
    // How long any wait may last without the server doing anything, in milliseconds.
    void setTimeout(int ms) { timeoutMs_ = ms; }
    int timeout() const { return timeoutMs_; }

    // --- state ---
    State state() const { return state_; }
    bool isConnected() const;
    QString serverType() const { return serverType_; }  // the SYST reply line
    bool utf8Names() const { return codec_.utf8(); }    // the server listed UTF8 in FEAT

    // --- operations ---
    // Connects and logs in, learns the server type (SYST) and name encoding (FEAT); onConnect
    // then runs before this returns.
    void connectHost();
    // QUIT, then closes. Also cancels a connection attempt. Does nothing when not connected.
    void disconnectHost();
    // Ends the transfer in progress at once (ABOR, data connection closed), or the command or
    // connection attempt waiting for the server; the operation then throws with reason Aborted.
    // Does nothing when nothing runs.
    void abort();

    QString currentDirectory();                                   // PWD
    DirectoryList list();                                         // LIST
    void changeDirectory(const QString& name);                    // CWD
    void makeDirectory(const QString& name);                      // MKD
    void removeDirectory(const QString& name);                    // RMD
    void deleteFile(const QString& name);                         // DELE
    void rename(const QString& oldName, const QString& newName);  // RNFR, RNTO
    void setBinaryMode();                                         // TYPE I
    // STOR remoteName from the local file.
    void upload(const QString& localPath, const QString& remoteName);
    // RETR remoteName into localPath. The name must be a plain file name (no "/", "\", "." or
    // ".."). The data goes to a temporary file beside localPath that replaces it only when the
    // transfer is complete, so a failed download leaves an existing file untouched.
    void download(const QString& remoteName, const QString& localPath);

    // Byte counters of the current or last transfer. The total is the local file's size for
    // an upload, the size stated in the reply to RETR for a download (0 without one).
    qint64 bytesSent() const { return bytesSent_; }
    qint64 bytesRecvd() const { return bytesRecvd_; }
    qint64 bytesTotal() const { return bytesTotal_; }

  signals:
    void onConnect();
    void onDisconnect();
    void onStatus(const QString& text);
    void onSuccess(sorxfer::CmdType transType);
    void onFailure(sorxfer::CmdType transType);
    void onConnectionFailed();
    void onInvalidHost();
    // Raised as data moves during an upload or download, at most about 20 times a second and
    // always once when the transfer ends.
    void onPacketSent();
    void onPacketRecvd();
    void stateChanged(sorxfer::FtpClient::State state);

  private:
    class Operation;
    struct Transfer;
    enum class WaitEnd { Done, Timeout, Aborted, Closed };

    void setState(State s);
    void requireReady() const;
    void controlReadable();
    void controlClosed();
    void closeControl(const QString& why, FtpError::Reason reason);
    void wake();
    void activity() { activity_.restart(); }
    WaitEnd waitUntil(const std::function<bool()>& done, int timeoutMs, quint64 generation);

    void send(const QByteArray& command, const QString& shown = QString());
    void sendRaw(const QByteArray& command, const QString& shown);
    QByteArray argument(const QString& name) const;
    FtpReply readReply(quint64 generation, bool skipPreliminary = true);
    [[noreturn]] void throwWaitEnd(WaitEnd end);
    [[noreturn]] void refuse(CmdType kind, const FtpReply& reply);
    QString text(const std::string& bytes) const;

    void login(quint64 generation);
    void learnServer(quint64 generation);
    FtpReply simple(CmdType kind, const QByteArray& command);
    void runTransfer(Transfer& t);
    void openDataChannel(FtpDataChannel& channel, quint64 generation);
    void sendAbor();
    void drainAbort();
    void dataProgress(Transfer& t, bool last);

    QTcpSocket* control_;
    ReplyAssembler assembler_;
    std::deque<FtpReply> replies_;
    NameCodec codec_;
    State state_ = State::Disconnected;
    QString host_, user_, password_;
    bool passive_ = false;
    bool epsvRefused_ = false;
    bool binary_ = false;
    int timeoutMs_ = 60000;
    QString serverType_;
    QString closeReason_;
    FtpError::Reason closeKind_ = FtpError::Reason::Closed;
    quint64 abortGeneration_ = 0;
    std::vector<QEventLoop*> loops_;
    QElapsedTimer activity_;
    FtpDataChannel* data_ = nullptr;  // the transfer in progress
    int outstanding_ = 0;             // commands sent whose final reply has not come yet
    bool tearingDown_ = false;
    qint64 bytesSent_ = 0;
    qint64 bytesRecvd_ = 0;
    qint64 bytesTotal_ = 0;
};

}  // namespace sorxfer
