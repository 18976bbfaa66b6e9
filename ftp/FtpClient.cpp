// FtpClient: connection, login, commands and the state machine. Transfers are in
// FtpClientTransfer.cpp.
#include "ftp/FtpClient.h"

#include <QEventLoop>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

#include "ftp/FtpAddress.h"
#include "ftp/FtpClientPrivate.h"
#include "ftp/FtpDataChannel.h"

namespace sorxfer {

namespace {
constexpr int kQuitWaitMs = 3000;
}  // namespace

FtpClient::Operation::Operation(FtpClient& client, State busyState)
    : client_(client), generation(client.abortGeneration_) {
    client.requireReady();
    client.setState(busyState);
}

FtpClient::Operation::~Operation() {
    if (client_.state_ == State::Busy || client_.state_ == State::Transferring)
        client_.setState(State::Ready);
}

FtpClient::FtpClient(QObject* parent) : QObject(parent), control_(new QTcpSocket(this)) {
    connect(control_, &QTcpSocket::readyRead, this, &FtpClient::controlReadable);
    connect(control_, &QTcpSocket::disconnected, this, &FtpClient::controlClosed);
    connect(control_, &QTcpSocket::connected, this, &FtpClient::wake);
    connect(control_, &QTcpSocket::errorOccurred, this, &FtpClient::wake);
    activity_.start();
}

FtpClient::~FtpClient() {
    blockSignals(true);
    if (isConnected() && control_->state() == QAbstractSocket::ConnectedState) {
        control_->write("QUIT\r\n");
        control_->waitForBytesWritten(1000);
    }
    control_->disconnect(this);
    control_->abort();
}

bool FtpClient::isConnected() const {
    return state_ == State::Ready || state_ == State::Busy || state_ == State::Transferring;
}

void FtpClient::requireReady() const {
    if (!isConnected())
        throw FtpError(FtpError::Reason::NotConnected, QStringLiteral("Not Connected"));
    if (state_ != State::Ready)
        throw FtpError(FtpError::Reason::Busy,
                       QStringLiteral("Another FTP command is still running"));
}

void FtpClient::setState(State s) {
    if (s == state_) return;
    const State old = state_;
    state_ = s;
    emit stateChanged(s);
    // A connection attempt that never reached the server has no connection to lose.
    if (s == State::Disconnected && old != State::Connecting) emit onDisconnect();
}

// --- the control connection ---

void FtpClient::controlReadable() {
    if (state_ == State::Disconnected || state_ == State::Connecting) return;
    activity();
    const QByteArray bytes = control_->readAll();
    assembler_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    while (std::optional<FtpReply> reply = assembler_.next()) {
        for (const std::string& line : reply->lines) emit onStatus(text(line));
        if (!reply->preliminary() && outstanding_ > 0) --outstanding_;
        const bool closing = reply->code == 421;
        replies_.push_back(std::move(*reply));
        // 421: the server is closing the connection. The reply stays queued, so the operation
        // waiting for it reports it as its refusal.
        if (closing) {
            closeControl(text(replies_.back().lastLine()), FtpError::Reason::Refused);
            return;
        }
    }
    if (assembler_.failed())
        closeControl(QString::fromStdString(printable(assembler_.error())),
                     FtpError::Reason::Protocol);
    wake();
}

void FtpClient::controlClosed() {
    if (tearingDown_) return;
    controlReadable();  // the last bytes the server sent before closing
    closeControl(QStringLiteral("Connection closed by the server"), FtpError::Reason::Closed);
}

void FtpClient::closeControl(const QString& why, FtpError::Reason reason) {
    if (state_ == State::Disconnected || tearingDown_) return;
    tearingDown_ = true;
    closeReason_ = why;
    closeKind_ = reason;
    if (data_) data_->close();
    control_->abort();
    assembler_.reset();
    outstanding_ = 0;
    binary_ = false;
    tearingDown_ = false;
    setState(State::Disconnected);
    wake();
}

void FtpClient::wake() {
    for (QEventLoop* loop : loops_) loop->quit();
}

FtpClient::WaitEnd FtpClient::waitUntil(const std::function<bool()>& done, int timeoutMs,
                                        quint64 generation) {
    QEventLoop loop;
    loops_.push_back(&loop);
    const auto unregister = qScopeGuard(
        [&] { loops_.erase(std::remove(loops_.begin(), loops_.end(), &loop), loops_.end()); });
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    activity();
    for (;;) {
        if (done()) return WaitEnd::Done;
        if (abortGeneration_ != generation) return WaitEnd::Aborted;
        if (state_ == State::Disconnected) return WaitEnd::Closed;
        const qint64 left = timeoutMs - activity_.elapsed();
        if (left <= 0) return WaitEnd::Timeout;
        timer.start(static_cast<int>(left));
        // Non-zero: the application is quitting and no event loop will run any more.
        if (loop.exec() != 0) return WaitEnd::Aborted;
    }
}

void FtpClient::throwWaitEnd(WaitEnd end) {
    switch (end) {
        case WaitEnd::Timeout:
            // A reply may still come; the connection cannot be trusted to stay in step.
            closeControl(QStringLiteral("Timed out waiting for the server"),
                         FtpError::Reason::Timeout);
            throw FtpError(FtpError::Reason::Timeout,
                           QStringLiteral("Timed out waiting for the server"));
        case WaitEnd::Aborted:
            throw FtpError(FtpError::Reason::Aborted, QStringLiteral("Operation aborted"));
        case WaitEnd::Closed:
        case WaitEnd::Done:
            break;
    }
    throw FtpError(closeKind_,
                   closeReason_.isEmpty() ? QStringLiteral("Not Connected") : closeReason_);
}

void FtpClient::sendRaw(const QByteArray& command, const QString& shown) {
    if (state_ == State::Disconnected)
        throw FtpError(closeKind_,
                       closeReason_.isEmpty() ? QStringLiteral("Not Connected") : closeReason_);
    ++outstanding_;
    control_->write(command + "\r\n");
    emit onStatus(shown.isNull() ? text(command.toStdString()) : shown);
}

void FtpClient::send(const QByteArray& command, const QString& shown) {
    // With nothing outstanding, anything queued is a late answer no command is waiting for.
    if (outstanding_ == 0) replies_.clear();
    sendRaw(command, shown);
}

QByteArray FtpClient::argument(const QString& name) const {
    const QByteArray bytes = codec_.encode(name);
    if (!isSafeArgument(bytes))
        throw FtpError(FtpError::Reason::Local,
                       QStringLiteral("Invalid name \"%1\": it holds a line break").arg(name));
    return bytes;
}

FtpReply FtpClient::readReply(quint64 generation, bool skipPreliminary) {
    for (;;) {
        const WaitEnd end = waitUntil([this] { return !replies_.empty(); }, timeoutMs_, generation);
        if (end != WaitEnd::Done) throwWaitEnd(end);
        FtpReply reply = std::move(replies_.front());
        replies_.pop_front();
        if (skipPreliminary && reply.preliminary()) continue;
        return reply;
    }
}

void FtpClient::refuse(CmdType kind, const FtpReply& reply) {
    emit onFailure(kind);
    throw FtpError(FtpError::Reason::Refused, text(reply.lastLine()));
}

QString FtpClient::text(const std::string& bytes) const {
    return codec_.decode(QByteArray::fromStdString(printable(bytes)));
}

// --- connect, login, disconnect, abort ---

void FtpClient::connectHost() {
    using R = FtpError::Reason;
    if (state_ != State::Disconnected) throw FtpError(R::Busy, QStringLiteral("Already connected"));
    const std::optional<HostPort> hp = parseHostPort(host_.trimmed().toStdString());
    if (!hp) {
        emit onInvalidHost();
        throw FtpError(R::Connect, QStringLiteral("Null Remote Address"));
    }
    replies_.clear();
    assembler_.reset();
    codec_ = NameCodec(false);
    binary_ = false;
    epsvRefused_ = false;
    outstanding_ = 0;
    serverType_.clear();
    closeReason_.clear();
    const quint64 generation = abortGeneration_;

    auto failConnect = [this](const QString& message) {
        control_->abort();
        setState(State::Disconnected);
        emit onConnectionFailed();
        throw FtpError(R::Connect, message);
    };

    setState(State::Connecting);
    control_->connectToHost(QString::fromStdString(hp->host), hp->port);
    const WaitEnd end = waitUntil(
        [this] {
            const auto s = control_->state();
            return s == QAbstractSocket::ConnectedState || s == QAbstractSocket::UnconnectedState;
        },
        timeoutMs_, generation);
    if (end == WaitEnd::Timeout) failConnect(QStringLiteral("Connection Timed out"));
    if (end == WaitEnd::Aborted) failConnect(QStringLiteral("Connection Canceled"));
    if (control_->state() != QAbstractSocket::ConnectedState) {
        if (control_->error() == QAbstractSocket::HostNotFoundError) {
            control_->abort();
            setState(State::Disconnected);
            emit onInvalidHost();
            throw FtpError(R::Connect, QStringLiteral("Null Remote Address"));
        }
        failConnect(QStringLiteral("Connection Failed"));
    }

    control_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    setState(State::LoggingIn);
    try {
        login(generation);
        learnServer(generation);
    } catch (const FtpError& e) {
        QString message = QString::fromStdString(e.what());
        bool connectionFailed = true;
        switch (e.reason()) {
            case R::Timeout:
                message = QStringLiteral("Connection Timed out");
                break;
            case R::Aborted:
                message = QStringLiteral("Connection Canceled");
                break;
            case R::Closed:
                message = QStringLiteral("Connection Failed");
                break;
            default:
                connectionFailed = false;
                break;  // refused login, garbled reply: as said
        }
        closeControl(message, e.reason());
        if (connectionFailed) emit onConnectionFailed();
        throw FtpError(connectionFailed ? R::Connect : e.reason(), message);
    }
    setState(State::Ready);
    try {
        emit onConnect();
    } catch (...) {
        disconnectHost();
        throw;
    }
}

void FtpClient::login(quint64 generation) {
    FtpReply reply = readReply(generation);  // the greeting; 120 "ready soon" is skipped
    if (!reply.positive()) throw FtpError(FtpError::Reason::Refused, text(reply.lastLine()));
    send("USER " + argument(user_));
    reply = readReply(generation);
    if (reply.code == 331) {
        send("PASS " + argument(password_), QStringLiteral("PASS "));
        reply = readReply(generation);
    }
    // 332 asks for an account, which we have none of.
    if (!reply.positive()) throw FtpError(FtpError::Reason::Refused, text(reply.lastLine()));
}

void FtpClient::learnServer(quint64 generation) {
    send("SYST");
    FtpReply reply = readReply(generation);
    if (reply.positive())
        serverType_ =
            text(reply.lastLine().substr(std::min<std::size_t>(4, reply.lastLine().size())));
    send("FEAT");
    reply = readReply(generation);
    if (reply.positive() && featuresListUtf8(reply)) {
        codec_ = NameCodec(true);
        // Some servers switch to UTF-8 only when asked; a refusal changes nothing.
        send("OPTS UTF8 ON");
        readReply(generation);
    }
}

void FtpClient::disconnectHost() {
    switch (state_) {
        case State::Disconnected:
        case State::Closing:
            return;
        case State::Connecting:
        case State::LoggingIn:
            abort();
            return;
        default:
            break;
    }
    if (state_ == State::Transferring) abort();
    // An operation still waiting below us ends when control returns to it.
    const quint64 generation = ++abortGeneration_;
    setState(State::Closing);
    try {
        send("QUIT");
        waitUntil(
            [this] {
                return std::any_of(replies_.begin(), replies_.end(),
                                   [](const FtpReply& r) { return r.code == 221; });
            },
            std::min(timeoutMs_, kQuitWaitMs), generation);
    } catch (const FtpError&) {
        // The connection is gone already; closing below is all that is left to do.
    }
    closeControl(QStringLiteral("Not Connected"), FtpError::Reason::NotConnected);
    replies_.clear();  // answers to the aborted commands: nobody reads them now
}

void FtpClient::abort() {
    switch (state_) {
        case State::Connecting:
        case State::LoggingIn:
            ++abortGeneration_;
            wake();
            return;
        case State::Transferring:
            ++abortGeneration_;
            if (data_) data_->close();
            sendAbor();
            wake();
            return;
        default:
            return;  // a plain command cannot be called back; disconnect ends it
    }
}

void FtpClient::sendAbor() {
    try {
        sendRaw("ABOR", QString());
    } catch (const FtpError&) {
        // Not connected any more: nothing to abort.
    }
}

// --- plain commands ---

FtpReply FtpClient::simple(CmdType kind, const QByteArray& command) {
    Operation op(*this, State::Busy);
    send(command);
    FtpReply reply = readReply(op.generation);
    if (!reply.positive()) refuse(kind, reply);
    emit onSuccess(kind);
    return reply;
}

QString FtpClient::currentDirectory() {
    const FtpReply reply = simple(CmdType::CurrentDir, "PWD");
    for (const std::string& line : reply.lines)
        if (line.find('"') != std::string::npos)
            return codec_.decode(QByteArray::fromStdString(pwdDirectory(line)));
    return QString();
}

void FtpClient::changeDirectory(const QString& name) {
    simple(CmdType::ChangeDir, "CWD " + argument(name));
}

void FtpClient::makeDirectory(const QString& name) {
    simple(CmdType::MakeDir, "MKD " + argument(name));
}

void FtpClient::removeDirectory(const QString& name) {
    simple(CmdType::RemoveDir, "RMD " + argument(name));
}

void FtpClient::deleteFile(const QString& name) {
    simple(CmdType::Delete, "DELE " + argument(name));
}

void FtpClient::setBinaryMode() {
    simple(CmdType::Other, "TYPE I");
    binary_ = true;
}

void FtpClient::rename(const QString& oldName, const QString& newName) {
    const QByteArray from = argument(oldName);
    const QByteArray to = argument(newName);
    Operation op(*this, State::Busy);
    send("RNFR " + from);
    FtpReply reply = readReply(op.generation);
    if (!reply.intermediate()) refuse(CmdType::Rename, reply);  // 350 asks for RNTO
    send("RNTO " + to);
    reply = readReply(op.generation);
    if (!reply.positive()) refuse(CmdType::Rename, reply);
    emit onSuccess(CmdType::Rename);
}

}  // namespace sorxfer
