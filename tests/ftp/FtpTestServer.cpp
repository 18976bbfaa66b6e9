// The pyftpdlib test server and the event recorder.
#include "FtpTestServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>

#ifndef WF_PYTHON
#define WF_PYTHON "python3"
#endif

namespace sorxfer::test {

FtpTestServer::FtpTestServer(const QStringList& extraArgs, const QString& bindHost)
    : bindHost_(bindHost) {
    if (!root_.isValid()) {
        error_ = QStringLiteral("no temporary folder");
        return;
    }
    QStringList args{QStringLiteral(WF_TEST_FIXTURES "/ftpserver.py"),
                     "--root",
                     root_.path(),
                     "--user",
                     user(),
                     "--password",
                     password(),
                     "--host",
                     bindHost};
    args += extraArgs;
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(WF_PYTHON), args);
    if (!process_.waitForStarted(10000)) {
        error_ = QStringLiteral("cannot start ") + WF_PYTHON + ": " + process_.errorString();
        return;
    }
    // The server prints "PORT n" once it listens.
    QByteArray out;
    QDeadlineTimer deadline(15000);
    while (!out.contains('\n') && !deadline.hasExpired()) {
        if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) break;
        out += process_.readAllStandardOutput();
    }
    const QByteArray line = out.left(out.indexOf('\n')).trimmed();
    if (!line.startsWith("PORT ")) {
        error_ = QStringLiteral("server did not report its port: ") + QString::fromLatin1(out);
        return;
    }
    port_ = static_cast<quint16>(line.mid(5).toUInt());
}

FtpTestServer::~FtpTestServer() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString FtpTestServer::hostWithPort() const {
    const QString h = bindHost_.contains(':') ? "[" + bindHost_ + "]" : bindHost_;
    return h + ":" + QString::number(port_);
}

EventLog::EventLog(FtpClient& client) {
    QObject::connect(&client, &FtpClient::onConnect, &context, [this] { events << "connect"; });
    QObject::connect(&client, &FtpClient::onDisconnect, &context,
                     [this] { events << "disconnect"; });
    QObject::connect(&client, &FtpClient::onStatus, &context,
                     [this](const QString& t) { events << "status:" + t; });
    QObject::connect(&client, &FtpClient::onSuccess, &context, [this](CmdType k) {
        events << "success:" + QString::number(static_cast<int>(k));
    });
    QObject::connect(&client, &FtpClient::onFailure, &context, [this](CmdType k) {
        events << "failure:" + QString::number(static_cast<int>(k));
    });
    QObject::connect(&client, &FtpClient::onConnectionFailed, &context,
                     [this] { events << "connectionFailed"; });
    QObject::connect(&client, &FtpClient::onInvalidHost, &context,
                     [this] { events << "invalidHost"; });
    QObject::connect(&client, &FtpClient::onPacketSent, &context, [this] { ++packetsSent; });
    QObject::connect(&client, &FtpClient::onPacketRecvd, &context, [this] { ++packetsRecvd; });
}

QStringList EventLog::statuses() const {
    QStringList out;
    for (const QString& e : events)
        if (e.startsWith("status:")) out << e.mid(7);
    return out;
}

void setUp(FtpClient& client, const FtpTestServer& server, bool passive, int timeoutMs) {
    client.setHost(server.hostWithPort());
    client.setUserID(FtpTestServer::user());
    client.setPassword(FtpTestServer::password());
    client.setPassive(passive);
    client.setTimeout(timeoutMs);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray patternBytes(qsizetype size, unsigned seed) {
    QByteArray out(size, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    for (qsizetype i = 0; i < size; ++i) out[i] = static_cast<char>(gen.generate() & 0xFF);
    return out;
}

void ServerTest::SetUp() {
    server = std::make_unique<FtpTestServer>(serverArgs());
    ASSERT_TRUE(server->started()) << server->startError().toStdString();
    setUp(client, *server, passive());
}

void ServerTest::connectClient() {
    client.connectHost();
    ASSERT_TRUE(client.isConnected());
}

std::string modeName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "Passive" : "Active";
}

}  // namespace sorxfer::test
