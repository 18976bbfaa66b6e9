// FtpClient transfers against a real server: uploads and downloads compared byte for byte,
// totals and progress, aborts, failures that must leave local files alone, unsafe names.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "FtpTestServer.h"

namespace sorxfer::test {
namespace {

constexpr qsizetype kBig = 6 * 1024 * 1024 + 123;  // several blocks plus an odd tail

// Names of the files in a folder, to see that no temporary file is left behind.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

class Transfers : public ServerTest {
  protected:
    QTemporaryDir local;
    QString localFile(const QString& name) const { return local.filePath(name); }
};

TEST_P(Transfers, UploadAndDownloadKeepEveryByte) {
    const QByteArray data = patternBytes(kBig, 7);
    writeFile(localFile("up.bin"), data);
    EventLog log(client);
    std::vector<qint64> sentAtEvent, recvdAtEvent;
    QObject::connect(&client, &FtpClient::onPacketSent, &log.context,
                     [&] { sentAtEvent.push_back(client.bytesSent()); });
    QObject::connect(&client, &FtpClient::onPacketRecvd, &log.context,
                     [&] { recvdAtEvent.push_back(client.bytesRecvd()); });
    connectClient();
    client.setBinaryMode();
    client.upload(localFile("up.bin"), "remote copy.bin");
    EXPECT_EQ(readAll(server->rootFile("remote copy.bin")), data);
    EXPECT_EQ(client.bytesSent(), data.size());
    EXPECT_EQ(client.bytesTotal(), data.size());
    ASSERT_FALSE(sentAtEvent.empty());
    EXPECT_EQ(sentAtEvent.back(), data.size());  // the last event reports the whole file
    EXPECT_EQ(log.events.last(), "success:9");

    client.download("remote copy.bin", localFile("down.bin"));
    EXPECT_EQ(readAll(localFile("down.bin")), data);
    EXPECT_EQ(client.bytesRecvd(), data.size());
    EXPECT_EQ(client.bytesTotal(), data.size());  // from "(N bytes)" in the reply to RETR
    ASSERT_FALSE(recvdAtEvent.empty());
    EXPECT_EQ(recvdAtEvent.back(), data.size());
    const int n = static_cast<int>(log.events.size());
    EXPECT_EQ(log.events[n - 2], "status:Received " + QString::number(data.size()) + " bytes");
    EXPECT_EQ(log.events[n - 1], "success:8");
    EXPECT_EQ(filesIn(local.path()), (QStringList{"down.bin", "up.bin"}));
}

TEST_P(Transfers, EmptyFileTravelsBothWays) {
    writeFile(localFile("empty"), QByteArray());
    connectClient();
    client.upload(localFile("empty"), "empty");
    EXPECT_TRUE(QFile::exists(server->rootFile("empty")));
    writeFile(localFile("was full"), "old content");
    client.download("empty", localFile("was full"));
    EXPECT_EQ(QFileInfo(localFile("was full")).size(), 0);
}

TEST_P(Transfers, DownloadReplacesAnExistingFile) {
    writeFile(server->rootFile("page.html"), "new page");
    writeFile(localFile("page.html"), "an older and longer page");
    connectClient();
    client.download("page.html", localFile("page.html"));
    EXPECT_EQ(readAll(localFile("page.html")), "new page");
    EXPECT_EQ(filesIn(local.path()), QStringList{"page.html"});
}

TEST_P(Transfers, RefusedDownloadLeavesTheLocalFileAsItWas) {
    writeFile(localFile("keep.txt"), "precious");
    EventLog log(client);
    connectClient();
    EXPECT_THROW(client.download("missing.txt", localFile("keep.txt")), FtpError);
    EXPECT_EQ(readAll(localFile("keep.txt")), "precious");
    EXPECT_EQ(filesIn(local.path()), QStringList{"keep.txt"});
    EXPECT_EQ(log.events.last(), "failure:8");
    EXPECT_EQ(client.currentDirectory(), "/");  // still in step
}

TEST_P(Transfers, UnsafeRemoteNamesAreRefusedBeforeAnythingIsSent) {
    writeFile(server->rootFile("x"), "x");
    QDir(local.path()).mkdir("inner");
    connectClient();
    EventLog log(client);
    for (const char* name : {"../escape.txt", "a/b", "a\\b", ".", "..", "", "/etc/passwd"}) {
        try {
            client.download(QString::fromUtf8(name), local.filePath("inner/target"));
            ADD_FAILURE() << "downloaded " << name;
        } catch (const FtpError& e) {
            EXPECT_EQ(e.reason(), FtpError::Reason::Local) << name;
            EXPECT_TRUE(QString::fromStdString(e.what()).contains("not a plain file name"));
        }
    }
    EXPECT_TRUE(log.events.isEmpty()) << log.events.join('\n').toStdString();
    EXPECT_TRUE(filesIn(local.filePath("inner")).isEmpty());
    EXPECT_TRUE(filesIn(local.path()).isEmpty());
}

TEST_P(Transfers, LocalFilesThatCannotBeUsedEndBeforeTheServerIsAsked) {
    writeFile(server->rootFile("x"), "x");
    connectClient();
    EventLog log(client);
    EXPECT_THROW(client.upload(localFile("no such file"), "y"), FtpError);
    EXPECT_THROW(client.download("x", local.filePath("no such folder/x")), FtpError);
    EXPECT_TRUE(log.events.isEmpty()) << log.events.join('\n').toStdString();
    EXPECT_FALSE(QFile::exists(server->rootFile("y")));
}

INSTANTIATE_TEST_SUITE_P(Modes, Transfers, ::testing::Bool(), modeName);

class NoSizeServer : public Transfers {
  protected:
    QStringList serverArgs() const override { return {"--no-size"}; }
};

TEST_P(NoSizeServer, DownloadWithoutStatedSizeHasTotalZero) {
    const QByteArray data = patternBytes(300000, 3);
    writeFile(server->rootFile("f.bin"), data);
    std::vector<qint64> totals;
    QObject::connect(&client, &FtpClient::onPacketRecvd,
                     [&] { totals.push_back(client.bytesTotal()); });
    connectClient();
    client.download("f.bin", localFile("f.bin"));
    EXPECT_EQ(readAll(localFile("f.bin")), data);
    EXPECT_EQ(client.bytesTotal(), 0);
    EXPECT_EQ(client.bytesRecvd(), data.size());
    ASSERT_FALSE(totals.empty());
    for (qint64 t : totals) EXPECT_EQ(t, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, NoSizeServer, ::testing::Values(true), modeName);

// A slow server, so that a transfer is surely still running when it is aborted.
class SlowServer : public Transfers {
  protected:
    QStringList serverArgs() const override { return {"--throttle", "262144"}; }
};

TEST_P(SlowServer, AbortEndsADownloadAtOnceAndKeepsTheOldFile) {
    writeFile(server->rootFile("big.bin"), patternBytes(4 * 1024 * 1024, 5));
    writeFile(localFile("big.bin"), "old version");
    connectClient();
    // Abort once some data has come, from inside the transfer's event loop.
    QObject::connect(&client, &FtpClient::onPacketRecvd, [&] {
        if (client.bytesRecvd() > 0) client.abort();
    });
    try {
        client.download("big.bin", localFile("big.bin"));
        FAIL() << "aborted download completed";
    } catch (const FtpError& e) {
        EXPECT_EQ(e.reason(), FtpError::Reason::Aborted);
        EXPECT_EQ(std::string(e.what()), "Transfer aborted");
    }
    EXPECT_LT(client.bytesRecvd(), 4 * 1024 * 1024);
    EXPECT_EQ(readAll(localFile("big.bin")), "old version");
    EXPECT_EQ(filesIn(local.path()), QStringList{"big.bin"});
    // The connection stays usable and in step after ABOR.
    ASSERT_TRUE(client.isConnected());
    EXPECT_EQ(client.currentDirectory(), "/");
    EXPECT_EQ(client.list().names, QStringList{"big.bin"});
}

TEST_P(SlowServer, AbortEndsAnUpload) {
    writeFile(localFile("big.bin"), patternBytes(4 * 1024 * 1024, 6));
    connectClient();
    QTimer::singleShot(300, &client, [&] { client.abort(); });
    EXPECT_THROW(client.upload(localFile("big.bin"), "big.bin"), FtpError);
    ASSERT_TRUE(client.isConnected());
    EXPECT_EQ(client.currentDirectory(), "/");
}

TEST_P(SlowServer, DisconnectDuringATransferAbortsItAndCloses) {
    writeFile(server->rootFile("big.bin"), patternBytes(4 * 1024 * 1024, 8));
    EventLog log(client);
    connectClient();
    // What the window's Disconnect button does: abort, then disconnect.
    QTimer::singleShot(300, &client, [&] {
        client.abort();
        client.disconnectHost();
    });
    EXPECT_THROW(client.download("big.bin", localFile("big.bin")), FtpError);
    EXPECT_FALSE(client.isConnected());
    EXPECT_EQ(log.events.count("disconnect"), 1);
    EXPECT_TRUE(log.events.contains("status:QUIT"));
    EXPECT_FALSE(QFile::exists(localFile("big.bin")));
    EXPECT_TRUE(filesIn(local.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Modes, SlowServer, ::testing::Bool(), modeName);

}  // namespace
}  // namespace sorxfer::test
