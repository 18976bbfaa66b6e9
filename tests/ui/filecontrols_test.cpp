// The linked file controls over real folder trees: folder list entries and highlight, click and
// double-click, filters, file list selection and drag data, the drive box.
#include "platform/ui/FileControls.h"

#include "platform/Drives.h"
#include "platform/Error.h"
#include "platform/ui/ScriptedPrompter.h"
#include "tests/platform/TempDir.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <memory>

using namespace wf;

// Readable failure messages for Qt strings.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The entries a folder list must show for open below root: root, each folder down, then subs.
QStringList expectedChain(const QString& root, const QString& open) {
    QStringList paths{root};
    const QString below = open.mid(root == "/" ? 1 : root.size() + 1);
    QString path = root;
    for (const QString& name : below.split('/', Qt::SkipEmptyParts)) {
        path = (path == "/" ? "/" : path + "/") + name;
        paths << path;
    }
    return paths;
}

QStringList entryPaths(const DirectoryListBox& list) {
    QStringList paths;
    for (int i = 0; i < list.count(); ++i) paths << list.entryPath(i);
    return paths;
}

QPoint centreOf(QListWidget& list, int row) {
    return list.visualItemRect(list.item(row)).center();
}

void click(QListWidget& list, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, mods, centreOf(list, row));
}

void doubleClick(QListWidget& list, int row) {
    // A real double-click: press and release, then the double-click press and its release.
    const QPoint at = centreOf(list, row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

int rowOf(const DirectoryListBox& list, const QString& path) {
    for (int i = 0; i < list.count(); ++i)
        if (list.entryPath(i) == path) return i;
    return -1;
}

// A small web site: folders in mixed case, files of several kinds, hidden entries.
class FileControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* d : {"site/img", "site/css", "site/Docs", "site/.git", "site/sub.htm"})
            tmp.mkdir(d);
        for (const char* f : {"index.html", "about.htm", "Page.HTM", "style.css", "Unit1.pas",
                              "Proj.dpr", "readme", ".hidden.html", "notes.shtml"})
            tmp.write(std::string("site/") + f, "x");
        tmp.write("site/img/logo.gif", "x");
        site = q(tmp / "site");
    }

    wf::test::TempDir tmp;
    QString site;
};

}  // namespace

TEST_F(FileControlsTest, FolderListRunsFromTheDriveRootDownThenSortedSubFolders) {
    DirectoryListBox dirs;
    dirs.setDirectory(site + "/");  // a trailing separator is dropped
    EXPECT_EQ(dirs.directory(), site);

    QStringList expected = expectedChain(dirs.driveRoot(), site);
    const int openRow = static_cast<int>(expected.size()) - 1;
    expected << site + "/css" << site + "/Docs" << site + "/img" << site + "/sub.htm";
    EXPECT_EQ(entryPaths(dirs), expected);
    EXPECT_EQ(dirs.item(0)->text(), dirs.driveRoot());
    EXPECT_EQ(dirs.item(openRow)->text(), "site");
    EXPECT_EQ(dirs.item(openRow + 1)->text(), "css");
    EXPECT_EQ(dirs.openIndex(), openRow);
    EXPECT_EQ(dirs.highlightedIndex(), openRow);
    EXPECT_EQ(dirs.highlightedPath(), site);
    for (int i = 0; i <= openRow; ++i) EXPECT_EQ(dirs.entryLevel(i), i);
    EXPECT_EQ(dirs.entryLevel(openRow + 1), openRow + 1);
    EXPECT_EQ(dirs.entryLevel(openRow + 4), openRow + 1);
}

TEST_F(FileControlsTest, FolderListAtTheDriveRootShowsItsFoldersOnly) {
    DirectoryListBox dirs;
    dirs.setDirectory("/");
    EXPECT_EQ(dirs.directory(), "/");
    EXPECT_EQ(dirs.driveRoot(), "/");
    EXPECT_EQ(dirs.openIndex(), 0);
    ASSERT_GT(dirs.count(), 1);
    EXPECT_EQ(dirs.entryLevel(1), 1);
    EXPECT_EQ(dirs.entryPath(1).count('/'), 1);
}

TEST_F(FileControlsTest, OpenFolderIsHighlightedAfterEveryReread) {
    DirectoryListBox dirs;
    dirs.setDirectory(site);
    dirs.show();
    click(dirs, rowOf(dirs, site + "/img"));
    EXPECT_EQ(dirs.highlightedPath(), site + "/img");

    tmp.mkdir("site/Beta");
    dirs.reread();
    EXPECT_EQ(dirs.highlightedPath(), site);
    EXPECT_EQ(rowOf(dirs, site + "/Beta"), rowOf(dirs, site + "/css") - 1);  // sorted in

    dirs.clearHighlight();
    EXPECT_EQ(dirs.highlightedPath(), QString());
    EXPECT_EQ(dirs.highlightedIndex(), -1);
    dirs.reread();
    EXPECT_EQ(dirs.highlightedIndex(), dirs.openIndex());
}

TEST_F(FileControlsTest, ClickHighlightsAndDoubleClickOpens) {
    DirectoryListBox dirs;
    dirs.setDirectory(site);
    dirs.show();
    QSignalSpy changed(&dirs, &DirectoryListBox::directoryChanged);
    QSignalSpy clicked(&dirs, &DirectoryListBox::entryClicked);

    click(dirs, rowOf(dirs, site + "/Docs"));
    EXPECT_EQ(dirs.directory(), site);
    EXPECT_EQ(dirs.highlightedPath(), site + "/Docs");
    EXPECT_FALSE(clicked.isEmpty());
    EXPECT_TRUE(changed.isEmpty());

    doubleClick(dirs, rowOf(dirs, site + "/img"));
    EXPECT_EQ(dirs.directory(), site + "/img");
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().at(0).toString(), site + "/img");
    EXPECT_EQ(dirs.highlightedPath(), site + "/img");

    // Double-clicking an entry above goes back up.
    doubleClick(dirs, dirs.openIndex() - 1);
    EXPECT_EQ(dirs.directory(), site);
}

TEST_F(FileControlsTest, EnterOpensTheHighlightedFolder) {
    DirectoryListBox dirs;
    dirs.setDirectory(site);
    dirs.show();
    click(dirs, rowOf(dirs, site + "/css"));
    QTest::keyClick(&dirs, Qt::Key_Return);
    EXPECT_EQ(dirs.directory(), site + "/css");
}

TEST_F(FileControlsTest, FolderThatCannotBeOpenedIsRefusedAndTheListKept) {
    DirectoryListBox dirs;
    dirs.setDirectory(site);
    const QStringList before = entryPaths(dirs);
    const std::pair<QString, QString> cases[] = {
        {site + "/missing", "No such file or directory"},
        {site + "/index.html", "Not a directory"},
        {QString(), "No such file or directory"},
    };
    for (const auto& [path, reason] : cases) {
        try {
            dirs.setDirectory(path);
            ADD_FAILURE() << path.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), "Cannot open folder " + path + ": " + reason);
        }
        EXPECT_EQ(dirs.directory(), site);
        EXPECT_EQ(entryPaths(dirs), before);
    }
}

TEST_F(FileControlsTest, DoubleClickOnAVanishedFolderShowsTheErrorAndStays) {
    ScriptedPrompter script;
    DirectoryListBox dirs;
    dirs.setDirectory(site);
    dirs.show();
    std::filesystem::remove(tmp / "site/css");
    doubleClick(dirs, rowOf(dirs, site + "/css"));
    EXPECT_EQ(dirs.directory(), site);
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.events()[0].kind, MsgKind::Error);
    EXPECT_EQ(script.messages()[0], "Cannot open folder " + site + "/css: No such file or directory");
}

TEST_F(FileControlsTest, RereadOfAVanishedFolderOpensTheNearestOneAbove) {
    DirectoryListBox dirs;
    tmp.mkdir("site/img/deep/deeper");
    dirs.setDirectory(site + "/img/deep/deeper");
    QSignalSpy changed(&dirs, &DirectoryListBox::directoryChanged);
    std::filesystem::remove_all(tmp / "site/img/deep");
    dirs.reread();
    EXPECT_EQ(dirs.directory(), site + "/img");
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0].at(0).toString(), site + "/img");
    EXPECT_EQ(dirs.highlightedPath(), site + "/img");
}

TEST_F(FileControlsTest, FiltersMatchWithoutRegardToCaseAndTheShortExtensionRule) {
    DirectoryListBox dirs;
    FilterComboBox filter;
    FileListBox files;
    filter.setFilters({{"All files (*.*)", "*.*"},
                       {"html files (*.html, *.htm)", "*.htm"},
                       {"JavaScript files (*.js)", "*.js"},
                       {"Perl files (*.pl)", "*.pl"},
                       {"Delphi files (*.pas,  *.dpr)", "*.pas;*.dpr"}});
    dirs.setDirectory(site);
    linkFileControls(nullptr, &dirs, &filter, &files);

    const std::pair<int, QStringList> cases[] = {
        {0, {"about.htm", "index.html", "notes.shtml", "Page.HTM", "Proj.dpr", "readme",
             "style.css", "Unit1.pas"}},
        {1, {"about.htm", "index.html", "Page.HTM"}},
        {2, {}},
        {4, {"Proj.dpr", "Unit1.pas"}},
    };
    for (const auto& [index, names] : cases) {
        filter.setCurrentIndex(index);
        EXPECT_EQ(files.mask(), filter.mask());
        EXPECT_EQ(files.fileNames(), names) << index;
    }
}

TEST_F(FileControlsTest, FilterStartsWithAllFilesAndSignalsEachChoice) {
    FilterComboBox filter;
    EXPECT_EQ(filter.count(), 1);
    EXPECT_EQ(filter.currentText(), "All files (*.*)");
    EXPECT_EQ(filter.mask(), "*.*");
    filter.setFilters({{"All files (*.*)", "*.*"},
                       {"HTML Files (*.html;*.htm)", "*.html;*.htm"},
                       {"Graphics Files", "*.jpg;*.gif;*.png"}});
    QSignalSpy masks(&filter, &FilterComboBox::maskChanged);
    filter.setCurrentIndex(2);
    ASSERT_EQ(masks.size(), 1);
    EXPECT_EQ(masks[0].at(0).toString(), "*.jpg;*.gif;*.png");
}

TEST_F(FileControlsTest, FolderListDrivesTheFileList) {
    DirectoryListBox dirs;
    FileListBox files;
    dirs.setDirectory(site);
    linkFileControls(nullptr, &dirs, nullptr, &files);
    EXPECT_EQ(files.directory(), site);
    dirs.show();
    doubleClick(dirs, rowOf(dirs, site + "/img"));
    EXPECT_EQ(files.directory(), site + "/img");
    EXPECT_EQ(files.fileNames(), QStringList{"logo.gif"});
}

TEST_F(FileControlsTest, SingleSelectionKeepsOneFile) {
    FileListBox files;
    files.setDirectory(site);
    files.show();
    EXPECT_EQ(files.fileName(), QString());
    EXPECT_EQ(files.selectedPath(), QString());
    click(files, 1);
    click(files, 3, Qt::ControlModifier);
    EXPECT_EQ(files.selectedFileNames(), QStringList{files.item(3)->text()});
    EXPECT_EQ(files.fileName(), files.item(3)->text());
    EXPECT_EQ(files.selectedPath(), site + "/" + files.item(3)->text());
}

TEST_F(FileControlsTest, MultipleSelectionGivesEveryChosenFileInListOrder) {
    FileListBox files;
    files.setMultiSelect(true);
    files.setDirectory(site);
    files.show();
    QSignalSpy clicked(&files, &FileListBox::fileClicked);
    click(files, 4);
    click(files, 0, Qt::ControlModifier);
    click(files, 2, Qt::ControlModifier);
    EXPECT_FALSE(clicked.isEmpty());
    const QStringList all = files.fileNames();
    EXPECT_EQ(files.selectedFileNames(), (QStringList{all[0], all[2], all[4]}));
    EXPECT_EQ(files.selectedPaths(),
              (QStringList{site + "/" + all[0], site + "/" + all[2], site + "/" + all[4]}));
    EXPECT_EQ(files.fileName(), all[2]);  // the one clicked last

    files.clearSelection();
    EXPECT_TRUE(files.selectedFileNames().isEmpty());
    EXPECT_EQ(files.fileName(), QString());
}

TEST_F(FileControlsTest, RereadListsNewFilesAndClearsTheSelection) {
    FileListBox files;
    files.setDirectory(site);
    files.show();
    click(files, 0);
    ASSERT_FALSE(files.fileName().isEmpty());
    tmp.write("site/aaa.txt", "x");
    std::filesystem::remove(tmp / "site/style.css");
    files.reread();
    EXPECT_EQ(files.fileNames().front(), "aaa.txt");
    EXPECT_FALSE(files.fileNames().contains("style.css"));
    EXPECT_EQ(files.fileName(), QString());
}

TEST_F(FileControlsTest, DoubleClickOnAFileIsSignalled) {
    FileListBox files;
    files.setDirectory(site);
    files.show();
    QSignalSpy doubled(&files, &FileListBox::fileDoubleClicked);
    doubleClick(files, 1);
    ASSERT_FALSE(doubled.isEmpty());
    EXPECT_EQ(files.fileName(), files.item(1)->text());
}

TEST_F(FileControlsTest, DragCarriesTheFileAsLocalUrlAndOurOwnFormat) {
    FileListBox files;
    files.setDirectory(site);
    files.show();
    EXPECT_EQ(files.dragData(), nullptr);
    const int row = static_cast<int>(files.fileNames().indexOf("index.html"));
    click(files, row);
    std::unique_ptr<QMimeData> data(files.dragData());
    ASSERT_TRUE(data);
    ASSERT_EQ(data->urls().size(), 1);
    EXPECT_EQ(data->urls()[0], QUrl::fromLocalFile(site + "/index.html"));
    EXPECT_TRUE(data->hasFormat(kFileListMimeType));
    EXPECT_EQ(fileListPaths(data.get()), QStringList{site + "/index.html"});

    QMimeData foreign;
    foreign.setUrls({QUrl::fromLocalFile(site + "/index.html")});
    EXPECT_TRUE(fileListPaths(&foreign).isEmpty());
}

TEST_F(FileControlsTest, KeysTypedInTheFileListAreSignalled) {
    FileListBox files;
    files.setDirectory(site);
    QSignalSpy typed(&files, &FileListBox::keyTyped);
    QTest::keyClick(&files, Qt::Key_L);
    QTest::keyClick(&files, Qt::Key_Down);
    ASSERT_EQ(typed.size(), 1);
    EXPECT_EQ(typed[0].at(0).toString(), "l");
}

TEST(DriveComboBox, ListsTheRootFirstAndNoSystemMounts) {
    DriveComboBox drive;
    const QStringList drives = drive.drives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.front(), "/");
    EXPECT_EQ(drive.drive(), "/");
    for (const QString& root : drives) {
        for (const char* system : {"/proc", "/sys", "/dev", "/run/user"})
            EXPECT_FALSE(root == system || root.startsWith(QString(system) + "/"))
                << root.toStdString();
    }
    EXPECT_EQ(drives, mountedDriveRoots());
}

TEST_F(FileControlsTest, DriveBoxMovesTheFolderListAndFollowsIt) {
    DriveComboBox drive;
    DirectoryListBox dirs;
    FileListBox files;
    dirs.setDirectory(site);
    linkFileControls(&drive, &dirs, nullptr, &files);
    EXPECT_EQ(drive.drive(), dirs.driveRoot());

    // A drive the box is sent to moves the folder list (and the file list) to its root.
    QSignalSpy changed(&drive, &DriveComboBox::driveChanged);
    drive.setDrive(site + "/img");
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(dirs.directory(), site + "/img");
    EXPECT_EQ(files.directory(), site + "/img");
    EXPECT_EQ(drive.drive(), site + "/img");

    // The user picks the root.
    const int rootIndex = drive.findData("/");
    drive.setCurrentIndex(rootIndex);
    emit drive.activated(rootIndex);
    EXPECT_EQ(dirs.directory(), "/");
    EXPECT_EQ(dirs.entryPath(0), "/");

    // The folder list moved elsewhere: the box shows that folder's drive, without moving it.
    dirs.setDirectory(site);
    std::vector<std::string> roots;
    for (const QString& r : drive.drives()) roots.push_back(r.toStdString());
    EXPECT_EQ(drive.drive(), q(driveRootOf(site.toStdString(), roots)));
    EXPECT_EQ(dirs.directory(), site);
}

TEST_F(FileControlsTest, UnreadableDriveLeavesEverythingWhereItWas) {
    ScriptedPrompter script;
    DriveComboBox drive;
    DirectoryListBox dirs;
    dirs.setDirectory(site);
    linkFileControls(&drive, &dirs, nullptr, nullptr);
    const QString before = drive.drive();
    drive.setDrive(site + "/gone");
    EXPECT_EQ(dirs.directory(), site);
    EXPECT_EQ(drive.drive(), before);
    EXPECT_FALSE(drive.drives().contains(site + "/gone"));
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0], "Cannot open folder " + site + "/gone: No such file or directory");
}
