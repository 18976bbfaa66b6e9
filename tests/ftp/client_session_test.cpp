// FtpClient against a real server: login, the events and status texts of a session, the
// directory commands and their refusals, in active and passive mode.
#include <QDir>
#include <QFile>
#include <functional>

#include "FtpTestServer.h"

namespace sorxfer::test {
namespace {

// Each expected event appears, in this order (others may stand between them).
void expectInOrder(const QStringList& events, const QStringList& expected) {
    int at = 0;
    for (const QString& e : expected) {
        const int found = static_cast<int>(events.indexOf(e, at));
        ASSERT_GE(found, 0) << "missing or out of order: " << e.toStdString() << "\nevents:\n"
                            << events.join('\n').toStdString();
        at = found + 1;
    }
}

class Session : public ServerTest {};

TEST_P(Session, WholeSessionRaisesEventsAndStatusTextsInOrder) {
    EventLog log(client);
    connectClient();
    EXPECT_EQ(client.currentDirectory(), "/");
    const DirectoryList empty = client.list();
    EXPECT_TRUE(empty.names.isEmpty());
    client.disconnectHost();
    EXPECT_FALSE(client.isConnected());

    const QString dataCommand = passive() ? "status:EPSV" : "status:PORT";
    expectInOrder(log.events,
                  {"status:220 pyftpdlib 1.5.7 ready.", "status:USER tester",
                   "status:331 Username ok, send password.", "status:PASS ",
                   "status:230 Login successful.", "status:SYST", "status:215 UNIX Type: L8",
                   "status:FEAT", "status:211-Features supported:", "status: UTF8",
                   "status:211 End FEAT.", "status:OPTS UTF8 ON", "connect", "status:PWD",
                   "status:257 \"/\" is the current directory.", "success:15"});
    // The listing: data connection, LIST, its replies, the byte count, success.
    const int list = log.indexOf("status:LIST");
    ASSERT_GT(list, 0);
    EXPECT_TRUE(log.events[list - 2].startsWith(dataCommand)) << log.events[list - 2].toStdString();
    expectInOrder(log.events.mid(list),
                  {"status:226 Transfer complete.", "status:Received 0 bytes", "success:4",
                   "status:QUIT", "status:221 Goodbye.", "disconnect"});
    EXPECT_EQ(log.events.last(), "disconnect");
    EXPECT_EQ(log.events.count("connect"), 1);
    EXPECT_EQ(log.events.count("disconnect"), 1);
    for (const QString& e : log.events)
        EXPECT_FALSE(e.contains(FtpTestServer::password()))
            << "password shown: " << e.toStdString();
    EXPECT_TRUE(client.serverType().contains("UNIX"));
    EXPECT_TRUE(client.utf8Names());
}

TEST_P(Session, RefusedLoginEndsWithTheServersReply) {
    client.setPassword("wrong");
    EventLog log(client);
    try {
        client.connectHost();
        FAIL() << "login with a wrong password succeeded";
    } catch (const FtpError& e) {
        EXPECT_EQ(e.reason(), FtpError::Reason::Refused);
        EXPECT_EQ(QString::fromStdString(e.what()), "530 Authentication failed.");
    }
    EXPECT_FALSE(client.isConnected());
    EXPECT_EQ(log.indexOf("connect"), -1);
    EXPECT_EQ(log.indexOf("connectionFailed"), -1);
    // The client can try again at once, this time with the right password.
    client.setPassword(FtpTestServer::password());
    connectClient();
}

TEST_P(Session, ListingGivesBothColumnsWithBlanksAndLinks) {
    ASSERT_TRUE(QDir(server->root()).mkdir("images"));
    ASSERT_TRUE(QDir(server->root()).mkdir("my folder"));
    writeFile(server->rootFile("data files.txt"), "12345");
    writeFile(server->rootFile("index.html"), "<html>");
    ASSERT_TRUE(QFile::link("data files.txt", server->rootFile("my link")));
    connectClient();
    const DirectoryList l = client.list();
    ASSERT_EQ(l.names.size(), 5) << l.names.join('|').toStdString();
    ASSERT_EQ(l.attributes.size(), l.names.size());
    QMap<QString, QString> byName;
    for (int i = 0; i < l.names.size(); ++i) byName[l.names[i]] = l.attributes[i];
    EXPECT_TRUE(byName.value("images").startsWith('d'));
    EXPECT_TRUE(byName.value("my folder").startsWith('d'));
    EXPECT_TRUE(byName.value("data files.txt").startsWith('-'));
    EXPECT_TRUE(byName.value("index.html").startsWith('-'));
    EXPECT_TRUE(byName.value("my link").startsWith('l'));
}

TEST_P(Session, ChangeDirectoryIntoAFolderAndBack) {
    ASSERT_TRUE(QDir(server->root()).mkpath("sub dir/inner"));
    EventLog log(client);
    connectClient();
    client.changeDirectory("sub dir");
    EXPECT_EQ(client.currentDirectory(), "/sub dir");
    EXPECT_EQ(client.list().names, QStringList{"inner"});
    client.changeDirectory("..");
    EXPECT_EQ(client.currentDirectory(), "/");
    expectInOrder(log.events, {"status:CWD sub dir", "success:0", "status:CWD ..", "success:0"});
}

// One directory or file command, a setup that makes it work and one that makes it refused.
struct CommandCase {
    const char* name;
    CmdType kind;
    std::function<void(FtpClient&)> run;
    std::function<void(const FtpTestServer&)> prepareGood;
    std::function<bool(const FtpTestServer&)> done;  // the server's folder shows the effect
    std::function<void(const FtpTestServer&)> prepareBad = [](const FtpTestServer&) {};
};

std::vector<CommandCase> commandCases() {
    auto exists = [](const FtpTestServer& s, const char* n) {
        return QFile::exists(s.rootFile(n));
    };
    return {
        {"MakeDir", CmdType::MakeDir, [](FtpClient& c) { c.makeDirectory("new dir"); },
         [](const FtpTestServer&) {},
         [=](const FtpTestServer& s) { return QFileInfo(s.rootFile("new dir")).isDir(); },
         [](const FtpTestServer& s) { QDir(s.root()).mkdir("new dir"); }},
        {"RemoveDir", CmdType::RemoveDir, [](FtpClient& c) { c.removeDirectory("old dir"); },
         [](const FtpTestServer& s) { QDir(s.root()).mkdir("old dir"); },
         [=](const FtpTestServer& s) { return !exists(s, "old dir"); }},
        {"Delete", CmdType::Delete, [](FtpClient& c) { c.deleteFile("gone.txt"); },
         [](const FtpTestServer& s) { writeFile(s.rootFile("gone.txt"), "x"); },
         [=](const FtpTestServer& s) { return !exists(s, "gone.txt"); }},
        {"Rename", CmdType::Rename, [](FtpClient& c) { c.rename("a b.txt", "c d.txt"); },
         [](const FtpTestServer& s) { writeFile(s.rootFile("a b.txt"), "x"); },
         [=](const FtpTestServer& s) { return exists(s, "c d.txt") && !exists(s, "a b.txt"); }},
        {"ChangeDir", CmdType::ChangeDir, [](FtpClient& c) { c.changeDirectory("there"); },
         [](const FtpTestServer& s) { QDir(s.root()).mkdir("there"); },
         [](const FtpTestServer&) { return true; }},
    };
}

class Commands : public ServerTest {};

TEST_P(Commands, EachCommandWorksAndReportsSuccess) {
    for (const CommandCase& c : commandCases()) {
        SCOPED_TRACE(c.name);
        c.prepareGood(*server);
        EventLog log(client);
        if (!client.isConnected()) connectClient();
        c.run(client);
        EXPECT_TRUE(c.done(*server));
        EXPECT_EQ(log.events.last(), "success:" + QString::number(static_cast<int>(c.kind)));
        client.changeDirectory("/");
    }
}

TEST_P(Commands, EachRefusedCommandRaisesFailureThenThrowsTheReplyLine) {
    // Every command names something that is not there (or, for MKD, already is).
    connectClient();
    for (const CommandCase& c : commandCases()) {
        SCOPED_TRACE(c.name);
        c.prepareBad(*server);
        EventLog log(client);
        try {
            c.run(client);
            ADD_FAILURE() << "refused command did not throw";
        } catch (const FtpError& e) {
            EXPECT_EQ(e.reason(), FtpError::Reason::Refused);
            ASSERT_GE(log.events.size(), 2);
            EXPECT_EQ(log.events.last(), "failure:" + QString::number(static_cast<int>(c.kind)));
            const QString reply = log.events[log.events.size() - 2];
            ASSERT_TRUE(reply.startsWith("status:5")) << log.events.join("\n").toStdString();
            EXPECT_EQ("status:" + QString::fromStdString(e.what()), reply);
        }
        EXPECT_TRUE(client.isConnected());
    }
}

TEST_P(Commands, OperationsWhileNotConnectedSayNotConnected) {
    const std::vector<std::function<void()>> ops = {
        [&] { client.currentDirectory(); },
        [&] { client.list(); },
        [&] { client.changeDirectory("x"); },
        [&] { client.setBinaryMode(); },
        [&] { client.upload(server->rootFile("x"), "x"); },
        [&] { client.download("x", server->rootFile("y")); }};
    for (const auto& op : ops) {
        try {
            op();
            ADD_FAILURE() << "operation ran without a connection";
        } catch (const FtpError& e) {
            EXPECT_EQ(std::string(e.what()), "Not Connected");
            EXPECT_EQ(e.reason(), FtpError::Reason::NotConnected);
        }
    }
    client.disconnectHost();  // harmless when not connected
    EXPECT_FALSE(client.isConnected());
}

TEST_P(Commands, NamesWithLineBreaksAreNeverSent) {
    writeFile(server->rootFile("victim"), "keep");
    EventLog log(client);
    connectClient();
    EXPECT_THROW(client.makeDirectory("x\r\nDELE victim"), FtpError);
    EXPECT_THROW(client.rename("victim", "y\nDELE victim"), FtpError);
    EXPECT_TRUE(QFile::exists(server->rootFile("victim")));
    for (const QString& e : log.events) EXPECT_FALSE(e.contains("DELE")) << e.toStdString();
    EXPECT_EQ(client.currentDirectory(), "/");  // the connection is still in step
}

TEST_P(Commands, ServerNamesInUtf8ComeBackUnchanged) {
    const QString name = QString::fromUtf8(
        "Gr\xc3\xbc\xc3\x9f"
        "e \xe2\x82\xac.txt");
    writeFile(QDir(server->root()).filePath(name), "utf8");
    connectClient();
    EXPECT_EQ(client.list().names, QStringList{name});
    client.rename(name, name + "2");
    EXPECT_TRUE(QFile::exists(QDir(server->root()).filePath(name + "2")));
}

INSTANTIATE_TEST_SUITE_P(Modes, Session, ::testing::Bool(), modeName);
INSTANTIATE_TEST_SUITE_P(Modes, Commands, ::testing::Bool(), modeName);

class RefusedRnto : public ServerTest {
  protected:
    QStringList serverArgs() const override { return {"--refuse", "RNTO"}; }
};

TEST_P(RefusedRnto, SecondStepRefusedIsAFailedRename) {
    writeFile(server->rootFile("a.txt"), "x");
    EventLog log(client);
    connectClient();
    EXPECT_THROW(client.rename("a.txt", "b.txt"), FtpError);
    expectInOrder(log.events,
                  {"status:RNFR a.txt", "status:350 Ready for destination name.",
                   "status:RNTO b.txt", "status:550 Refused by the test server.", "failure:5"});
    EXPECT_TRUE(QFile::exists(server->rootFile("a.txt")));
}

INSTANTIATE_TEST_SUITE_P(Modes, RefusedRnto, ::testing::Values(false), modeName);

}  // namespace
}  // namespace sorxfer::test
