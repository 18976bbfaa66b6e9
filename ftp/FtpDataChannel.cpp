// The data connection of one FTP transfer.
#include "ftp/FtpDataChannel.h"

#include <QIODevice>
#include <QTcpServer>
#include <QTcpSocket>

namespace sorxfer {

namespace {
// Large blocks keep the per-call cost small; the write queue bound keeps memory flat.
constexpr qint64 kChunk = 256 * 1024;
constexpr qint64 kMaxQueued = 1024 * 1024;

bool sameHost(const QHostAddress& a, const QHostAddress& b) {
    return a.isEqual(b, QHostAddress::TolerantConversion);
}
}  // namespace

FtpDataChannel::FtpDataChannel(QObject* parent) : QObject(parent) {}

FtpDataChannel::~FtpDataChannel() {
    close();
}

bool FtpDataChannel::listen(const QHostAddress& localAddress, const QHostAddress& peer) {
    peer_ = peer;
    server_ = new QTcpServer(this);
    server_->setMaxPendingConnections(1);
    connect(server_, &QTcpServer::newConnection, this, &FtpDataChannel::accept);
    if (!server_->listen(localAddress, 0)) {
        error_ = QStringLiteral("Cannot open a data port: ") + server_->errorString();
        return false;
    }
    return true;
}

quint16 FtpDataChannel::listenPort() const {
    return server_ ? server_->serverPort() : 0;
}

void FtpDataChannel::accept() {
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket* s = server_->nextPendingConnection();
        // Only the server we talk to may deliver the data; anyone else is turned away.
        if (socket_ || !sameHost(s->peerAddress(), peer_)) {
            s->abort();
            s->deleteLater();
            continue;
        }
        adopt(s);
        server_->close();
    }
}

void FtpDataChannel::connectTo(const QHostAddress& host, quint16 port) {
    auto* s = new QTcpSocket(this);
    adopt(s);
    open_ = false;
    connect(s, &QTcpSocket::connected, this, [this] {
        open_ = true;
        emit changed();
        pump();
    });
    s->connectToHost(host, port);
}

void FtpDataChannel::adopt(QTcpSocket* socket) {
    socket_ = socket;
    socket_->setParent(this);
    connect(socket_, &QTcpSocket::readyRead, this, &FtpDataChannel::receiveAvailable);
    connect(socket_, &QTcpSocket::bytesWritten, this, &FtpDataChannel::sendMore);
    connect(socket_, &QTcpSocket::disconnected, this, &FtpDataChannel::socketClosed);
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError) return;  // the normal end of a download
        if (!finished_) fail(QStringLiteral("Data connection failed: ") + socket_->errorString());
    });
    open_ = socket_->state() == QAbstractSocket::ConnectedState;
    if (open_) {
        emit changed();
        pump();
    }
}

bool FtpDataChannel::isOpen() const {
    return open_;
}

void FtpDataChannel::receiveTo(QIODevice* sink, qint64 limit) {
    sink_ = sink;
    limit_ = limit;
    pump();
}

void FtpDataChannel::sendFrom(QIODevice* source) {
    source_ = source;
    pump();
}

void FtpDataChannel::pump() {
    if (!open_ || finished_ || failed()) return;
    if (sink_) {
        receiveAvailable();
        if (socket_ && socket_->state() == QAbstractSocket::UnconnectedState) socketClosed();
    }
    if (source_) sendMore();
}

void FtpDataChannel::receiveAvailable() {
    if (!sink_ || !socket_ || failed()) return;  // data waits in the socket until a sink is set
    bool moved = false;
    while (socket_->bytesAvailable() > 0) {
        const QByteArray block = socket_->read(kChunk);
        if (block.isEmpty()) break;
        if (limit_ > 0 && transferred_ + block.size() > limit_) {
            fail(QStringLiteral("The server sent more data than expected"));
            return;
        }
        if (sink_->write(block) != block.size()) {
            fail(QStringLiteral("Cannot write the local file: ") + sink_->errorString());
            return;
        }
        transferred_ += block.size();
        moved = true;
    }
    if (moved) emit progress();
}

void FtpDataChannel::sendMore() {
    if (!source_ || !socket_ || !open_ || sourceDone_ || failed()) return;
    bool moved = false;
    while (socket_->bytesToWrite() < kMaxQueued) {
        const QByteArray block = source_->read(kChunk);
        if (block.isEmpty()) {
            if (!source_->atEnd()) {
                fail(QStringLiteral("Cannot read the local file: ") + source_->errorString());
                return;
            }
            sourceDone_ = true;
            // Closing after the queued bytes tells the server that the file is complete.
            socket_->disconnectFromHost();
            break;
        }
        socket_->write(block);
        transferred_ += block.size();
        moved = true;
    }
    if (moved) emit progress();
}

void FtpDataChannel::socketClosed() {
    if (finished_ || failed()) return;
    if (sink_) {
        receiveAvailable();
        if (failed()) return;
        finished_ = true;
    } else if (source_ && sourceDone_) {
        finished_ = true;
    } else if (source_) {
        fail(QStringLiteral("The server closed the data connection"));
        return;
    } else {
        return;  // closed before a direction was chosen: the transfer will see it on pump()
    }
    emit changed();
}

void FtpDataChannel::fail(const QString& why) {
    if (failed()) return;
    error_ = why;
    if (socket_) socket_->abort();
    emit changed();
}

void FtpDataChannel::close() {
    if (server_) server_->close();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
    }
    open_ = false;
}

}  // namespace sorxfer
