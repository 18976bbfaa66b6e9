// FtpClient: listings, downloads and uploads over a data connection.
#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTcpSocket>
#include <algorithm>

#include "ftp/FtpAddress.h"
#include "ftp/FtpClient.h"
#include "ftp/FtpClientPrivate.h"
#include "ftp/FtpDataChannel.h"
#include "ftp/FtpListing.h"

namespace sorxfer {

namespace {
constexpr qint64 kProgressIntervalMs = 50;    // at most 20 progress events a second
constexpr int kAbortDrainMs = 3000;           // how long the answers to ABOR may take
constexpr qint64 kListingLimit = 64LL << 20;  // a listing larger than this is hostile

FtpError garbled(const std::string& line) {
    return FtpError(FtpError::Reason::Protocol,
                    QString::fromLatin1("Garbled reply from the server: ") +
                        QString::fromLatin1(printable(line)));
}
}  // namespace

void FtpClient::dataProgress(Transfer& t, bool last) {
    if (!data_) return;
    if (t.kind == CmdType::Upload)
        bytesSent_ = data_->transferred();
    else if (t.kind == CmdType::Download)
        bytesRecvd_ = data_->transferred();
    else
        return;
    // Events are throttled so that a fast transfer is not slowed by the window's updates.
    if (!last && t.sinceProgress.isValid() && t.sinceProgress.elapsed() < kProgressIntervalMs)
        return;
    t.sinceProgress.start();
    if (t.kind == CmdType::Upload)
        emit onPacketSent();
    else
        emit onPacketRecvd();
}

void FtpClient::openDataChannel(FtpDataChannel& channel, quint64 generation) {
    const QHostAddress peer = control_->peerAddress();
    bool isV4 = false;
    const quint32 peerV4 = peer.toIPv4Address(&isV4);
    if (passive_) {
        quint16 port = 0;
        if (!epsvRefused_) {
            send("EPSV");
            const FtpReply reply = readReply(generation);
            if (reply.code == 229) {
                const auto p = epsvPort(reply.lastLine());
                if (!p) throw garbled(reply.lastLine());
                port = *p;
            } else if (reply.code == 500 || reply.code == 501 || reply.code == 502) {
                epsvRefused_ = true;  // an older server: PASV from now on
            } else {
                throw reply;
            }
        }
        if (port == 0) {
            if (!isV4)
                throw FtpError(FtpError::Reason::Refused,
                               QStringLiteral("The server offers no passive mode for IPv6"));
            send("PASV");
            const FtpReply reply = readReply(generation);
            if (reply.code != 227) throw reply;
            const auto a = pasvAddress(reply.lastLine());
            if (!a) throw garbled(reply.lastLine());
            // Only the port is taken: the data goes to the host we are connected to, whatever
            // address the reply names (a private one behind NAT, or someone else's).
            port = a->port;
        }
        channel.connectTo(isV4 ? QHostAddress(peerV4) : peer, port);
        const WaitEnd end =
            waitUntil([&] { return channel.isOpen() || channel.failed(); }, timeoutMs_, generation);
        if (end != WaitEnd::Done) throwWaitEnd(end);
        if (channel.failed()) throw FtpError(FtpError::Reason::Local, channel.error());
        return;
    }
    bool localIsV4 = false;
    const quint32 localV4 = control_->localAddress().toIPv4Address(&localIsV4);
    const QHostAddress local = localIsV4 ? QHostAddress(localV4) : control_->localAddress();
    if (!channel.listen(local, isV4 ? QHostAddress(peerV4) : peer))
        throw FtpError(FtpError::Reason::Local, channel.error());
    const std::string command =
        localIsV4 ? portCommand(local.toString().toStdString(), channel.listenPort())
                  : eprtCommand(local.toString().toStdString(), channel.listenPort());
    send(QByteArray::fromStdString(command));
    const FtpReply reply = readReply(generation);
    if (!reply.positive()) throw reply;
}

void FtpClient::drainAbort() {
    // Every command sent gets one final reply; the transfer is over when ABOR's has come.
    const quint64 generation = abortGeneration_;
    const WaitEnd end = waitUntil([this] { return outstanding_ == 0; },
                                  std::min(timeoutMs_, kAbortDrainMs), generation);
    if (end == WaitEnd::Timeout)
        closeControl(QStringLiteral("The server did not answer the abort"),
                     FtpError::Reason::Timeout);
    replies_.clear();
}

void FtpClient::runTransfer(Transfer& t) {
    Operation op(*this, State::Transferring);
    const quint64 generation = op.generation;
    FtpDataChannel channel;
    data_ = &channel;
    const auto release = qScopeGuard([this] { data_ = nullptr; });
    connect(&channel, &FtpDataChannel::changed, this, &FtpClient::wake);
    connect(&channel, &FtpDataChannel::progress, this, [this, &t] {
        activity();
        dataProgress(t, false);
    });
    // Received data may come as soon as the connection opens; sent data waits for the
    // server's go-ahead (1xx), as servers drop data that comes before the command.
    if (t.sink) channel.receiveTo(t.sink, t.limit);

    bool finalSeen = false;
    try {
        if (t.kind != CmdType::List && !binary_) {
            send("TYPE I");
            const FtpReply reply = readReply(generation);
            if (!reply.positive()) throw reply;
            binary_ = true;
        }
        openDataChannel(channel, generation);
        send(t.command);
        for (;;) {
            const WaitEnd end = waitUntil(
                [&] {
                    return channel.failed() || !replies_.empty() ||
                           (finalSeen && channel.finished());
                },
                timeoutMs_, generation);
            if (end != WaitEnd::Done) throwWaitEnd(end);
            if (!replies_.empty()) {
                FtpReply reply = std::move(replies_.front());
                replies_.pop_front();
                if (reply.preliminary()) {
                    if (t.kind == CmdType::Download) bytesTotal_ = transferSize(reply.lastLine());
                    if (t.source) channel.sendFrom(t.source);
                    continue;
                }
                finalSeen = true;
                if (!reply.positive()) throw reply;
                continue;
            }
            if (channel.failed()) {
                // The server still owes the command's reply; ABOR keeps the two sides in step.
                if (!finalSeen) sendAbor();
                drainAbort();
                throw FtpError(FtpError::Reason::Local, channel.error());
            }
            if (finalSeen && channel.finished()) break;
        }
    } catch (const FtpReply& reply) {
        channel.close();
        refuse(t.kind, reply);
    } catch (const FtpError& e) {
        channel.close();
        if (e.reason() != FtpError::Reason::Aborted) throw;
        drainAbort();
        throw FtpError(FtpError::Reason::Aborted, QStringLiteral("Transfer aborted"));
    }
    if (abortGeneration_ != generation) {  // abort() came after the last byte: it still counts
        drainAbort();
        throw FtpError(FtpError::Reason::Aborted, QStringLiteral("Transfer aborted"));
    }
    dataProgress(t, true);
    if (t.kind != CmdType::Upload)
        emit onStatus(QStringLiteral("Received %1 bytes").arg(channel.transferred()));
    if (t.complete) t.complete();
    emit onSuccess(t.kind);
}

DirectoryList FtpClient::list() {
    requireReady();
    QByteArray raw;
    QBuffer buffer(&raw);
    buffer.open(QIODevice::WriteOnly);
    Transfer t;
    t.kind = CmdType::List;
    t.command = "LIST";
    t.sink = &buffer;
    t.limit = kListingLimit;
    runTransfer(t);
    DirectoryList out;
    for (const ListingEntry& e :
         parseListing(std::string_view(raw.constData(), static_cast<std::size_t>(raw.size())))) {
        out.attributes << QString::fromLatin1(printable(e.attribute));
        out.names << codec_.decode(QByteArray::fromStdString(e.name));
    }
    return out;
}

void FtpClient::download(const QString& remoteName, const QString& localPath) {
    requireReady();
    if (!isSafeLocalName(remoteName))
        throw FtpError(
            FtpError::Reason::Local,
            QStringLiteral("Refusing to download \"%1\": not a plain file name").arg(remoteName));
    Transfer t;
    t.kind = CmdType::Download;
    t.command = "RETR " + argument(remoteName);
    // The old file stays as it is until the new one is complete.
    QSaveFile file(localPath);
    if (!file.open(QIODevice::WriteOnly))
        throw FtpError(
            FtpError::Reason::Local,
            QStringLiteral("Cannot create file %1: %2").arg(localPath, file.errorString()));
    t.sink = &file;
    t.complete = [&] {
        if (!file.commit())
            throw FtpError(
                FtpError::Reason::Local,
                QStringLiteral("Cannot write file %1: %2").arg(localPath, file.errorString()));
    };
    bytesRecvd_ = 0;
    bytesTotal_ = 0;
    runTransfer(t);
}

void FtpClient::upload(const QString& localPath, const QString& remoteName) {
    requireReady();
    Transfer t;
    t.kind = CmdType::Upload;
    t.command = "STOR " + argument(remoteName);
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        throw FtpError(
            FtpError::Reason::Local,
            QStringLiteral("Cannot open file %1: %2").arg(localPath, file.errorString()));
    t.source = &file;
    bytesSent_ = 0;
    bytesTotal_ = file.size();
    runTransfer(t);
}

}  // namespace sorxfer
