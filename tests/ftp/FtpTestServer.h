// Test fixture: a pyftpdlib server on 127.0.0.1 with a temporary root, started per test,
// plus a recorder of every event an FtpClient raises.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "ftp/FtpClient.h"

namespace sorxfer::test {

// The server process; killed when the object goes. Extra arguments are the misbehaviour
// flags of ftpserver.py ("--silent", "PWD").
class FtpTestServer {
  public:
    explicit FtpTestServer(const QStringList& extraArgs = {},
                           const QString& bindHost = "127.0.0.1");
    ~FtpTestServer();
    FtpTestServer(const FtpTestServer&) = delete;
    FtpTestServer& operator=(const FtpTestServer&) = delete;

    bool started() const { return port_ != 0; }
    const QString& startError() const { return error_; }
    quint16 port() const { return port_; }
    QString hostWithPort() const;  // "127.0.0.1:port" or "[::1]:port"
    QString root() const { return root_.path(); }
    QString rootFile(const QString& name) const { return root_.filePath(name); }
    static QString user() { return QStringLiteral("tester"); }
    static QString password() { return QStringLiteral("s3cr3t pw"); }

  private:
    QTemporaryDir root_;
    QProcess process_;
    QString bindHost_;
    quint16 port_ = 0;
    QString error_;
};

// Everything the client raised, one line per event, in order:
// "connect", "disconnect", "status:<text>", "success:<kind>", "failure:<kind>",
// "connectionFailed", "invalidHost"; packet events are counted, not listed.
class EventLog {
  public:
    explicit EventLog(FtpClient& client);
    QObject context;  // the connections end with the log
    QStringList events;
    int packetsSent = 0;
    int packetsRecvd = 0;
    QStringList statuses() const;
    // Index of the first event equal to e at or after from; -1 when none.
    int indexOf(const QString& e, int from = 0) const {
        return static_cast<int>(events.indexOf(e, from));
    }
};

// A client set up for the server: host, user, password, a short timeout, the given mode.
void setUp(FtpClient& client, const FtpTestServer& server, bool passive, int timeoutMs = 5000);

// Bytes of a file (empty when missing).
QByteArray readAll(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Deterministic pseudo-random bytes, so a transfer that drops or reorders a block shows.
QByteArray patternBytes(qsizetype size, unsigned seed);

// Base of tests that run against a fresh server in active and in passive mode.
class ServerTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override;
    virtual QStringList serverArgs() const { return {}; }
    bool passive() const { return GetParam(); }
    void connectClient();

    std::unique_ptr<FtpTestServer> server;
    FtpClient client;
};

std::string modeName(const ::testing::TestParamInfo<bool>& info);

}  // namespace sorxfer::test
