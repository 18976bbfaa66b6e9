// The document slots through the window: Open, the already-open rule, Close with its
// question, Save and Save As, and the Save button following the modified flag.
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

using namespace wrenfold;
using namespace wrenfold::test;
using wf::Answer;
using wf::FileChoice;
using wf::PromptEvent;

class DocumentSlots : public EditorWindow {
protected:
    // Files a.html, b.html, c.html open in tabs 1 .. 3, each typed in when modified is set.
    void openThree(bool modified) {
        for (const char* name : {"a.html", "b.html", "c.html"}) {
            openThroughDialog(writeFile(name, std::string("text of ") + name));
            if (modified) type("x");
        }
        script.clear();
    }
    QStringList questions() const {
        QStringList out;
        for (const PromptEvent& e : script.eventsOf(PromptEvent::Type::Message))
            if (e.buttons == wf::MsgButtons::YesNoCancel) out << e.text;
        return out;
    }
};

TEST_F(DocumentSlots, TheFirstFileTakesTheUntouchedUntitledTab) {
    start();
    openThroughDialog(writeFile("a.html", "aaa"));
    EXPECT_EQ(tabText(0), "a.html");
    EXPECT_EQ(form->Edit(0)->text(), path("a.html"));
    EXPECT_EQ(form->NumberTabsVisible(), 1);
    EXPECT_EQ(form->ActiveMemo(), form->Memo(0));
    EXPECT_FALSE(form->sbSave()->isEnabled());
}

TEST_F(DocumentSlots, AfterTypingInTheUntitledTabTheNextFileGoesToTabTwo) {
    start();
    type("draft");
    openThroughDialog(writeFile("a.html", "aaa"));
    EXPECT_TRUE(tabShown(0));
    EXPECT_EQ(tabText(0), "Untitled");
    EXPECT_EQ(tabText(1), "a.html");
    EXPECT_EQ(form->activeSlot(), 1);
    EXPECT_EQ(form->Memo(1)->bytes(), "aaa");
}

TEST_F(DocumentSlots, TheTenthFileIsRefused) {
    start();
    for (int n = 1; n <= 9; ++n)
        openThroughDialog(writeFile(QString("%1.html").arg(n), std::to_string(n)));
    EXPECT_EQ(form->NumberTabsVisible(), 9);
    form->activateSlot(4);
    script.clear();
    openThroughDialog(writeFile("ten.html", "10"));
    ASSERT_EQ(script.messages(), QStringList({"Sorry, Only 9 files open at a time."}));
    ASSERT_EQ(script.events().size(), 3u);  // the dialog, the beep, the notice
    EXPECT_EQ(script.events()[1].type, PromptEvent::Type::Beep);
    EXPECT_EQ(script.events()[2].kind, wf::MsgKind::Plain);
    EXPECT_EQ(form->activeSlot(), 4);
    for (int n = 0; n < 9; ++n) EXPECT_EQ(form->Edit(n)->text(), path(QString("%1.html").arg(n + 1)));
}

TEST_F(DocumentSlots, AFileOfAnOpenFilesNameIsNotOpenedAgain) {
    start();
    openThroughDialog(writeFile("a/index.html", "first"));
    openThroughDialog(writeFile("other.html", "other"));
    script.clear();

    openThroughDialog(writeFile("b/index.html", "second"));
    EXPECT_EQ(script.messages(), QStringList({"A file named \"index.html\" is already open."}));
    EXPECT_EQ(script.beeps(), 1);
    EXPECT_EQ(form->activeSlot(), 0);
    EXPECT_EQ(form->ActiveMemo()->bytes(), "first");
    EXPECT_EQ(form->NumberTabsVisible(), 2);

    // Another case is another name.
    script.clear();
    openThroughDialog(writeFile("a/Index.html", "third"));
    EXPECT_TRUE(script.messages().isEmpty());
    EXPECT_EQ(form->NumberTabsVisible(), 3);
    EXPECT_EQ(tabText(2), "Index.html");
}

TEST_F(DocumentSlots, AFileThatCannotBeReadChangesNothing) {
    start();
    type("draft");
    const QString before = form->openDialog().folder;
    openThroughDialog(path("sub/missing.html"));
    const QStringList messages = script.messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(script.events().back().kind, wf::MsgKind::Error);
    EXPECT_TRUE(messages[0].contains(path("sub/missing.html"))) << messages[0].toStdString();
    EXPECT_EQ(form->NumberTabsVisible(), 1);
    EXPECT_EQ(form->Memo(1)->bytes(), "");
    EXPECT_EQ(form->Edit(1)->text(), "");
    EXPECT_EQ(form->openDialog().folder, before);
    EXPECT_TRUE(form->sbSave()->isEnabled());
}

TEST_F(DocumentSlots, OpenDialogOffersItsFiltersAndKeepsTheLastChoice) {
    start();
    openThroughDialog(writeFile("docs/a.txt", "t"), 1);
    script.file(std::nullopt);
    click("mmiOpen");
    const wf::FileDialogRequest& r = script.lastFileRequest();
    ASSERT_EQ(r.filters.size(), 4u);
    EXPECT_EQ(r.filters[0].description, "HTML Files (*.html,*.htm)");
    EXPECT_EQ(r.filters[0].patterns, "*.html;*.htm");
    EXPECT_EQ(r.filters[3].description, "*.*");
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.fileName, "a.txt");
    EXPECT_EQ(r.folder, path("docs/"));
}

TEST_F(DocumentSlots, ClosingActivatesTheTabThatTakesItsPlace) {
    start();
    openThree(false);
    form->activateSlot(1);
    click("sbClose");
    EXPECT_FALSE(tabShown(1));
    EXPECT_EQ(tabText(1), "Untitled");
    EXPECT_EQ(form->Edit(1)->text(), "");
    EXPECT_EQ(form->Memo(1)->bytes(), "");
    EXPECT_EQ(form->activeSlot(), 2);  // the one to its right

    click("mmiClose");                 // the rightmost: the new rightmost follows
    EXPECT_EQ(form->activeSlot(), 0);
    click("sbClose");                  // the only one: tab 1 again, empty
    EXPECT_TRUE(tabShown(0));
    EXPECT_EQ(tabText(0), "Untitled");
    EXPECT_EQ(form->Edit(0)->text(), "");
    EXPECT_EQ(form->NumberTabsVisible(), 1);
    EXPECT_TRUE(script.events().empty());
}

TEST_F(DocumentSlots, ClosingAModifiedUntitledDocumentAsksUnderTheNameUntitled) {
    start();
    type("draft");
    script.answer(Answer::No);
    click("sbClose");
    EXPECT_EQ(questions(), QStringList({"Untitled has been changed, Save?"}));
    EXPECT_EQ(script.events()[0].type, PromptEvent::Type::Beep);
    EXPECT_EQ(script.events()[1].kind, wf::MsgKind::Warning);
    EXPECT_EQ(form->Memo(0)->bytes(), "");
    EXPECT_FALSE(form->Memo(0)->isModified());
    EXPECT_FALSE(form->sbSave()->isEnabled());
}

TEST_F(DocumentSlots, CancelAtTheSecondOfThreeQuestionsStopsTheQuitWithTheFirstClosed) {
    start();
    openThree(true);
    script.answer(Answer::No);
    script.answer(Answer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(questions(), QStringList({"c.html has been changed, Save?",
                                        "b.html has been changed, Save?"}));
    EXPECT_FALSE(tabShown(2));
    EXPECT_TRUE(tabShown(1));
    EXPECT_TRUE(tabShown(0));
    EXPECT_EQ(readFile(path("c.html")), "text of c.html");  // discarded as answered
    EXPECT_EQ(form->activeSlot(), 1);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(DocumentSlots, YesSavesEachDocumentOnTheWayOut) {
    start();
    openThree(true);
    for (int i = 0; i < 3; ++i) script.answer(Answer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(questions().size(), 3);
    EXPECT_EQ(readFile(path("a.html")), "xtext of a.html");
    EXPECT_EQ(readFile(path("c.html")), "xtext of c.html");
}

TEST_F(DocumentSlots, QuittingWithNothingModifiedAsksNothing) {
    start();
    openThree(false);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(script.events().empty());
}

TEST_F(DocumentSlots, YesFollowedByACancelledSaveAsKeepsTheDocument) {
    start();
    type("precious");
    script.answer(Answer::Yes);
    script.file(std::nullopt);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(script.eventsOf(PromptEvent::Type::SaveFile).size(), 1u);
    EXPECT_TRUE(tabShown(0));
    EXPECT_EQ(form->Memo(0)->bytes(), "precious");
    EXPECT_TRUE(form->Memo(0)->isModified());
}

TEST_F(DocumentSlots, ASaveThatFailsDuringTheQuitStopsIt) {
    start();
    openThroughDialog(writeFile("site/a.html", "old"));
    type("new ");
    // The folder has gone and a file of its name stands there: nothing can be written.
    QDir(path("site")).removeRecursively();
    writeFile("site", "a file");
    script.answer(Answer::Yes);
    EXPECT_FALSE(form->close());
    const QStringList messages = script.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains(path("site/a.html"))) << messages[1].toStdString();
    EXPECT_EQ(script.events().back().kind, wf::MsgKind::Error);
    EXPECT_TRUE(tabShown(0));
    EXPECT_TRUE(form->Memo(0)->isModified());
    EXPECT_TRUE(form->sbSave()->isEnabled());
    EXPECT_EQ(readFile(path("site")), "a file");
}

TEST_F(DocumentSlots, SaveWritesExactlyTheTextAndClearsTheButton) {
    start();
    openThroughDialog(writeFile("a.html", "line 1\r\nline 2"));
    script.clear();
    form->ActiveMemo()->setSelStart(form->ActiveMemo()->documentLength());
    type("!");
    EXPECT_TRUE(form->sbSave()->isEnabled());
    click("sbSave");
    EXPECT_EQ(readFile(path("a.html")), "line 1\r\nline 2!");
    EXPECT_FALSE(form->sbSave()->isEnabled());
    EXPECT_FALSE(form->ActiveMemo()->isModified());
    EXPECT_TRUE(script.events().empty());
}

TEST_F(DocumentSlots, SaveOfADocumentWithoutAFileNameAsksForOne) {
    for (const char* name : {"", "Untitled"}) {
        start();
        form->ActiveFileEdit()->setText(name[0] ? path(name) : QString());
        type("text");
        script.file(FileChoice{path("new"), 0});
        click("mmiSave");
        EXPECT_EQ(script.eventsOf(PromptEvent::Type::SaveFile).size(), 1u) << name;
        EXPECT_EQ(readFile(path("new.html")), "text");
        EXPECT_EQ(tabText(0), "new.html");
        QFile::remove(path("new.html"));
        script.clear();
        quit();
    }
}

TEST_F(DocumentSlots, ASaveThatFailsKeepsTheFormerState) {
    start();
    openThroughDialog(writeFile("a.html", "old"));
    type("x");
    QFile::remove(path("a.html"));
    QDir(appDir).mkdir("a.html");  // a folder now stands where the file was
    script.clear();
    click("sbSave");
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_TRUE(script.messages()[0].contains(path("a.html")));
    EXPECT_TRUE(form->sbSave()->isEnabled());
    EXPECT_TRUE(form->ActiveMemo()->isModified());
    EXPECT_EQ(form->ActiveFileEdit()->text(), path("a.html"));
    EXPECT_EQ(tabText(0), "a.html");
}

TEST_F(DocumentSlots, SaveAsNamesTheFileByTheChosenFilter) {
    struct Case {
        const char* chosen;
        int filter;
        const char* written;
    };
    const Case cases[] = {
        {"page", 1, "page.htm"}, {"page.txt", 0, "page.txt"}, {"page", 0, "page.html"},
        {"notes", 2, "notes.txt"}};
    for (const Case& c : cases) {
        start();
        type("body");
        script.file(FileChoice{path(QString("out/") + c.chosen), c.filter});
        QDir(appDir).mkpath("out");
        click("mmiSaveAs");
        EXPECT_EQ(readFile(path(QString("out/") + c.written)), "body") << c.written;
        EXPECT_EQ(form->ActiveFileEdit()->text(), path(QString("out/") + c.written));
        EXPECT_EQ(tabText(0), c.written);
        EXPECT_FALSE(form->sbSave()->isEnabled());
        EXPECT_TRUE(script.messages().isEmpty());
        EXPECT_EQ(form->saveDialog().folder, path("out/"));
        QDir(path("out")).removeRecursively();
        script.clear();
        quit();
    }
}

TEST_F(DocumentSlots, SaveAsAsksBeforeOverwriting) {
    for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
        const QString target = writeFile("page.html", "old");
        start();
        type("new");
        script.file(FileChoice{path("page"), 0});
        script.answer(answer);
        click("mmiSaveAs");
        EXPECT_EQ(script.messages(), QStringList({"page.html already exists, Overwrite?"}));
        const bool yes = answer == Answer::Yes;
        EXPECT_EQ(readFile(target), yes ? "new" : "old");
        EXPECT_EQ(form->ActiveFileEdit()->text(), yes ? target : QString());
        EXPECT_EQ(tabText(0), yes ? "page.html" : "Untitled");
        EXPECT_EQ(form->sbSave()->isEnabled(), !yes);
        script.clear();
        quit();
    }
}

TEST_F(DocumentSlots, SaveAsOfANewFileAsksTheFilePanelToShowIt) {
    start();
    int refreshes = 0;
    QObject::connect(form.get(), &TForm1::fileListRefreshRequested, [&] { ++refreshes; });
    type("a");
    script.file(FileChoice{path("one"), 0});
    click("mmiSaveAs");
    EXPECT_EQ(refreshes, 1);
    script.file(FileChoice{path("one"), 0});
    script.answer(Answer::Yes);
    click("mmiSaveAs");
    EXPECT_EQ(refreshes, 1);  // an overwritten file was listed already
}

TEST_F(DocumentSlots, SaveButtonFollowsTheActiveDocumentsFlag) {
    start();
    openThroughDialog(writeFile("a.html", "a"));
    openThroughDialog(writeFile("b.html", "b"));
    EXPECT_FALSE(form->sbSave()->isEnabled());
    type("typed");
    EXPECT_TRUE(form->sbSave()->isEnabled());
    form->pgcEdit()->setCurrentIndex(0);  // as a click on the tab does
    EXPECT_EQ(form->ActiveMemo(), form->Memo(0));
    EXPECT_FALSE(form->sbSave()->isEnabled());
    form->pgcEdit()->setCurrentIndex(1);
    EXPECT_TRUE(form->sbSave()->isEnabled());
    click("sbSave");
    form->pgcEdit()->setCurrentIndex(0);
    form->pgcEdit()->setCurrentIndex(1);
    EXPECT_FALSE(form->sbSave()->isEnabled());
}
