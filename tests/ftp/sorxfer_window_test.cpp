// The sorxfer window: its controls at start, connecting through the connect dialog and the
// status log, the remote listing, changing the remote directory, the selection rules, closing.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "SorxferWindow.h"
#include "ftp/cabout.h"
#include "platform/ui/FileControls.h"
#include "platform/ui/HelpWindow.h"

namespace sorxfer::test {
namespace {

using wf::PromptEvent;

struct ButtonCase {
    const char* name;
    const char* caption;
    const char* hint;
    bool enabledAtStart;
};

const ButtonCase kButtons[] = {
    {"BtnConnect", "&Connect", "", true},
    {"BtnDisconnect", "&Disconnect", "", false},
    {"btnHelp", "Help", "", true},
    {"btnAbout", "About", "", true},
    {"btnQuit", "&Quit", "", true},
    {"BtnChDirLocal", "ChDir", "Change local directory", true},
    {"BtnMakeDirLocal", "MakeDir", "Create local directory", true},
    {"BtnDeleteLocal", "Delete", "Delete local file or directory", true},
    {"BtnRenameLocal", "Rename", "Rename local file or directory", true},
    {"btnRefreshLocal", "Refresh", "Refresh local file and directory lists", true},
    {"BtnXferLocal", "---->", "Upload file to remote.", false},
    {"BtnChDirRemote", "ChDir", "Change Remote Directory", false},
    {"btnMakeDirRemote", "MakeDir", "Create Remote Directory", false},
    {"btnDeleteRemote", "Delete", "Delete Remote directory or Files", false},
    {"btnRenameRemote", "Rename", "Rename Remote File or directory", false},
    {"BtnRefreshRemote", "Refresh", "Refresh Remote File List", false},
    {"btnXferRemote", "<----", "Download from Remote", false},
};

// The buttons whose state the connection decides.
const char* const kRemoteCommands[] = {"BtnChDirRemote", "btnMakeDirRemote", "btnDeleteRemote",
                                       "btnRenameRemote", "BtnRefreshRemote"};

void expectConnectedButtons(TForm1& form, bool connected) {
    EXPECT_EQ(form.BtnConnect->isEnabled(), !connected);
    EXPECT_EQ(form.BtnDisconnect->isEnabled(), connected);
    for (const char* name : kRemoteCommands)
        EXPECT_EQ(form.findChild<QPushButton*>(name)->isEnabled(), connected) << name;
}

TEST_F(WindowTest, StartsWithItsControlsCaptionsHintsAndStates) {
    EXPECT_EQ(form->windowTitle(), "Sorrel's FTP");
    EXPECT_EQ(form->size(), QSize(452, 394));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    for (const ButtonCase& c : kButtons) {
        SCOPED_TRACE(c.name);
        auto* b = form->findChild<QPushButton*>(c.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString(c.caption));
        EXPECT_EQ(b->toolTip(), QString(c.hint));
        EXPECT_EQ(b->isEnabled(), c.enabledAtStart);
        // Nothing clipped at the fixed size.
        EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(QString(c.caption).remove('&')));
        EXPECT_TRUE(form->rect().contains(QRect(b->mapTo(form.get(), QPoint(0, 0)), b->size())));
    }
    for (const char* name :
         {"Panel1", "PnlLocal", "PnlRemote", "PnlStatus", "DriveComboBox1", "DirectoryListBox1",
          "FilterComboBox1", "FileListBox1", "EditCurrentDir", "LbDirRemote", "LbFileRemote",
          "Memo1", "MemoAttrib", "MemoName", "NMFTP1"})
        EXPECT_NE(form->findChild<QObject*>(name), nullptr) << name;

    // The filter entries, the first chosen.
    ASSERT_EQ(form->FilterComboBox1->count(), 3);
    EXPECT_EQ(form->FilterComboBox1->itemText(0), "All files (*.*)");
    EXPECT_EQ(form->FilterComboBox1->itemText(1), "HTML Files (*.html;*.htm)");
    EXPECT_EQ(form->FilterComboBox1->itemText(2), "Graphics Files");
    EXPECT_EQ(form->FilterComboBox1->currentIndex(), 0);
    EXPECT_EQ(form->FilterComboBox1->mask(), "*.*");
    form->FilterComboBox1->setCurrentIndex(2);
    EXPECT_EQ(form->FileListBox1->mask(), "*.jpg;*.gif;*.png");

    EXPECT_TRUE(form->FileListBox1->multiSelect());
    EXPECT_EQ(form->LbDirRemote->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(form->LbFileRemote->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(form->EditCurrentDir->isReadOnly());
    EXPECT_TRUE(form->Memo1->isReadOnly());
    EXPECT_TRUE(form->Memo1->isVisible());
    EXPECT_EQ(form->Memo1->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_FALSE(form->MemoAttrib->isVisible());
    EXPECT_FALSE(form->MemoName->isVisible());
    EXPECT_EQ(form->MemoName->lineWrapMode(), QPlainTextEdit::NoWrap);
    // The local pane shows the process's folder; the remote pane is empty.
    EXPECT_EQ(QDir(form->DirectoryListBox1->directory()), QDir(QDir::currentPath()));
    EXPECT_EQ(form->LbDirRemote->count(), 0);
    EXPECT_EQ(form->LbFileRemote->count(), 0);
}

TEST_F(WindowTest, ConnectLogsItsStepsAndShowsAnEmptyRemoteFolder) {
    // The host field takes name:port; the local pane opens the dialog's folder first.
    QFile(local("here.txt")).open(QIODevice::WriteOnly);
    connectToServer();
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.first(), "Connecting");
    const int connected = seenAt("Connected");
    const int reading = seenAt("Reading Remote Directory", connected);
    const int listed = seenAt("List Successful", reading);
    EXPECT_GT(connected, 0);
    EXPECT_GT(reading, connected);
    EXPECT_GT(listed, reading);
    EXPECT_GE(seenAt("USER " + FtpTestServer::user()), 0);
    EXPECT_GE(seenAt("PASS "), 0);  // the password itself is never logged
    EXPECT_FALSE(seen.join("\n").contains(FtpTestServer::password()));
    EXPECT_EQ(prompter.beeps(), 1);  // with "List Successful"

    EXPECT_EQ(items(form->LbDirRemote), QStringList{".."});
    EXPECT_TRUE(items(form->LbFileRemote).isEmpty());
    EXPECT_EQ(form->EditCurrentDir->text(), "/");
    EXPECT_EQ(QDir(form->DirectoryListBox1->directory()), QDir(localDir()));
    EXPECT_EQ(form->FileListBox1->fileNames(), QStringList{"here.txt"});
    expectConnectedButtons(*form, true);
    // A second connect cannot start.
    EXPECT_FALSE(form->BtnConnect->isEnabled());
}

TEST_F(WindowTest, CancelledConnectKeepsTheLogAndTheState) {
    form->log("earlier line");
    prompter.dialog([](QDialog&) { return false; });
    form->BtnConnect->click();
    EXPECT_EQ(logLines(), (QStringList{"earlier line", "Connect cancelled"}));
    expectConnectedButtons(*form, false);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

struct FailureCase {
    const char* name;
    enum Host { Server, Empty, ClosedPort } host;
    bool wrongPassword;
    bool missingFolder;
    const char* logged;     // a line the log must show; "" for none
    const char* errorText;  // start of the error box's text
};

const FailureCase kFailures[] = {
    {"MissingLocalFolder", FailureCase::Server, false, true, "", "Cannot open folder"},
    {"InvalidHost", FailureCase::Empty, false, false, "Invalid Host", "Null Remote Address"},
    {"Unreachable", FailureCase::ClosedPort, false, false, "Connection Failed",
     "Connection Failed"},
    {"RefusedLogin", FailureCase::Server, true, false, "Disconnected", "530"},
};

class ConnectFailure : public WindowTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ConnectFailure, IsLoggedShownAndLeavesTheWindowDisconnected) {
    const FailureCase& c = GetParam();
    QString host = server->hostWithPort();
    if (c.host == FailureCase::Empty) host = "";
    if (c.host == FailureCase::ClosedPort) host = "127.0.0.1:1";  // nothing listens there
    const QString folder = c.missingFolder ? local("no such folder") : localDir();
    connectWith(host, FtpTestServer::user(),
                c.wrongPassword ? QString("wrong") : FtpTestServer::password(), folder);

    const auto errors = prompter.eventsOf(PromptEvent::Type::Message);
    ASSERT_EQ(errors.size(), 1u) << prompter.messages().join("\n").toStdString();
    EXPECT_EQ(errors[0].kind, wf::MsgKind::Error);
    EXPECT_TRUE(errors[0].text.startsWith(c.errorText)) << errors[0].text.toStdString();
    if (c.missingFolder) {
        EXPECT_LT(seenAt("Connecting"), 0);  // stopped before any connection was tried
    } else {
        EXPECT_EQ(seenAt("Connecting"), 0);
    }
    if (*c.logged) {
        EXPECT_GT(seenAt(c.logged), 0) << seen.join("|").toStdString();
    }
    EXPECT_LT(seenAt("Connected"), 0);
    EXPECT_FALSE(form->NMFTP1->isConnected());
    expectConnectedButtons(*form, false);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConnectFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// A server that refuses every listing.
class RefusedListTest : public WindowTest {
  protected:
    QStringList serverArgs() const override { return {"--refuse", "LIST"}; }
};

TEST_F(RefusedListTest, FirstListingRefusedEndsTheConnectionAgain) {
    connectWith(server->hostWithPort(), FtpTestServer::user(), FtpTestServer::password(),
                localDir());
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith("550")) << prompter.messages()[0].toStdString();
    const int failed = seenAt("Operation Failed", seenAt("Connected"));
    EXPECT_GT(failed, 0);
    EXPECT_GT(seenAt("Disconnected", failed), failed);
    EXPECT_FALSE(form->NMFTP1->isConnected());
    expectConnectedButtons(*form, false);
    EXPECT_EQ(form->LbDirRemote->count(), 0);
}

// A server whose listings carry "." and ".." themselves.
class DotEntriesTest : public WindowTest {
  protected:
    QStringList serverArgs() const override { return {"--dot-entries"}; }
};

TEST_F(DotEntriesTest, ListedDotAndDotDotShowAsFoldersBesideOurOwnDotDot) {
    ASSERT_TRUE(QDir(server->root()).mkdir("sub"));
    writeFile(remote("page.html"), "x");
    connectToServer();
    EXPECT_TRUE(form->MemoName->toPlainText().split('\n').contains("."));
    EXPECT_EQ(items(form->LbDirRemote), (QStringList{".", "..", "..", "sub"}));
    EXPECT_EQ(items(form->LbFileRemote), (QStringList{"page.html"}));
}

TEST_F(WindowTest, ListingSplitsFoldersFromFilesSortedWithTheColumnsKept) {
    QDir root(server->root());
    ASSERT_TRUE(root.mkdir("beta"));
    ASSERT_TRUE(root.mkdir("Alpha"));
    writeFile(remote("b.txt"), "b");
    writeFile(remote("A.txt"), "a");
    writeFile(remote("data files"), "blank in the name");
    ASSERT_TRUE(QFile::link(remote("beta"), remote("link")));  // a link counts as a file
    connectToServer();

    EXPECT_EQ(items(form->LbDirRemote), (QStringList{"..", "Alpha", "beta"}));
    EXPECT_EQ(items(form->LbFileRemote), (QStringList{"A.txt", "b.txt", "data files", "link"}));
    const QStringList attributes = form->MemoAttrib->toPlainText().split('\n');
    const QStringList names = form->MemoName->toPlainText().split('\n');
    ASSERT_EQ(attributes.size(), 6);
    ASSERT_EQ(names.size(), 6);
    for (int i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i].toStdString());
        const QChar kind = names[i] == "link"                    ? 'l'
                           : QFileInfo(remote(names[i])).isDir() ? 'd'
                                                                 : '-';
        EXPECT_EQ(attributes[i].at(0), kind);
    }
}

TEST_F(WindowTest, DoubleClickChangesIntoAFolderAndBackUpThroughDotDot) {
    ASSERT_TRUE(QDir(server->root()).mkdir("sub"));
    writeFile(remote("sub/inner.txt"), "x");
    connectToServer();

    doubleClickItem(form->LbDirRemote, "sub");
    EXPECT_GE(seenAt("Changing Directory to \"sub \""), 0);
    EXPECT_GE(seenAt("ChangeDir Successful"), 0);
    EXPECT_EQ(form->EditCurrentDir->text(), "/sub");
    EXPECT_EQ(items(form->LbFileRemote), QStringList{"inner.txt"});

    seen.clear();
    doubleClickItem(form->LbDirRemote, "..");
    const int line = seenAt("Changing Directory to \".. \"");
    EXPECT_EQ(line, 0);
    EXPECT_GT(seenAt("CWD ..", line), line);
    EXPECT_GT(seenAt("Reading Remote Directory", line), line);
    EXPECT_EQ(form->EditCurrentDir->text(), "/");
    EXPECT_EQ(items(form->LbDirRemote), (QStringList{"..", "sub"}));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, RefusedChangeOfDirectoryShowsTheReplyAndKeepsTheListing) {
    ASSERT_TRUE(QDir(server->root()).mkdir("gone"));
    connectToServer();
    ASSERT_TRUE(QDir(server->root()).rmdir("gone"));  // someone else removed it
    clickItem(form->LbDirRemote, "gone");
    seen.clear();
    form->BtnChDirRemote->click();

    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith("550")) << prompter.messages()[0].toStdString();
    EXPECT_EQ(logLines().last(), "Operation Failed");
    EXPECT_LT(seenAt("Reading Remote Directory"), 0);
    EXPECT_EQ(items(form->LbDirRemote), (QStringList{"..", "gone"}));
    EXPECT_EQ(form->EditCurrentDir->text(), "/");
    expectConnectedButtons(*form, true);
}

TEST_F(WindowTest, RefreshReadsTheRemoteFolderAgain) {
    connectToServer();
    writeFile(remote("new.txt"), "n");
    form->BtnRefreshRemote->click();
    EXPECT_EQ(items(form->LbFileRemote), QStringList{"new.txt"});
}

TEST_F(WindowTest, SelectionRulesDecideTheTransferButtons) {
    writeFile(local("a.txt"), "a");
    ASSERT_TRUE(QDir(localDir()).mkdir("sub"));
    writeFile(remote("r.txt"), "r");
    ASSERT_TRUE(QDir(server->root()).mkdir("rsub"));

    // Before connecting, a click on a file enables no transfer.
    form->DirectoryListBox1->setDirectory(localDir());
    clickItem(form->FileListBox1, "a.txt");
    EXPECT_FALSE(form->BtnXferLocal->isEnabled());

    connectToServer();
    clickItem(form->FileListBox1, "a.txt");
    EXPECT_TRUE(form->BtnXferLocal->isEnabled());
    EXPECT_EQ(form->DirectoryListBox1->highlightedIndex(), -1);
    clickItem(form->DirectoryListBox1, "sub");
    EXPECT_FALSE(form->BtnXferLocal->isEnabled());
    EXPECT_TRUE(form->FileListBox1->selectedFileNames().isEmpty());

    clickItem(form->LbFileRemote, "r.txt");
    EXPECT_TRUE(form->btnXferRemote->isEnabled());
    clickItem(form->LbDirRemote, "rsub");
    EXPECT_FALSE(form->btnXferRemote->isEnabled());
    EXPECT_TRUE(selected(form->LbFileRemote).isEmpty());
    clickItem(form->LbFileRemote, "r.txt");
    EXPECT_TRUE(selected(form->LbDirRemote).isEmpty());

    // The transfer buttons keep their state when the connection closes.
    clickItem(form->FileListBox1, "a.txt");
    form->BtnDisconnect->click();
    EXPECT_TRUE(seen.contains("Disconnected"));
    EXPECT_TRUE(form->BtnXferLocal->isEnabled());
    EXPECT_TRUE(form->btnXferRemote->isEnabled());
    EXPECT_TRUE(form->EditCurrentDir->text().isEmpty());
    EXPECT_EQ(form->LbDirRemote->count(), 0);
    EXPECT_EQ(form->LbFileRemote->count(), 0);
    expectConnectedButtons(*form, false);
}

TEST_F(WindowTest, ClosingWhileConnectedLogsOut) {
    connectToServer();
    form->btnQuit->click();
    EXPECT_FALSE(form->isVisible());
    const int quit = seenAt("QUIT");
    EXPECT_GT(quit, 0);
    EXPECT_GT(seenAt("Disconnected", quit), quit);
    EXPECT_FALSE(form->NMFTP1->isConnected());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(WindowTest, HelpShowsTheManualAndAboutTheBox) {
    form->btnHelp->click();
    auto* help = form->findChild<wf::HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->fileName(), appDir() + "sorrelxfer.hlp");
    EXPECT_TRUE(help->isVisible());

    // The shipped manual is a readable HTML page.
    QFile manual(WF_BIN_DIR "/sorrelxfer.hlp");
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_TRUE(manual.readAll().contains("<h1>Sorrel's FTP</h1>"));

    QString caption, version;
    prompter.dialog([&](QDialog& d) {
        caption = d.windowTitle();
        if (auto* label = d.findChild<QLabel*>("Version")) version = label->text();
        return true;
    });
    form->btnAbout->click();
    EXPECT_EQ(caption, "About Sorrel's FTP");
    EXPECT_EQ(version, "Version 1.1");
    EXPECT_FALSE(form->AboutBox->isVisible());
}

}  // namespace
}  // namespace sorxfer::test
