// The data connection of one FTP transfer: opened by the server to us (active mode) or by us
// to the server (passive mode), streaming between the socket and a local device.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

class QIODevice;
class QTcpServer;
class QTcpSocket;

namespace sorxfer {

// Owns its listening socket and data socket. The direction is chosen once with receiveTo()
// or sendFrom(); the channel then moves bytes as the event loop runs and reports progress.
// finished() and failed() tell the transfer when it has ended.
class FtpDataChannel : public QObject {
    Q_OBJECT
  public:
    explicit FtpDataChannel(QObject* parent = nullptr);
    ~FtpDataChannel() override;

    // Active mode: listens on localAddress (the control connection's own address) with a port
    // the system picks, and will take exactly one connection, from peer only.
    bool listen(const QHostAddress& localAddress, const QHostAddress& peer);
    quint16 listenPort() const;
    // Passive mode: connects to the server's data port.
    void connectTo(const QHostAddress& host, quint16 port);

    bool isOpen() const;  // the data connection is established

    // Everything the server sends goes to sink (not owned) until the server closes; more than
    // limit bytes (when limit > 0) fail the transfer.
    void receiveTo(QIODevice* sink, qint64 limit = 0);
    // The whole of source (not owned) is sent, then the connection is closed to mark the end.
    void sendFrom(QIODevice* source);

    bool finished() const { return finished_; }
    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }
    qint64 transferred() const { return transferred_; }

    // Drops the connection at once (abort, failure).
    void close();

  signals:
    void progress();  // bytes moved
    void changed();   // opened, finished or failed

  private:
    void accept();
    void adopt(QTcpSocket* socket);
    void pump();
    void receiveAvailable();
    void sendMore();
    void socketClosed();
    void fail(const QString& why);

    QTcpServer* server_ = nullptr;
    QTcpSocket* socket_ = nullptr;
    QHostAddress peer_;
    QIODevice* sink_ = nullptr;
    QIODevice* source_ = nullptr;
    qint64 limit_ = 0;
    qint64 transferred_ = 0;
    bool open_ = false;
    bool sourceDone_ = false;
    bool finished_ = false;
    QString error_;
};

}  // namespace sorxfer
