// The sorxfer window's transfers and file commands, driven through its buttons and lists
// against the test server, with the scripted prompter answering every question.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "SorxferWindow.h"
#include "platform/ui/FileControls.h"

namespace sorxfer::test {
namespace {

using wf::Answer;
using wf::MsgKind;
using wf::PromptEvent;

QString quoted(const char* before, const QString& name, const char* after) {
    return QString(before) + "\"" + name + "\"" + after;
}

void expectMessages(const wf::ScriptedPrompter& p,
                    const std::vector<std::pair<MsgKind, QString>>& expected) {
    const auto got = p.eventsOf(PromptEvent::Type::Message);
    ASSERT_EQ(got.size(), expected.size()) << p.messages().join("\n").toStdString();
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].kind, expected[i].first) << i;
        EXPECT_EQ(got[i].text, expected[i].second) << i;
    }
}

// --- transfers ---

TEST_F(WindowTest, UploadOfThreeFilesSendsEachInOrderAndListsOnce) {
    const QStringList names{"a.txt", "b.bin", "c.htm"};
    for (int i = 0; i < names.size(); ++i)
        writeFile(local(names[i]), patternBytes(20000 + i * 3000, static_cast<unsigned>(i)));
    connectToServer();
    selectItems(form->FileListBox1, names);
    ASSERT_TRUE(form->BtnXferLocal->isEnabled());
    seen.clear();
    form->BtnXferLocal->click();

    int at = 0;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const qint64 size = QFileInfo(local(name)).size();
        const int uploading = seenAt(quoted("Uploading ", name, ""), at);
        const int type = seenAt("TYPE I", uploading);
        const int stor = seenAt("STOR " + name, type);
        const int progress = seenAt(QString("%1 of %1 bytes sent").arg(size), stor);
        const int done = seenAt("Upload Successful", progress);
        EXPECT_GE(uploading, at);
        EXPECT_GT(type, uploading);
        EXPECT_GT(stor, type);
        EXPECT_GT(progress, stor);
        EXPECT_GT(done, progress);
        at = done;
        EXPECT_EQ(readAll(remote(name)), readAll(local(name)));
    }
    EXPECT_EQ(seenCount("Reading Remote Directory"), 1);
    EXPECT_GT(seenAt("Reading Remote Directory"), at);
    EXPECT_EQ(items(form->LbFileRemote), names);
    EXPECT_TRUE(prompter.messages().isEmpty());
    // While a file moved the log held only its progress line, then the lines after it.
    EXPECT_FALSE(logLines().contains(quoted("Uploading ", names[0], "")));
}

TEST_F(WindowTest, UploadAfterTheConnectionClosedEndsWithNotConnected) {
    writeFile(local("a.txt"), "a");
    connectToServer();
    clickItem(form->FileListBox1, "a.txt");
    form->BtnDisconnect->click();
    ASSERT_TRUE(form->BtnXferLocal->isEnabled());
    form->BtnXferLocal->click();
    EXPECT_GE(seenAt(quoted("Uploading ", "a.txt", "")), 0);
    expectMessages(prompter, {{MsgKind::Error, "Not Connected"}});
}

class DownloadTest : public WindowTest, public ::testing::WithParamInterface<bool> {
  protected:
    bool sizeStated() const { return GetParam(); }
    QStringList serverArgs() const override {
        return sizeStated() ? QStringList{} : QStringList{"--no-size"};
    }
};

TEST_P(DownloadTest, ReplacesAnExistingFileWithoutAskingAndBeepsOnce) {
    const QByteArray bytes = patternBytes(70000, 7);
    writeFile(remote("page.html"), bytes);
    writeFile(remote("other.txt"), "not wanted");
    writeFile(local("page.html"), "old local text");
    connectToServer();
    clickItem(form->FileListBox1, "page.html");
    ASSERT_TRUE(form->BtnXferLocal->isEnabled());
    clickItem(form->LbFileRemote, "page.html");
    ASSERT_TRUE(form->btnXferRemote->isEnabled());
    prompter.clear();
    seen.clear();
    form->btnXferRemote->click();

    EXPECT_EQ(readAll(local("page.html")), bytes);
    EXPECT_FALSE(QFileInfo::exists(local("other.txt")));
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(prompter.beeps(), 1);
    EXPECT_FALSE(form->BtnXferLocal->isEnabled());
    EXPECT_EQ(form->FileListBox1->fileNames(), QStringList{"page.html"});
    // The log was emptied for the last progress line; no per-file or success line.
    const qint64 total = sizeStated() ? bytes.size() : 0;
    EXPECT_EQ(logLines().first(), QString("%1 of %2 bytes received").arg(bytes.size()).arg(total));
    EXPECT_GE(seenAt("TYPE I"), 0);
    EXPECT_LT(seenAt("Reading Remote Directory"), 0);
    for (const QString& line : seen)
        EXPECT_FALSE(line.startsWith("Uploading")) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Size, DownloadTest, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "SizeInReply" : "NoSizeInReply");
});

// A slow server, so that a transfer is still moving when the test acts.
class SlowServerTest : public WindowTest {
  protected:
    QStringList serverArgs() const override { return {"--throttle", "65536"}; }
};

TEST_F(SlowServerTest, DisconnectDuringAnUploadAbortsItAndLogsOut) {
    writeFile(local("big.bin"), patternBytes(1 << 20, 3));
    writeFile(local("next.bin"), "the second file");
    connectToServer();
    selectItems(form->FileListBox1, {"big.bin", "next.bin"});

    bool sawRunning = false, othersOff = false, disconnectLive = false, refreshRefused = false;
    QObject context;
    QObject::connect(form->NMFTP1, &FtpClient::onPacketSent, &context, [&] {
        if (sawRunning) return;
        sawRunning = form->commandRunning();
        othersOff = !form->BtnRefreshRemote->isEnabled() && !form->btnXferRemote->isEnabled() &&
                    !form->BtnXferLocal->isEnabled() && !form->btnDeleteRemote->isEnabled();
        disconnectLive = form->BtnDisconnect->isEnabled() && form->btnQuit->isEnabled();
        // A second FTP command pressed now is refused.
        const qsizetype before = seenCount("Reading Remote Directory");
        form->BtnRefreshRemoteClick();
        refreshRefused = seenCount("Reading Remote Directory") == before;
        form->BtnDisconnect->click();
    });
    form->BtnXferLocal->click();

    EXPECT_TRUE(sawRunning);
    EXPECT_TRUE(othersOff);
    EXPECT_TRUE(disconnectLive);
    EXPECT_TRUE(refreshRefused);
    EXPECT_GE(seenAt("ABOR"), 0);
    EXPECT_GT(seenAt("Disconnected"), seenAt("ABOR"));
    EXPECT_LT(seenAt("Upload Successful"), 0);
    EXPECT_LT(seenAt(quoted("Uploading ", "next.bin", "")), 0);  // the rest is not sent
    EXPECT_FALSE(QFileInfo::exists(remote("next.bin")));
    EXPECT_LT(QFileInfo(remote("big.bin")).size(), 1 << 20);
    EXPECT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join("\n").toStdString();
    EXPECT_FALSE(form->commandRunning());
    EXPECT_FALSE(form->NMFTP1->isConnected());
    EXPECT_TRUE(form->BtnConnect->isEnabled());
    EXPECT_FALSE(form->BtnDisconnect->isEnabled());
}

TEST_F(SlowServerTest, QuitDuringADownloadAbortsItAndCloses) {
    writeFile(remote("big.bin"), patternBytes(1 << 20, 4));
    writeFile(local("big.bin"), "the old copy");
    connectToServer();
    clickItem(form->LbFileRemote, "big.bin");
    QObject context;
    QObject::connect(form->NMFTP1, &FtpClient::onPacketRecvd, &context, [&] {
        if (form->isVisible()) form->btnQuit->click();
    });
    form->btnXferRemote->click();

    EXPECT_FALSE(form->isVisible());
    EXPECT_GE(seenAt("QUIT"), 0);
    EXPECT_FALSE(form->NMFTP1->isConnected());
    EXPECT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join("\n").toStdString();
    // An unfinished download leaves the local file as it was.
    EXPECT_EQ(readAll(local("big.bin")), "the old copy");
}

// --- remote commands ---

TEST_F(WindowTest, RemoteDeleteOfThreeFilesWithTheSecondRefusedGoesOn) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) writeFile(remote(name), name);
    connectToServer();
    selectItems(form->LbFileRemote, {"a.txt", "b.txt", "c.txt"});
    ASSERT_TRUE(QFile::remove(remote("b.txt")));  // the server refuses DELE b.txt now
    // The warning box takes its OK from the same queue of answers.
    for (Answer a : {Answer::Yes, Answer::Yes, Answer::Ok, Answer::Yes}) prompter.answer(a);
    seen.clear();
    form->btnDeleteRemote->click();

    expectMessages(prompter, {{MsgKind::Confirmation, quoted("Delete File ", "a.txt", "?")},
                              {MsgKind::Confirmation, quoted("Delete File ", "b.txt", "?")},
                              {MsgKind::Warning, "Cannot delete file"},
                              {MsgKind::Confirmation, quoted("Delete File ", "c.txt", "?")}});
    EXPECT_FALSE(QFileInfo::exists(remote("a.txt")));
    EXPECT_FALSE(QFileInfo::exists(remote("c.txt"))) << seen.join("\n").toStdString();
    EXPECT_GE(seenAt("Operation Failed"), 0);
    EXPECT_EQ(seenCount("Reading Remote Directory"), 1);
    EXPECT_TRUE(items(form->LbFileRemote).isEmpty());
}

TEST_F(WindowTest, RemoteDeleteSkipsTheFileAnsweredNo) {
    for (const char* name : {"a.txt", "b.txt"}) writeFile(remote(name), name);
    connectToServer();
    selectItems(form->LbFileRemote, {"a.txt", "b.txt"});
    prompter.answer(Answer::No);
    prompter.answer(Answer::Yes);
    form->btnDeleteRemote->click();
    EXPECT_TRUE(QFileInfo::exists(remote("a.txt")));
    EXPECT_FALSE(QFileInfo::exists(remote("b.txt")));
    EXPECT_EQ(items(form->LbFileRemote), QStringList{"a.txt"});
}

TEST_F(WindowTest, RemoteDeleteOfAFolderWarnsWhenTheServerRefuses) {
    ASSERT_TRUE(QDir(server->root()).mkpath("full/inner"));
    ASSERT_TRUE(QDir(server->root()).mkdir("empty"));
    connectToServer();
    struct Case {
        const char* folder;
        bool removed;
    };
    for (const Case& c : {Case{"full", false}, Case{"empty", true}}) {
        SCOPED_TRACE(c.folder);
        prompter.clear();
        clickItem(form->LbDirRemote, c.folder);
        prompter.answer(Answer::Yes);
        form->btnDeleteRemote->click();
        const QString question = quoted("Delete Directory ", c.folder, "?");
        if (c.removed)
            expectMessages(prompter, {{MsgKind::Confirmation, question}});
        else
            expectMessages(prompter, {{MsgKind::Confirmation, question},
                                      {MsgKind::Warning, "Cannot remove directory"}});
        EXPECT_EQ(QFileInfo::exists(remote(c.folder)), !c.removed);
        EXPECT_EQ(items(form->LbDirRemote).contains(c.folder), !c.removed);
    }
}

TEST_F(WindowTest, RemoteRenameWithDotDotHighlightedRenamesNothing) {
    writeFile(remote("a.txt"), "a");
    connectToServer();
    clickItem(form->LbFileRemote, "a.txt");
    clickItem(form->LbDirRemote, "..");
    form->btnRenameRemote->click();
    expectMessages(prompter, {{MsgKind::Information, "Cannot rename directory"}});
    EXPECT_TRUE(prompter.eventsOf(PromptEvent::Type::Input).empty());
    EXPECT_EQ(QDir(server->root()).entryList(QDir::Files), QStringList{"a.txt"});
}

TEST_F(WindowTest, CancelInAnInputBoxSkipsThatFileOnly) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) writeFile(remote(name), name);
    connectToServer();
    selectItems(form->LbFileRemote, {"a.txt", "b.txt", "c.txt"});
    prompter.input(QString("a2.txt"));
    prompter.input(std::nullopt);
    prompter.input(QString("c2.txt"));
    form->btnRenameRemote->click();

    const auto asked = prompter.eventsOf(PromptEvent::Type::Input);
    ASSERT_EQ(asked.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const QString name = QStringList{"a.txt", "b.txt", "c.txt"}[static_cast<int>(i)];
        EXPECT_EQ(asked[i].caption, "Rename File");
        EXPECT_EQ(asked[i].text, quoted("New name for ", name, "?"));
        EXPECT_EQ(asked[i].initial, name);
    }
    EXPECT_EQ(QDir(server->root()).entryList(QDir::Files),
              (QStringList{"a2.txt", "b.txt", "c2.txt"}));
    EXPECT_EQ(items(form->LbFileRemote), (QStringList{"a2.txt", "b.txt", "c2.txt"}));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, RemoteMakeDirAsksUnderTheCurrentDirectory) {
    ASSERT_TRUE(QDir(server->root()).mkdir("sub"));
    connectToServer();
    doubleClickItem(form->LbDirRemote, "sub");
    prompter.input(QString("made"));
    form->btnMakeDirRemote->click();
    const auto asked = prompter.eventsOf(PromptEvent::Type::Input);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "New directory under");
    EXPECT_EQ(asked[0].text, "/sub");
    EXPECT_TRUE(asked[0].initial.isEmpty());
    EXPECT_TRUE(QFileInfo(remote("sub/made")).isDir());
    EXPECT_EQ(items(form->LbDirRemote), (QStringList{"..", "made"}));
}

// --- local commands ---

TEST_F(WindowTest, LocalDeleteOfAFolderRemovesOnlyAnEmptyOne) {
    ASSERT_TRUE(QDir(localDir()).mkpath("full/inner"));
    ASSERT_TRUE(QDir(localDir()).mkdir("empty"));
    form->DirectoryListBox1->setDirectory(localDir());
    struct Case {
        const char* folder;
        MsgKind kind;
        const char* text;
    };
    for (const Case& c : {Case{"full", MsgKind::Warning, "Cannot remove directory"},
                          Case{"empty", MsgKind::Information, "Directory removed"}}) {
        SCOPED_TRACE(c.folder);
        prompter.clear();
        clickItem(form->DirectoryListBox1, c.folder);
        prompter.answer(Answer::Yes);
        form->BtnDeleteLocal->click();
        const QString path = QDir(localDir()).filePath(c.folder);
        expectMessages(prompter, {{MsgKind::Confirmation, quoted("Delete Directory ", path, "?")},
                                  {c.kind, c.text}});
        EXPECT_EQ(QFileInfo::exists(path), c.kind == MsgKind::Warning);
    }
    // The open folder is highlighted again after the re-read.
    EXPECT_EQ(form->DirectoryListBox1->highlightedIndex(), form->DirectoryListBox1->openIndex());
}

TEST_F(WindowTest, LocalDeleteOfFilesAsksForEachAfterAClickInTheFileList) {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) writeFile(local(name), name);
    form->DirectoryListBox1->setDirectory(localDir());
    // Right after opening, Delete offers the open folder itself; No leaves it.
    prompter.answer(Answer::No);
    form->BtnDeleteLocal->click();
    expectMessages(prompter,
                   {{MsgKind::Confirmation,
                     quoted("Delete Directory ", form->DirectoryListBox1->directory(), "?")}});
    prompter.clear();
    selectItems(form->FileListBox1, {"a.txt", "b.txt", "c.txt"});
    prompter.answer(Answer::Yes);
    prompter.answer(Answer::No);
    prompter.answer(Answer::Yes);
    form->BtnDeleteLocal->click();
    expectMessages(prompter, {{MsgKind::Confirmation, quoted("Delete File ", "a.txt", "?")},
                              {MsgKind::Confirmation, quoted("Delete File ", "b.txt", "?")},
                              {MsgKind::Confirmation, quoted("Delete File ", "c.txt", "?")}});
    EXPECT_EQ(form->FileListBox1->fileNames(), QStringList{"b.txt"});
    EXPECT_TRUE(form->FileListBox1->selectedFileNames().isEmpty());
    EXPECT_FALSE(form->BtnXferLocal->isEnabled());
}

TEST_F(WindowTest, LocalRenameOfFilesSkipsACancelledOneAndNeverReplaces) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "taken.txt"}) writeFile(local(name), name);
    form->DirectoryListBox1->setDirectory(localDir());
    selectItems(form->FileListBox1, {"a.txt", "b.txt", "c.txt"});
    prompter.input(QString("a2.txt"));
    prompter.input(std::nullopt);
    prompter.input(QString("taken.txt"));
    form->BtnRenameLocal->click();

    const auto asked = prompter.eventsOf(PromptEvent::Type::Input);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].caption, "Rename File");
    EXPECT_EQ(asked[0].text, quoted(" New name for file ", "a.txt", ""));
    EXPECT_EQ(asked[0].initial, "a.txt");
    EXPECT_EQ(form->FileListBox1->fileNames(),
              (QStringList{"a2.txt", "b.txt", "c.txt", "taken.txt"}));
    EXPECT_EQ(readAll(local("taken.txt")), "taken.txt");
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, LocalRenameOfAFolderOpensItUnderItsNewName) {
    ASSERT_TRUE(QDir(localDir()).mkdir("old"));
    writeFile(local("old/inside.txt"), "x");
    form->DirectoryListBox1->setDirectory(localDir());
    clickItem(form->DirectoryListBox1, "old");
    prompter.input(QString("new"));
    form->BtnRenameLocal->click();
    const auto asked = prompter.eventsOf(PromptEvent::Type::Input);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "Rename Directory");
    EXPECT_EQ(asked[0].text, quoted("New name for Directory ", "old", ""));
    EXPECT_TRUE(asked[0].initial.isEmpty());
    EXPECT_EQ(QDir(form->DirectoryListBox1->directory()), QDir(local("new")));
    EXPECT_EQ(form->FileListBox1->fileNames(), QStringList{"inside.txt"});
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, LocalMakeDirAndChDir) {
    form->DirectoryListBox1->setDirectory(localDir());
    const QString open = form->DirectoryListBox1->directory();
    prompter.input(QString("made"));
    form->BtnMakeDirLocal->click();
    auto asked = prompter.eventsOf(PromptEvent::Type::Input);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "New directory under");
    EXPECT_EQ(asked[0].text, open + "/");
    EXPECT_TRUE(QFileInfo(local("made")).isDir());

    // An existing name ends with the file system's error.
    prompter.input(QString("made"));
    form->BtnMakeDirLocal->click();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith("Cannot create folder"));

    // ChDir opens the highlighted folder, and does nothing with none highlighted.
    clickItem(form->DirectoryListBox1, "made");
    form->BtnChDirLocal->click();
    EXPECT_EQ(QDir(form->DirectoryListBox1->directory()), QDir(local("made")));
    form->DirectoryListBox1->clearHighlight();
    form->BtnChDirLocal->click();
    EXPECT_EQ(QDir(form->DirectoryListBox1->directory()), QDir(local("made")));
}

}  // namespace
}  // namespace sorxfer::test
