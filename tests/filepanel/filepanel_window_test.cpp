// The file panel of the real main window, driven through its controls offscreen: the panel's
// folder and the settings, the filter, double-click, the L key, the popup menus, and drops
// on the editors, over a site folder in a temporary tree.
#include "editor/cwrenfold.h"
#include "editor/markup/FileDrop.h"
#include "platform/ui/FileControls.h"
#include "platform/ui/ScriptedPrompter.h"
#include "tests/filepanel/PictureFiles.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join("|").toStdString() << ']';
}

using namespace wrenfold;
using namespace filepanel_test;

namespace {

class FilePanelTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        QDir root(tmp_.path());
        for (const char* folder : {"app", "web/sub", "web/img"}) ASSERT_TRUE(root.mkpath(folder));
        appDir_ = root.filePath("app") + "/";
        for (const char* list : {"tag.lst", "attrib.lst", "spc.lst"})
            writeBytes(appDir_ + list, "");
        writeBytes(web("index.html"), "<HTML>\r\n</HTML>\r\n");
        writeBytes(web("about.htm"), "about\r\n");
        writeBytes(web("style.css"), "p { margin: 0 }\r\n");
        writeBytes(web("notes.txt"), "notes\r\n");
        writeBytes(web("sub/page.html"), "Go Home now\r\n");
        writeGif(web("img/logo.gif"), 100, 50);
        writeGif(web("LOGO.GIF"), 20, 10);
        writeImage(web("img/photo.jpg"), 37, 21, "JPG");
        writeImage(web("img/photo.jpeg"), 37, 21, "JPG");
        writeBytes(web("img/damaged.jpg"), "this is no JPEG");
        writeBytes(web("img/damaged.bmp"), std::string("BM\x06\0\0\0", 6));
        writeBytes(web("img/tune.wav"), "RIFF....WAVE");
        startIn(web(""));
    }

    QString web(const QString& relative) const {
        return QDir::cleanPath(QDir(tmp_.path()).filePath("web/" + relative));
    }

    // A settings file that starts the panel in folder, then the window.
    void startIn(const QString& folder) {
        form_.reset();
        writeBytes(appDir_ + "wrenfold.ini",
                   "[Directory]\r\nDirectoryListBox=" + folder.toStdString() + "\r\n");
        form_ = std::make_unique<TForm1>(appDir_, QStringList());
    }

    template <class T>
    T* control(const char* name) const {
        T* found = form_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    wf::DirectoryListBox* dirs() const {
        return control<wf::DirectoryListBox>("DirectoryListBox1");
    }
    wf::FileListBox* files() const { return control<wf::FileListBox>("FileListBox1"); }

    // Opens the file's folder in the folder list and selects the file in the file list.
    void select(const QString& file) {
        dirs()->setDirectory(QFileInfo(file).absolutePath());
        const QList<QListWidgetItem*> items =
            files()->findItems(QFileInfo(file).fileName(),
                               Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_EQ(items.size(), 1) << file.toStdString();
        files()->setCurrentItem(items.first());
        ASSERT_EQ(form_->selectedFile(), file);
    }

    void trigger(const char* action) { control<QAction>(action)->trigger(); }

    // A document open in the active tab with the selection S, L.
    void openDocument(const QString& path, long selStart, long selLength) {
        form_->OpenNewFile(path);
        form_->ActiveMemo()->setSelStart(selStart);
        form_->ActiveMemo()->setSelLength(selLength);
    }

    // Drags the selected file from the file list and lets it go over the far end of the
    // active editor, as the mouse would. Returns whether the editor took the drag.
    bool dropSelectedFile() {
        std::unique_ptr<QMimeData> data(files()->dragData());
        EXPECT_NE(data, nullptr);
        return dropData(data.get());
    }

    bool dropData(const QMimeData* data) {
        QWidget* viewport = form_->ActiveMemo()->viewport();
        const QPointF far(viewport->width() - 2, viewport->height() - 2);
        QDragEnterEvent enter(far.toPoint(), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(far, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        return true;
    }

    std::string text() const { return form_->ActiveMemo()->bytes(); }

    void typeInFileList(const QString& key) {
        QKeyEvent press(QEvent::KeyPress, key.at(0).toUpper().unicode(), Qt::NoModifier, key);
        QApplication::sendEvent(files(), &press);
    }

    wf::ScriptedPrompter prompter_;
    QTemporaryDir tmp_;
    QString appDir_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(FilePanelTest, ThePanelStacksItsFourControlsWithTheirFiltersAndMenus) {
    form_->show();
    QApplication::processEvents();
    QWidget* panel = form_->pnlLeft();
    int lastBottom = -1;
    for (const char* name :
         {"DriveComboBox1", "DirectoryListBox1", "FilterComboBox1", "FileListBox1"}) {
        QWidget* w = control<QWidget>(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), panel) << name;
        EXPECT_EQ(w->width(), 145) << name;
        EXPECT_GT(w->y(), lastBottom) << name << " stands below the one before";
        lastBottom = w->y() + w->height() - 1;
    }
    auto* filter = control<wf::FilterComboBox>("FilterComboBox1");
    const QStringList descriptions = {"All files (*.*)", "html files (*.html, *.htm)",
                                      "JavaScript files (*.js)", "Perl files (*.pl)",
                                      "Delphi files (*.pas,  *.dpr)"};
    ASSERT_EQ(filter->count(), descriptions.size());
    for (int i = 0; i < filter->count(); ++i) EXPECT_EQ(filter->itemText(i), descriptions[i]);
    EXPECT_EQ(filter->currentIndex(), 0);
    EXPECT_EQ(filter->mask(), "*.*");

    struct Menu {
        const char* name;
        QStringList items;
    };
    for (const Menu& m : {Menu{"pmFileListBox", {"Open1", "Link1", "View1", "Refresh1", ""}},
                          Menu{"pmDirListBox", {"Refresh2", ""}}}) {
        auto* menu = control<QMenu>(m.name);
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), m.items.size()) << m.name;
        for (qsizetype i = 0; i < actions.size(); ++i) {
            if (!m.items[i].isEmpty()) {
                EXPECT_EQ(actions[i]->objectName(), m.items[i]);
            }
        }
        EXPECT_EQ(actions.last()->text(), "Cancel") << m.name;
    }
    EXPECT_EQ(control<QAction>("Open1")->text(), "Open");
    EXPECT_EQ(control<QAction>("Link1")->text(), "Link");
    EXPECT_EQ(control<QAction>("View1")->text(), "View");
    EXPECT_EQ(control<QAction>("Refresh1")->text(), "Refresh");
    EXPECT_EQ(control<QAction>("Refresh2")->text(), "Refresh");
}

TEST_F(FilePanelTest, TheRememberedFolderOpensThePanelAndExplorerAndIsWrittenBack) {
    EXPECT_EQ(dirs()->directory(), web(""));
    EXPECT_EQ(files()->directory(), web(""));
    EXPECT_TRUE(files()->fileNames().contains("index.html"));
    EXPECT_EQ(form_->panelFolder(), web(""));

    // The user opens sub/ in the folder list: Explorer and the next start follow it.
    dirs()->setDirectory(web("sub"));
    EXPECT_EQ(form_->panelFolder(), web("sub"));
    EXPECT_EQ(files()->fileNames(), QStringList{"page.html"});
    trigger("mmiexplore");
    const auto opened = prompter_.eventsOf(wf::PromptEvent::Type::FileManager);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.front().text, web("sub"));

    form_.reset();
    form_ = std::make_unique<TForm1>(appDir_, QStringList());
    EXPECT_EQ(dirs()->directory(), web("sub"));
}

TEST_F(FilePanelTest, AFolderThatHasGoneFallsBackToTheProgramsFolder) {
    startIn(web("gone"));
    EXPECT_EQ(dirs()->directory(), QDir::cleanPath(appDir_));
    EXPECT_EQ(form_->panelFolder(), QDir::cleanPath(appDir_));
    EXPECT_TRUE(prompter_.messages().isEmpty()) << prompter_.messages().join("|").toStdString();
}

TEST_F(FilePanelTest, TheHtmFilterListsHtmAndHtmlFiles) {
    auto* filter = control<wf::FilterComboBox>("FilterComboBox1");
    filter->setCurrentIndex(1);
    EXPECT_EQ(files()->fileNames(), (QStringList{"about.htm", "index.html"}));
    filter->setCurrentIndex(0);
    EXPECT_TRUE(files()->fileNames().contains("style.css"));
}

TEST_F(FilePanelTest, RefreshShowsFilesMadeByOtherPrograms) {
    writeBytes(web("later.txt"), "x");
    EXPECT_FALSE(files()->fileNames().contains("later.txt"));
    trigger("Refresh1");
    EXPECT_TRUE(files()->fileNames().contains("later.txt"));
}

TEST_F(FilePanelTest, TheFolderListsRefreshRedrawsWithoutReadingTheFoldersAgain) {
    const int before = dirs()->count();
    ASSERT_TRUE(QDir(web("")).mkdir("later"));
    trigger("Refresh2");
    EXPECT_EQ(dirs()->count(), before);
    EXPECT_EQ(dirs()->directory(), web(""));
}

TEST_F(FilePanelTest, SaveAsIntoThePanelsFolderShowsTheNewFile) {
    form_->ActiveMemo()->setBytes("new page");
    prompter_.file(wf::FileChoice{web("fresh.html"), 0});
    trigger("mmiSaveAs");
    EXPECT_TRUE(files()->fileNames().contains("fresh.html"));
}

struct DropCase {
    const char* document;  // "" for the untitled document
    long selStart;
    long selLength;
    const char* file;
    int audio;  // rgDandDAudio
    const char* expected;
};

class DropOnEditorTest : public FilePanelTest, public testing::WithParamInterface<DropCase> {};

// Let go at the far end of the editor: the markup still goes to the caret.
TEST_P(DropOnEditorTest, WritesTheMarkupAtTheCaretOfTheActiveDocument) {
    const DropCase& c = GetParam();
    if (*c.document) {
        openDocument(web(c.document), c.selStart, c.selLength);
    } else {
        form_->ActiveMemo()->setBytes("Go Home now");
        form_->ActiveMemo()->setSelStart(c.selStart);
        form_->ActiveMemo()->setSelLength(c.selLength);
    }
    control<QAbstractButton>(qPrintable(QString("rgDandDAudio_%1").arg(c.audio)))->click();
    select(web(c.file));
    EXPECT_TRUE(dropSelectedFile());
    EXPECT_EQ(text(), c.expected);
    EXPECT_TRUE(prompter_.messages().isEmpty()) << prompter_.messages().join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, DropOnEditorTest,
    testing::Values(
        DropCase{"index.html", 8, 0, "img/logo.gif", 1,
                 "<HTML>\r\n<IMG src=\"img/logo.gif\" width=100 height=50 border=0></HTML>\r\n"},
        DropCase{"", 3, 0, "img/logo.gif", 1,
                 "Go <IMG src=\"logo.gif\" width=100 height=50 border=0>Home now"},
        DropCase{"sub/page.html", 3, 4, "about.htm", 1,
                 "Go <A href=\"../about.htm\">Home</A> now\r\n"},
        DropCase{"sub/page.html", 0, 0, "LOGO.GIF", 1,
                 "<IMG src=\"../LOGO.GIF\" width=20 height=10 border=0>Go Home now\r\n"},
        DropCase{"sub/page.html", 7, -4, "img/photo.jpg", 1,
                 "Go <IMG src=\"../img/photo.jpg\" width=37 height=21 border=0>Home now\r\n"},
        DropCase{"sub/page.html", 3, 4, "img/tune.wav", 3,
                 "Go <A href=\"../img/tune.wav\">Home now\r\n"},
        DropCase{"sub/page.html", 3, 4, "img/tune.wav", 0,
                 "Go <EMBED src=\"../img/tune.wav\" width=0 height=0 autostart=true loop=1>"
                 "Home now\r\n"},
        DropCase{"sub/page.html", 3, 4, "img/photo.jpeg", 1, "Go Home now\r\n"},
        DropCase{"sub/page.html", 3, 4, "style.css", 1, "Go Home now\r\n"}));

TEST_F(FilePanelTest, ADamagedPictureShowsTheReadersErrorAndInsertsNothing) {
    struct Bad {
        const char* file;
        const char* messageStart;
    };
    openDocument(web("sub/page.html"), 3, 0);
    for (const Bad& bad : {Bad{"img/damaged.jpg", "JPEG error #"},
                           Bad{"img/damaged.bmp", "Bitmap image is not valid"}}) {
        prompter_.clear();
        select(web(bad.file));
        EXPECT_TRUE(dropSelectedFile());
        EXPECT_EQ(text(), "Go Home now\r\n") << bad.file;
        const auto boxes = prompter_.eventsOf(wf::PromptEvent::Type::Message);
        ASSERT_EQ(boxes.size(), 1u) << bad.file;
        EXPECT_EQ(boxes.front().kind, wf::MsgKind::Error) << bad.file;
        EXPECT_TRUE(boxes.front().text.startsWith(bad.messageStart))
            << bad.file << ": " << boxes.front().text.toStdString();
    }
    EXPECT_FALSE(form_->sbSave()->isEnabled());
}

TEST_F(FilePanelTest, TheActiveEditorHasTheFocusAfterAnyDrop) {
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    select(web("img/logo.gif"));
    files()->setFocus();
    ASSERT_TRUE(files()->hasFocus());
    EXPECT_TRUE(dropSelectedFile());
    EXPECT_TRUE(form_->ActiveMemo()->hasFocus());

    // A drop of an editor's own text ends with the focus there too.
    files()->setFocus();
    QMimeData text;
    text.setText("moved");
    form_->Memo1DragDrop(form_->ActiveMemo(), &text);
    EXPECT_TRUE(form_->ActiveMemo()->hasFocus());
}

TEST_F(FilePanelTest, OnlyDragsFromTheFileListOrAnEditorAreTaken) {
    QMimeData outside;
    outside.setText("some text from another program");
    outside.setUrls({QUrl::fromLocalFile(web("img/logo.gif"))});
    EXPECT_FALSE(dropData(&outside));
    EXPECT_EQ(text(), "");

    std::unique_ptr<QMimeData> fromList(nullptr);
    select(web("img/logo.gif"));
    fromList.reset(files()->dragData());
    EXPECT_TRUE(form_->Memo1DragOver(files(), fromList.get()));
    EXPECT_TRUE(form_->Memo1DragOver(form_->Memo(3), &outside));
    EXPECT_FALSE(form_->Memo1DragOver(files()->viewport(), &outside));
}

TEST_F(FilePanelTest, TheLKeyLinksTheSelectedFileInEitherCase) {
    for (const char* key : {"L", "l"}) {
        form_->ActiveMemo()->setBytes("Go Home now");
        form_->ActiveMemo()->setSelStart(3);
        form_->ActiveMemo()->setSelLength(4);
        select(web("about.htm"));
        typeInFileList(key);
        EXPECT_EQ(text(), "Go <A HREF=\"about.htm\">Home</A> now") << key;
        EXPECT_EQ(form_->ActiveMemo()->selLength(), 4) << key;
        // The key links and is not taken as a search in the list: the selection stays.
        EXPECT_EQ(form_->selectedFile(), web("about.htm")) << key;
    }
    // Other characters do nothing to the document.
    typeInFileList("k");
    EXPECT_EQ(text(), "Go <A HREF=\"about.htm\">Home</A> now");
    EXPECT_TRUE(prompter_.messages().isEmpty());
}

TEST_F(FilePanelTest, CommandsThatNeedAFileSayWhenNoneIsSelected) {
    form_->ActiveMemo()->setBytes("Home");
    files()->clearSelection();
    ASSERT_TRUE(form_->selectedFile().isEmpty());
    typeInFileList("l");
    for (const char* action : {"Open1", "Link1", "View1"}) trigger(action);
    const QString message = QString::fromUtf8(kSelectFileFirst);
    EXPECT_EQ(message, "You must select a file first.");
    EXPECT_EQ(prompter_.messages(), QStringList(4, message));
    for (const wf::PromptEvent& e : prompter_.eventsOf(wf::PromptEvent::Type::Message))
        EXPECT_EQ(e.kind, wf::MsgKind::Plain);
    EXPECT_EQ(text(), "Home");
    EXPECT_TRUE(prompter_.eventsOf(wf::PromptEvent::Type::ShellOpen).empty());
    EXPECT_EQ(form_->NumberTabsVisible(), 1);
}

TEST_F(FilePanelTest, DoubleClickOpensTextFilesAndHandsPicturesToTheirProgram) {
    form_->show();  // the mouse needs the items laid out
    QApplication::processEvents();
    auto doubleClick = [&](const char* file) {
        select(web(file));
        QListWidgetItem* item = files()->currentItem();
        const QPoint at = files()->visualItemRect(item).center();
        // The events a double-click delivers, straight to the list.
        QWidget* viewport = files()->viewport();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)),
                              Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
    };
    doubleClick("style.css");
    EXPECT_EQ(form_->NumberTabsVisible(), 1);
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(prompter_.events().empty());

    doubleClick("notes.txt");
    EXPECT_EQ(form_->pgcEdit()->tabText(form_->activeSlot()), "notes.txt");
    EXPECT_EQ(text(), "notes\r\n");

    doubleClick("img/logo.gif");
    const auto shell = prompter_.eventsOf(wf::PromptEvent::Type::ShellOpen);
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_EQ(shell.front().text, web("img/logo.gif"));
    EXPECT_EQ(form_->NumberTabsVisible(), 1);

    // A file of that name already open: its tab comes to the front after the message.
    openDocument(web("index.html"), 0, 0);
    ASSERT_EQ(form_->activeSlot(), 1);
    prompter_.clear();
    doubleClick("notes.txt");
    EXPECT_EQ(prompter_.messages(), QStringList{"A file named \"notes.txt\" is already open."});
    EXPECT_EQ(form_->activeSlot(), 0);
    EXPECT_EQ(form_->NumberTabsVisible(), 2);
}

TEST_F(FilePanelTest, OpenOpensAnyFileAsTextAndViewHandsAnyFileToItsProgram) {
    select(web("style.css"));
    trigger("Open1");
    EXPECT_EQ(form_->pgcEdit()->tabText(form_->activeSlot()), "style.css");
    EXPECT_EQ(form_->ActiveFileEdit()->text(), web("style.css"));
    EXPECT_EQ(text(), "p { margin: 0 }\r\n");

    trigger("View1");
    const auto shell = prompter_.eventsOf(wf::PromptEvent::Type::ShellOpen);
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_EQ(shell.front().text, web("style.css"));
}

}  // namespace
