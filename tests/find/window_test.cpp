// Find, replace and the Edit menu in a real main window: the dialogs are opened from the
// toolbar, filled and pressed through their controls, F3 is a key press, and every message
// and beep goes to the scripted prompter.
#include "editor/DocumentEditor.h"
#include "editor/cwrenfold.h"
#include "platform/ui/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <string>

namespace {

using wrenfold::DocumentEditor;
using wrenfold::TForm1;

const QString kNotFound = QStringLiteral("\"%1\" not found.");
const QString kComplete = QStringLiteral("Search from Cursor to End of File Complete.");

class FindWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        appDir = dir.path() + "/";
        for (const char* list : {"tag.lst", "attrib.lst", "spc.lst"}) {
            QFile f(appDir + list);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        form = std::make_unique<TForm1>(appDir, QStringList());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override { form.reset(); }

    DocumentEditor* memo() const { return form->ActiveMemo(); }

    void setDocument(const std::string& text, long start = 0, long length = 0) {
        memo()->setBytes(text);
        memo()->setSelStart(start);
        memo()->setSelLength(length);
    }

    struct Sel {
        long s, l;
        bool operator==(const Sel&) const = default;
    };
    Sel sel() const { return {memo()->selStart(), memo()->selLength()}; }

    template <typename T>
    T* named(QObject* root, const char* name) const {
        T* w = root->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QDialog* dialog(const char* name) const { return named<QDialog>(form.get(), name); }

    void clickButton(QObject* root, const char* name) const {
        auto* b = named<QAbstractButton>(root, name);
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Opens a dialog from its toolbar button and fills it.
    QDialog* openFind(const QString& text, bool down = true, bool matchCase = false,
                      bool wholeWord = false) {
        clickButton(form.get(), "sbFind");
        QDialog* d = dialog("FindDialog1");
        EXPECT_TRUE(d->isVisible());
        named<QLineEdit>(d, "edtFindWhat")->setText(text);
        named<QRadioButton>(d, down ? "rbDown" : "rbUp")->setChecked(true);
        named<QCheckBox>(d, "cbMatchCase")->setChecked(matchCase);
        named<QCheckBox>(d, "cbWholeWord")->setChecked(wholeWord);
        return d;
    }
    QDialog* openReplace(const QString& what, const QString& with, bool matchCase = false,
                         bool wholeWord = false) {
        clickButton(form.get(), "sbReplace");
        QDialog* d = dialog("ReplaceDialog1");
        EXPECT_TRUE(d->isVisible());
        named<QLineEdit>(d, "edtFindWhat")->setText(what);
        named<QLineEdit>(d, "edtReplaceWith")->setText(with);
        named<QCheckBox>(d, "cbMatchCase")->setChecked(matchCase);
        named<QCheckBox>(d, "cbWholeWord")->setChecked(wholeWord);
        return d;
    }

    void pressF3() const {
        form->activateWindow();
        QTest::keyClick(memo(), Qt::Key_F3);
    }

    // Opens the Edit menu (which sets its items) and closes it again.
    void openEditMenu() const {
        auto* menu = named<QMenu>(form->menuBar(), "mmiEdit");
        menu->popup(form->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::processEvents();
        menu->hide();
    }
    bool itemEnabled(const char* name) const { return named<QAction>(form.get(), name)->isEnabled(); }

    QTemporaryDir dir;
    QString appDir;
    wf::ScriptedPrompter script;
    std::unique_ptr<TForm1> form;
};

TEST_F(FindWindow, FindNextThenF3ThenNotFoundAfterABeep) {
    setDocument("ab ab");
    QDialog* d = openFind("ab");
    clickButton(d, "btnFindNext");
    EXPECT_EQ(sel(), (Sel{2, -2}));
    EXPECT_TRUE(d->isVisible()) << "the dialog is modeless and stays open";
    pressF3();
    EXPECT_EQ(sel(), (Sel{5, -2}));
    EXPECT_TRUE(script.events().empty());
    pressF3();
    EXPECT_EQ(sel(), (Sel{5, -2}));
    ASSERT_EQ(script.events().size(), 2u);
    EXPECT_EQ(script.events()[0].type, wf::PromptEvent::Type::Beep);
    EXPECT_EQ(script.events()[1].type, wf::PromptEvent::Type::Message);
    EXPECT_EQ(script.events()[1].kind, wf::MsgKind::Plain);
    EXPECT_EQ(script.messages(), QStringList{kNotFound.arg("ab")});
}

TEST_F(FindWindow, F3UsesTheFindDialogsTextWhenItIsClosed) {
    setDocument("xx ab ab");
    QDialog* d = openFind("ab");
    clickButton(d, "btnCancel");
    EXPECT_FALSE(d->isVisible());
    pressF3();
    EXPECT_EQ(sel(), (Sel{5, -2}));
}

TEST_F(FindWindow, F3WithNothingToLookForOpensTheFindDialog) {
    setDocument("ab");
    QDialog* d = dialog("FindDialog1");
    EXPECT_FALSE(d->isVisible());
    pressF3();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(sel(), (Sel{0, 0}));
    EXPECT_TRUE(script.events().empty());
}

TEST_F(FindWindow, UpFromTheEndFindsTheSecondThenTheFirst) {
    setDocument("ab ab", 5);
    QDialog* d = openFind("ab", false);
    clickButton(d, "btnFindNext");
    EXPECT_EQ(sel(), (Sel{3, 2}));
    clickButton(d, "btnFindNext");
    EXPECT_EQ(sel(), (Sel{0, 2}));
    clickButton(d, "btnFindNext");
    EXPECT_EQ(sel(), (Sel{0, 2}));
    EXPECT_EQ(script.messages(), QStringList{kNotFound.arg("ab")});
}

TEST_F(FindWindow, MatchCaseAndWholeWordDecideWhatIsFound) {
    struct Case {
        std::string text;
        const char* what;
        bool matchCase, wholeWord, found;
    };
    const Case cases[] = {
        {"ab", "AB", false, false, true},  {"ab", "AB", true, false, false},
        {"x ab,", "ab", false, true, true}, {"xab", "ab", false, true, false},
        {"<ab>", "ab", false, true, false}, {"<div>", "div", false, true, false},
    };
    for (const Case& c : cases) {
        setDocument(c.text);
        script.clear();
        QDialog* d = openFind(c.what, true, c.matchCase, c.wholeWord);
        clickButton(d, "btnFindNext");
        EXPECT_EQ(memo()->selLength() != 0, c.found) << c.text << " / " << c.what;
        EXPECT_EQ(script.messages().isEmpty(), c.found) << c.text;
    }
}

TEST_F(FindWindow, FindsAccentedTextInAWindows1252Document) {
    setDocument("x CAF\xC9 caf\xE9");
    ASSERT_FALSE(memo()->isUtf8());
    QDialog* d = openFind(QString::fromUtf8("caf\xC3\xA9"));
    clickButton(d, "btnFindNext");
    EXPECT_EQ(sel(), (Sel{6, -4}));
    clickButton(d, "btnFindNext");
    EXPECT_EQ(sel(), (Sel{11, -4}));
}

TEST_F(FindWindow, ReplaceAllOfAByAaEndsWithItsMessageAndEachStepUndoes) {
    setDocument("a a");
    memo()->setModified(false);
    form->pgcEditChange();
    ASSERT_FALSE(form->sbSave()->isEnabled());
    QDialog* d = openReplace("a", "aa");
    clickButton(d, "btnReplaceAll");
    EXPECT_EQ(memo()->bytes(), "aa aa");
    EXPECT_TRUE(form->sbSave()->isEnabled());
    EXPECT_TRUE(memo()->isModified());
    ASSERT_EQ(script.events().size(), 2u);
    EXPECT_EQ(script.events()[0].type, wf::PromptEvent::Type::Beep);
    EXPECT_EQ(script.messages(), QStringList{kComplete});

    openEditMenu();
    ASSERT_TRUE(itemEnabled("mmiUndo"));
    named<QAction>(form.get(), "mmiUndo")->trigger();
    EXPECT_EQ(memo()->bytes(), "aa a");
    named<QAction>(form.get(), "mmiUndo")->trigger();
    EXPECT_EQ(memo()->bytes(), "a a");
    openEditMenu();
    EXPECT_TRUE(itemEnabled("mmiRedo"));
    named<QAction>(form.get(), "mmiRedo")->trigger();
    EXPECT_EQ(memo()->bytes(), "aa a");
}

TEST_F(FindWindow, ReplaceAllFromTheMiddleLeavesTheStart) {
    setDocument("foo foo\r\nfoo Foo", 5);
    QDialog* d = openReplace("foo", "bar");
    clickButton(d, "btnReplaceAll");
    EXPECT_EQ(memo()->bytes(), "foo foo\r\nbar bar");
    EXPECT_EQ(sel(), (Sel{16, 0}));
    EXPECT_EQ(script.messages(), QStringList{kComplete});
}

TEST_F(FindWindow, FindNextThenReplaceThenReplaceWithoutAMatchDoesNothing) {
    setDocument("x foo foo");
    QDialog* d = openReplace("foo", "bar");
    clickButton(d, "btnFindNext");
    EXPECT_EQ(sel(), (Sel{5, -3}));
    clickButton(d, "btnReplace");
    EXPECT_EQ(memo()->bytes(), "x bar foo");
    // Replace does not search on: the caret behind "bar" selects nothing to replace.
    clickButton(d, "btnReplace");
    EXPECT_EQ(memo()->bytes(), "x bar foo");
    EXPECT_TRUE(script.events().empty());
}

TEST_F(FindWindow, ReplaceOfASelectedFooIgnoresMatchCase) {
    setDocument("a Foo b", 2, 3);
    QDialog* d = openReplace("foo", "bar", true);
    clickButton(d, "btnReplace");
    EXPECT_EQ(memo()->bytes(), "a bar b");
}

TEST_F(FindWindow, EditMenuFollowsTheSelectionAndTheClipboard) {
    setDocument("one two", 3);
    openEditMenu();
    EXPECT_FALSE(itemEnabled("mmiCut"));
    EXPECT_FALSE(itemEnabled("mmiCopy"));
    EXPECT_FALSE(itemEnabled("mmiPaste"));
    EXPECT_TRUE(itemEnabled("mmiSelectAll"));
    // The toolbar's buttons stay enabled and do nothing.
    QGuiApplication::clipboard()->setText("kept");
    for (const char* b : {"sbCut", "sbCopy"}) clickButton(form.get(), b);
    EXPECT_EQ(memo()->bytes(), "one two");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");

    memo()->setSelStart(7);
    memo()->setSelLength(-3);
    openEditMenu();
    EXPECT_TRUE(itemEnabled("mmiCut"));
    EXPECT_TRUE(itemEnabled("mmiCopy"));
    EXPECT_TRUE(itemEnabled("mmiPaste"));
    clickButton(form.get(), "sbCut");
    EXPECT_EQ(memo()->bytes(), "one ");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "two");
    memo()->setSelStart(0);
    clickButton(form.get(), "sbPaste");
    EXPECT_EQ(memo()->bytes(), "twoone ");
    named<QAction>(form.get(), "mmiSelectAll")->trigger();
    EXPECT_EQ(sel(), (Sel{7, -7}));
    named<QAction>(form.get(), "mmiCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "twoone ");
}

TEST_F(FindWindow, CommandsWorkOnTheActiveTab) {
    setDocument("ab");
    const QString second = appDir + "second.html";
    {
        QFile f(second);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("zz ab");
    }
    form->OpenNewFile(second);
    ASSERT_EQ(memo()->bytes(), "zz ab");
    QDialog* d = openReplace("ab", "X");
    clickButton(d, "btnReplaceAll");
    EXPECT_EQ(memo()->bytes(), "zz X");
    EXPECT_EQ(form->Memo(0)->bytes(), "ab");
}

}  // namespace
