// FtpClient against servers that misbehave or cannot be reached: every case ends with a clear
// error within the timeout, never a hang or a crash. Also connection errors, passive-mode
// fallbacks, IPv6, the name encodings, and the data port's check of who connects.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "FtpTestServer.h"
#include "ftp/FtpDataChannel.h"

namespace sorxfer::test {
namespace {

constexpr int kShortTimeout = 1000;

struct HostileCase {
    const char* name;
    QStringList serverArgs;
    FtpError::Reason reason;
    const char* messagePart;
};

class HostileServer : public ::testing::TestWithParam<HostileCase> {};

// The server misbehaves when asked for PWD; the command ends with an error, the connection is
// closed and reported, and the client can connect again.
TEST_P(HostileServer, CommandEndsWithAClearErrorAndTheConnectionCloses) {
    const HostileCase& c = GetParam();
    FtpTestServer server(c.serverArgs);
    ASSERT_TRUE(server.started()) << server.startError().toStdString();
    FtpClient client;
    setUp(client, server, false, kShortTimeout);
    EventLog log(client);
    client.connectHost();
    try {
        client.currentDirectory();
        FAIL() << "hostile reply accepted";
    } catch (const FtpError& e) {
        EXPECT_EQ(e.reason(), c.reason) << e.what();
        EXPECT_TRUE(QString::fromStdString(e.what()).contains(c.messagePart)) << e.what();
    }
    EXPECT_FALSE(client.isConnected());
    EXPECT_EQ(log.events.count("disconnect"), 1);
    EXPECT_THROW(client.currentDirectory(), FtpError);  // "Not Connected" now
    client.connectHost();  // a fresh connection works (the server misbehaves on PWD only)
    EXPECT_TRUE(client.isConnected());
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostileServer,
    ::testing::Values(
        HostileCase{"stopsAnswering", {"--silent", "PWD"}, FtpError::Reason::Timeout, "Timed out"},
        HostileCase{"garbled", {"--garble", "PWD"}, FtpError::Reason::Protocol, "Garbled reply"},
        HostileCase{"endlessLine", {"--long", "PWD"}, FtpError::Reason::Protocol, "too long"},
        HostileCase{"closes421",
                    {"--close421", "PWD"},
                    FtpError::Reason::Refused,
                    "421 Service closing control connection."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostileServer, A421IsARefusalWithItsKind) {
    FtpTestServer server({"--close421", "CWD"});
    ASSERT_TRUE(server.started());
    FtpClient client;
    setUp(client, server, false, kShortTimeout);
    EventLog log(client);
    client.connectHost();
    EXPECT_THROW(client.changeDirectory("x"), FtpError);
    const int reply = log.indexOf("status:421 Service closing control connection.");
    ASSERT_GE(reply, 0);
    EXPECT_GT(log.indexOf("failure:0", reply), reply);
    EXPECT_GT(log.indexOf("disconnect", reply), reply);
}

TEST(HostileServer, DownloadFromAServerThatStopsKeepsTheLocalFile) {
    FtpTestServer server({"--silent", "RETR"});
    ASSERT_TRUE(server.started());
    writeFile(server.rootFile("f"), "remote");
    QTemporaryDir local;
    writeFile(local.filePath("f"), "local");
    for (bool passive : {false, true}) {
        FtpClient client;
        setUp(client, server, passive, kShortTimeout);
        client.connectHost();
        try {
            client.download("f", local.filePath("f"));
            ADD_FAILURE() << "download from a silent server succeeded";
        } catch (const FtpError& e) {
            EXPECT_EQ(e.reason(), FtpError::Reason::Timeout);
        }
        EXPECT_EQ(readAll(local.filePath("f")), "local");
        EXPECT_EQ(QDir(local.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST(HostileServer, ListingRefusedBeforeTheDataMoves) {
    FtpTestServer server({"--refuse", "LIST=450"});
    ASSERT_TRUE(server.started());
    FtpClient client;
    setUp(client, server, true, kShortTimeout);
    EventLog log(client);
    client.connectHost();
    try {
        client.list();
        FAIL();
    } catch (const FtpError& e) {
        EXPECT_EQ(std::string(e.what()), "450 Refused by the test server.");
    }
    EXPECT_EQ(log.events.last(), "failure:4");
    EXPECT_EQ(client.currentDirectory(), "/");
}

// --- connecting ---

TEST(Connecting, NoGreetingTimesOut) {
    FtpTestServer server({"--mute"});
    ASSERT_TRUE(server.started());
    FtpClient client;
    setUp(client, server, false, kShortTimeout);
    EventLog log(client);
    try {
        client.connectHost();
        FAIL();
    } catch (const FtpError& e) {
        EXPECT_EQ(std::string(e.what()), "Connection Timed out");
    }
    EXPECT_TRUE(log.events.contains("connectionFailed"));
    EXPECT_FALSE(log.events.contains("connect"));
    EXPECT_EQ(client.state(), FtpClient::State::Disconnected);
}

TEST(Connecting, AbortCancelsTheAttempt) {
    FtpTestServer server({"--mute"});
    ASSERT_TRUE(server.started());
    FtpClient client;
    setUp(client, server, false, 10000);
    EventLog log(client);
    QTimer::singleShot(200, &client, [&] { client.abort(); });
    try {
        client.connectHost();
        FAIL();
    } catch (const FtpError& e) {
        EXPECT_EQ(std::string(e.what()), "Connection Canceled");
    }
    EXPECT_TRUE(log.events.contains("connectionFailed"));
}

TEST(Connecting, NobodyListeningFails) {
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }  // closed again: nothing listens there now
    FtpClient client;
    client.setHost("127.0.0.1:" + QString::number(port));
    client.setTimeout(kShortTimeout);
    EventLog log(client);
    // What the window's handler does on a failed connection: abort; it must be harmless.
    QObject::connect(&client, &FtpClient::onConnectionFailed, [&] { client.abort(); });
    try {
        client.connectHost();
        FAIL();
    } catch (const FtpError& e) {
        EXPECT_EQ(std::string(e.what()), "Connection Failed");
        EXPECT_EQ(e.reason(), FtpError::Reason::Connect);
    }
    EXPECT_EQ(log.events, QStringList{"connectionFailed"});
}

TEST(Connecting, InvalidHostsAreNotLookedUp) {
    for (const char* host : {"", "bad host", "host:99999", "host:", "[::1"}) {
        FtpClient client;
        client.setHost(host);
        EventLog log(client);
        try {
            client.connectHost();
            ADD_FAILURE() << host;
        } catch (const FtpError& e) {
            EXPECT_EQ(std::string(e.what()), "Null Remote Address") << host;
        }
        EXPECT_EQ(log.events, QStringList{"invalidHost"}) << host;
    }
}

TEST(Connecting, AnErrorFromTheConnectHandlerDisconnectsAndIsPassedOn) {
    FtpTestServer server({"--refuse", "PWD"});
    ASSERT_TRUE(server.started());
    FtpClient client;
    setUp(client, server, false, kShortTimeout);
    EventLog log(client);
    // As the window's handler does: read the directory, which the server refuses.
    QObject::connect(&client, &FtpClient::onConnect, [&] { client.currentDirectory(); });
    try {
        client.connectHost();
        FAIL();
    } catch (const FtpError& e) {
        EXPECT_EQ(std::string(e.what()), "550 Refused by the test server.");
    }
    EXPECT_FALSE(client.isConnected());
    EXPECT_EQ(log.events.last(), "disconnect");
    EXPECT_TRUE(log.events.contains("status:QUIT"));
}

TEST(Connecting, GreetingRefusedEndsWithItsReply) {
    // A server at its connection limit greets with 421 and closes; a few lines of a raw
    // socket stand in for it.
    QTcpServer fake;
    ASSERT_TRUE(fake.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&fake, &QTcpServer::newConnection, [&] {
        QTcpSocket* s = fake.nextPendingConnection();
        s->write("421 Too many connections.\r\n");
        s->disconnectFromHost();
    });
    FtpClient client;
    client.setHost("127.0.0.1:" + QString::number(fake.serverPort()));
    client.setTimeout(kShortTimeout);
    try {
        client.connectHost();
        FAIL();
    } catch (const FtpError& e) {
        EXPECT_EQ(std::string(e.what()), "421 Too many connections.");
    }
    EXPECT_FALSE(client.isConnected());
}

TEST(Connecting, ReplyCutOffByTheServerClosingFails) {
    // The greeting's first line comes, its last never does: the server closes mid-reply.
    QTcpServer fake;
    ASSERT_TRUE(fake.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&fake, &QTcpServer::newConnection, [&] {
        QTcpSocket* s = fake.nextPendingConnection();
        s->write("220-Welcome, this greeting has more lines\r\n220-and then");
        s->disconnectFromHost();
    });
    FtpClient client;
    client.setHost("127.0.0.1:" + QString::number(fake.serverPort()));
    client.setTimeout(5000);
    EventLog log(client);
    try {
        client.connectHost();
        FAIL();
    } catch (const FtpError& e) {
        EXPECT_EQ(std::string(e.what()), "Connection Failed");
    }
    EXPECT_TRUE(log.events.contains("connectionFailed"));
    EXPECT_FALSE(client.isConnected());
}

// --- passive mode fallbacks, IPv6 ---

TEST(PassiveMode, FallsBackToPasvAndIgnoresTheAddressItNames) {
    // EPSV unknown; PASV names an address that is not the server's.
    FtpTestServer server({"--refuse", "EPSV=502", "--masquerade", "10.255.0.1"});
    ASSERT_TRUE(server.started());
    writeFile(server.rootFile("a"), "A");
    FtpClient client;
    setUp(client, server, true, kShortTimeout);
    EventLog log(client);
    client.connectHost();
    EXPECT_EQ(client.list().names, QStringList{"a"});
    EXPECT_EQ(client.list().names, QStringList{"a"});
    EXPECT_EQ(log.events.count("status:EPSV"), 1);  // not asked again once refused
    EXPECT_EQ(log.events.count("status:PASV"), 2);
}

TEST(Ipv6, ConnectsWithBracketsAndUsesEprt) {
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHostIPv6, 0)) GTEST_SKIP() << "no IPv6 loopback here";
    }
    FtpTestServer server({}, "::1");
    ASSERT_TRUE(server.started()) << server.startError().toStdString();
    writeFile(server.rootFile("six"), "6");
    for (bool passive : {false, true}) {
        FtpClient client;
        setUp(client, server, passive, 5000);
        EventLog log(client);
        client.connectHost();
        EXPECT_EQ(client.list().names, QStringList{"six"});
        bool eprt = false;
        for (const QString& e : log.events) eprt = eprt || e.startsWith("status:EPRT |2|::1|");
        EXPECT_EQ(eprt, !passive);
    }
}

// --- name encodings ---

void writeRaw(const QString& folder, const std::string& name, const std::string& content) {
    std::ofstream f(QFile::encodeName(folder).toStdString() + "/" + name, std::ios::binary);
    f << content;
}

TEST(NameEncoding, Latin1ServerNamesRoundTrip) {
    FtpTestServer server({"--no-utf8"});
    ASSERT_TRUE(server.started());
    writeRaw(server.root(), "caf\xe9.txt", "latin");
    FtpClient client;
    setUp(client, server, true, 5000);
    EventLog log(client);
    client.connectHost();
    EXPECT_FALSE(client.utf8Names());
    EXPECT_FALSE(log.events.contains("status:OPTS UTF8 ON"));
    const QStringList names = client.list().names;
    ASSERT_EQ(names, QStringList{QString::fromUtf8("caf\xc3\xa9.txt")});
    QTemporaryDir local;
    client.download(names[0], local.filePath("got"));
    EXPECT_EQ(readAll(local.filePath("got")), "latin");
}

TEST(NameEncoding, BytesThatAreNotUtf8SurviveOnAUtf8Server) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    writeRaw(server.root(), "\xe9t\xe9", "raw");
    FtpClient client;
    setUp(client, server, false, 5000);
    client.connectHost();
    ASSERT_TRUE(client.utf8Names());
    const QStringList names = client.list().names;
    ASSERT_EQ(names.size(), 1);
    QTemporaryDir local;
    client.download(names[0], local.filePath("got"));
    EXPECT_EQ(readAll(local.filePath("got")), "raw");
    client.rename(names[0], "plain");
    EXPECT_TRUE(QFile::exists(server.rootFile("plain")));
}

// --- the data port in active mode ---

TEST(DataPort, TakesTheConnectionOnlyFromTheServer) {
    FtpDataChannel channel;
    ASSERT_TRUE(channel.listen(QHostAddress::LocalHost, QHostAddress::LocalHost));
    QByteArray got;
    QBuffer sink(&got);
    sink.open(QIODevice::WriteOnly);
    channel.receiveTo(&sink);
    auto waitFor = [&](const std::function<bool()>& done) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    // Someone else (another loopback address) connects first, and is turned away.
    QTcpSocket stranger;
    if (!stranger.bind(QHostAddress("127.0.0.2"))) GTEST_SKIP() << "cannot bind 127.0.0.2";
    stranger.connectToHost(QHostAddress::LocalHost, channel.listenPort());
    stranger.write("forged");
    waitFor([&] { return stranger.state() == QAbstractSocket::UnconnectedState; });
    EXPECT_EQ(stranger.state(), QAbstractSocket::UnconnectedState);
    EXPECT_FALSE(channel.isOpen());
    // The server's own connection is taken.
    QTcpSocket real;
    real.connectToHost(QHostAddress::LocalHost, channel.listenPort());
    real.write("real data");
    real.disconnectFromHost();
    waitFor([&] { return channel.finished(); });
    EXPECT_TRUE(channel.finished());
    EXPECT_EQ(got, "real data");
}

}  // namespace
}  // namespace sorxfer::test
