// The find and replace dialogs driven through their controls, and the Edit commands on a
// real editor with the real (offscreen) clipboard.
#include "editor/EditCommands.h"
#include "editor/cFindReplace.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using wrenfold::TFindReplaceDialog;

namespace {

template <typename W>
W* child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList labelTexts(QWidget& w) {
    QStringList texts;
    for (const QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
    return texts;
}

TEST(FindDialog, HasTheUsualControlsWithTheirTexts) {
    TFindReplaceDialog dlg(TFindReplaceDialog::Kind::Find);
    EXPECT_EQ(dlg.objectName(), "FindDialog1");
    EXPECT_FALSE(dlg.isModal());
    EXPECT_TRUE(labelTexts(dlg).contains("Find what:"));
    EXPECT_FALSE(labelTexts(dlg).contains("Replace with:"));
    EXPECT_EQ(child<QCheckBox>(dlg, "cbWholeWord")->text(), "Match whole word only");
    EXPECT_EQ(child<QCheckBox>(dlg, "cbMatchCase")->text(), "Match case");
    EXPECT_EQ(child<QGroupBox>(dlg, "gbDirection")->title(), "Direction");
    EXPECT_EQ(child<QRadioButton>(dlg, "rbUp")->text(), "Up");
    EXPECT_EQ(child<QRadioButton>(dlg, "rbDown")->text(), "Down");
    EXPECT_EQ(child<QPushButton>(dlg, "btnFindNext")->text(), "Find Next");
    EXPECT_EQ(child<QPushButton>(dlg, "btnCancel")->text(), "Cancel");
    EXPECT_EQ(dlg.findChild<QPushButton*>("btnReplace"), nullptr);
    EXPECT_EQ(dlg.findChild<QLineEdit*>("edtReplaceWith"), nullptr);
    // Defaults: down, case-blind, any part of a word.
    EXPECT_TRUE(dlg.down());
    EXPECT_FALSE(dlg.matchCase());
    EXPECT_FALSE(dlg.wholeWord());
}

TEST(ReplaceDialog, HasTheUsualControlsAndNoDirection) {
    TFindReplaceDialog dlg(TFindReplaceDialog::Kind::Replace);
    EXPECT_EQ(dlg.objectName(), "ReplaceDialog1");
    EXPECT_TRUE(labelTexts(dlg).contains("Find what:"));
    EXPECT_TRUE(labelTexts(dlg).contains("Replace with:"));
    EXPECT_EQ(child<QPushButton>(dlg, "btnFindNext")->text(), "Find Next");
    EXPECT_EQ(child<QPushButton>(dlg, "btnReplace")->text(), "Replace");
    EXPECT_EQ(child<QPushButton>(dlg, "btnReplaceAll")->text(), "Replace All");
    EXPECT_EQ(child<QPushButton>(dlg, "btnCancel")->text(), "Cancel");
    EXPECT_EQ(dlg.findChild<QGroupBox*>("gbDirection"), nullptr);
    EXPECT_TRUE(dlg.down());
}

TEST(ReplaceDialog, ButtonsAnnounceWithTheFieldsAsSet) {
    TFindReplaceDialog dlg(TFindReplaceDialog::Kind::Replace);
    auto* findNext = child<QPushButton>(dlg, "btnFindNext");
    auto* replace = child<QPushButton>(dlg, "btnReplace");
    auto* replaceAll = child<QPushButton>(dlg, "btnReplaceAll");
    // Nothing to look for: nothing to press.
    for (QPushButton* b : {findNext, replace, replaceAll}) EXPECT_FALSE(b->isEnabled());

    child<QLineEdit>(dlg, "edtFindWhat")->setText("foo");
    child<QLineEdit>(dlg, "edtReplaceWith")->setText("bar");
    child<QCheckBox>(dlg, "cbMatchCase")->setChecked(true);
    child<QCheckBox>(dlg, "cbWholeWord")->setChecked(true);
    for (QPushButton* b : {findNext, replace, replaceAll}) EXPECT_TRUE(b->isEnabled());

    QStringList heard;
    QObject::connect(&dlg, &TFindReplaceDialog::findNext, [&] { heard << "find"; });
    QObject::connect(&dlg, &TFindReplaceDialog::replace, [&] { heard << "replace"; });
    QObject::connect(&dlg, &TFindReplaceDialog::replaceAll, [&] { heard << "all"; });
    replaceAll->click();
    replace->click();
    findNext->click();
    EXPECT_EQ(heard, (QStringList{"all", "replace", "find"}));

    EXPECT_EQ(dlg.findText(), "foo");
    EXPECT_EQ(dlg.replaceText(), "bar");
    const wrenfold::SearchOptions o = dlg.options();
    EXPECT_TRUE(o.down);
    EXPECT_TRUE(o.matchCase);
    EXPECT_TRUE(o.wholeWord);
}

TEST(FindDialog, DirectionUpAndCancelHidesButKeepsTheText) {
    TFindReplaceDialog dlg(TFindReplaceDialog::Kind::Find);
    dlg.showDialog();
    ASSERT_TRUE(dlg.isVisible());
    child<QLineEdit>(dlg, "edtFindWhat")->setText("ab");
    child<QRadioButton>(dlg, "rbUp")->setChecked(true);
    EXPECT_FALSE(dlg.options().down);
    child<QPushButton>(dlg, "btnCancel")->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.findText(), "ab");
    EXPECT_FALSE(dlg.down());
}

// --- Edit commands ----------------------------------------------------------------------

class EditCommands : public testing::Test {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }
    wrenfold::DocumentEditor editor;
};

TEST_F(EditCommands, MenuStateFollowsSelectionUndoAndClipboard) {
    editor.setBytes("abc");
    editor.setModified(false);
    editor.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    editor.setSelStart(1);
    auto s = wrenfold::editMenuState(editor);
    EXPECT_FALSE(s.undo);
    EXPECT_FALSE(s.redo);
    EXPECT_FALSE(s.cut);
    EXPECT_FALSE(s.copy);
    EXPECT_FALSE(s.paste);
    EXPECT_TRUE(s.selectAll);

    editor.setSelLength(-1);  // selected backwards counts as well
    QGuiApplication::clipboard()->setText("x");
    s = wrenfold::editMenuState(editor);
    EXPECT_TRUE(s.cut);
    EXPECT_TRUE(s.copy);
    EXPECT_TRUE(s.paste);

    editor.replaceSelection("Q");
    s = wrenfold::editMenuState(editor);
    EXPECT_TRUE(s.undo);
    EXPECT_FALSE(s.redo);
    editor.undo();
    s = wrenfold::editMenuState(editor);
    EXPECT_TRUE(s.redo);
}

TEST_F(EditCommands, CutCopyPasteAndSelectAll) {
    editor.setBytes("one two");
    editor.setSelStart(7);
    editor.setSelLength(-3);  // "two", caret in front of it
    wrenfold::copySelection(editor);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "two");
    wrenfold::cutSelection(editor);
    EXPECT_EQ(editor.bytes(), "one ");
    editor.setSelStart(0);
    wrenfold::pasteClipboard(editor);
    EXPECT_EQ(editor.bytes(), "twoone ");

    wrenfold::selectAllText(editor);
    EXPECT_EQ(editor.selStart(), 7);
    EXPECT_EQ(editor.selLength(), -7);
}

TEST_F(EditCommands, NothingToCutCopyOrPasteDoesNothing) {
    editor.setBytes("abc");
    editor.setSelStart(1);
    QGuiApplication::clipboard()->setText("kept");
    wrenfold::copySelection(editor);
    wrenfold::cutSelection(editor);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    EXPECT_EQ(editor.bytes(), "abc");

    QGuiApplication::clipboard()->clear();
    wrenfold::pasteClipboard(editor);
    EXPECT_EQ(editor.bytes(), "abc");
}

TEST_F(EditCommands, ClipboardTextOfAWindows1252DocumentKeepsItsCharacters) {
    // e acute and the euro sign are single bytes here; the clipboard gets them as text.
    editor.setBytes("caf\xE9 \x80");
    ASSERT_FALSE(editor.isUtf8());
    wrenfold::selectAllText(editor);
    wrenfold::copySelection(editor);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
    editor.setSelStart(0);
    wrenfold::pasteClipboard(editor);
    EXPECT_EQ(editor.bytes(), "caf\xE9 \x80" "caf\xE9 \x80");
}

}  // namespace
