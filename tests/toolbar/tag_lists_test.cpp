// The tag and attribute window and the Tag List sheet in a real window: loading the three
// list files, sorted, with a missing one; double-clicks inserting while the window stays
// open; the two toolbar boxes.
#include "ToolbarFixture.h"

#include "editor/cDlgTagandAttrib.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace wrenfold::testing_toolbar {
namespace {

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

// Double-clicks the entry with this text, as the user would.
void doubleClick(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    list->scrollToItem(found.first());
    const QPoint at = list->visualItemRect(found.first()).center();
    // The sequence a mouse makes: press, release, then the second press as a double-click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

class TagLists : public WindowFixture {
protected:
    void writeProgramFolder() override {
        writeFile(path("tag.lst"), "zeta\r\n<HR>\r\na..b..c\r\n<B>..</B>\r\nAlpha\r\n<HR>\r\n");
        writeFile(path("attrib.lst"), "BORDER=\r\n\r\nALIGN=\r\n");
        writeFile(path("spc.lst"), "&copy; copyright sign\r\n&amp; ampersand\r\nnoblank\r\n");
    }

    TDlgTagandAttrib* dialog() const {
        auto* d = form->findChild<TDlgTagandAttrib*>("TDlgTagandAttrib");
        EXPECT_NE(d, nullptr);
        return d;
    }

    // Opens the window with sbLists and runs steps while it is up; Cancel closes it.
    void withListWindow(const std::function<void(TDlgTagandAttrib&)>& steps) {
        prompter.dialog([&](QDialog& d) {
            d.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
            steps(static_cast<TDlgTagandAttrib&>(d));
            return false;
        });
        click("sbLists");
    }
};

TEST_F(TagLists, LoadsTheThreeFilesSortedWithoutRegardToCase) {
    EXPECT_TRUE(prompter.messages().isEmpty());
    TDlgTagandAttrib* d = dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(itemsOf(d->ListBoxTags),
              (QStringList{"<B>..</B>", "<HR>", "<HR>", "a..b..c", "Alpha", "zeta"}));
    EXPECT_EQ(itemsOf(d->ListBoxAttrib), (QStringList{"", "ALIGN=", "BORDER="}));
    EXPECT_EQ(itemsOf(d->ListBoxSC),
              (QStringList{"&amp; ampersand", "&copy; copyright sign", "noblank"}));
    EXPECT_EQ(d->windowTitle(), "Tags and Attributes");
    EXPECT_EQ(d->PageControl1->currentIndex(), 0);
    EXPECT_EQ(d->PageControl1->tabText(0), "HTML Tags");
    EXPECT_EQ(d->PageControl1->tabText(1), "Attributes");
    EXPECT_EQ(d->PageControl1->tabText(2), "Special Characters");
    EXPECT_EQ(d->PageControl1->toolTip(),
              "Double Click on the Tag or Attribute to enter on form.  Cancel when finished.");
    EXPECT_EQ(d->CancelBtn->text(), "Cancel");
    EXPECT_TRUE(d->isHidden());  // until asked for
}

TEST_F(TagLists, DoubleClicksInsertWhileTheWindowStaysOpen) {
    setDocument("abcd", 1, 2);  // "bc" selected
    QString shownAfterInserts;
    withListWindow([&](TDlgTagandAttrib& d) {
        doubleClick(d.ListBoxTags, "<B>..</B>");  // one marker: wraps "bc"
        doubleClick(d.ListBoxTags, "<HR>");       // none: in front of the selection
        doubleClick(d.ListBoxTags, "a..b..c");    // two: the last one splits
        d.PageControl1->setCurrentIndex(1);
        doubleClick(d.ListBoxAttrib, "ALIGN=");   // with its leading blank
        doubleClick(d.ListBoxAttrib, "");         // a blank line: a single blank
        d.PageControl1->setCurrentIndex(2);
        doubleClick(d.ListBoxSC, "&amp; ampersand");  // only the entity
        doubleClick(d.ListBoxSC, "noblank");          // nothing
        shownAfterInserts = d.isVisible() ? "visible" : "hidden";
    });
    EXPECT_EQ(shownAfterInserts, "visible");
    EXPECT_EQ(memo()->bytes(), "a<B><HR>a..b ALIGN= &amp;bcc</B>d");
    EXPECT_EQ(memo()->selStart(), 25);  // "bc" still selected
    EXPECT_EQ(memo()->selLength(), 2);
    EXPECT_EQ(prompter.eventsOf(wf::PromptEvent::Type::Dialog).size(), 1u);
}

TEST_F(TagLists, TheOneWindowKeepsItsLastPage) {
    TDlgTagandAttrib* first = dialog();
    withListWindow([](TDlgTagandAttrib& d) { d.PageControl1->setCurrentIndex(2); });
    TDlgTagandAttrib* seen = nullptr;
    int page = -1;
    withListWindow([&](TDlgTagandAttrib& d) {
        seen = &d;
        page = d.PageControl1->currentIndex();
    });
    EXPECT_EQ(seen, first);
    EXPECT_EQ(page, 2);
    EXPECT_EQ(form->findChildren<TDlgTagandAttrib*>().size(), 1);
}

TEST_F(TagLists, ToolbarBoxesInsertTheirTextByTheMarkerRule) {
    const struct {
        const char* box;
        const char* button;
        const char* text;
        const char* after;
        long start, length;
    } cases[] = {
        {"cbTagList1", "sbTagList1", "<B>..</B>", "a<B>bc</B>d", 4, 2},
        {"cbTagList2", "sbTagList2", "<HR>", "a<HR>bcd", 5, 2},
        {"cbTagList1", "sbTagList1", "<I class=x>..</I>", "a<I class=x>bc</I>d", 12, 2},  // typed
        {"cbTagList2", "sbTagList2", "a..b..c", "aa..bbccd", 5, 2},
        {"cbTagList1", "sbTagList1", "", "abcd", 1, 2},
    };
    for (const auto& c : cases) {
        setDocument("abcd", 1, 2);
        auto* box = control<QComboBox>(c.box);
        box->setEditText(c.text);
        EXPECT_EQ(control(c.button)->toolTip(), "Click to insert Tag in Document");
        click(c.button);
        EXPECT_EQ(memo()->bytes(), c.after) << c.text;
        EXPECT_EQ(memo()->selStart(), c.start) << c.text;
        EXPECT_EQ(memo()->selLength(), c.length) << c.text;
    }
}

TEST_F(TagLists, EmptyBoxStillGivesTheEditorTheFocus) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    setDocument("abcd", 1, 2);
    control<QComboBox>("cbTagList1")->setFocus();
    control<QComboBox>("cbTagList1")->setEditText("");
    click("sbTagList1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return memo()->hasFocus(); }));
    EXPECT_EQ(memo()->bytes(), "abcd");
}

// Each missing file in turn: its error box, and its list and the later ones stay empty.
class MissingListFile : public WindowFixture, public testing::WithParamInterface<int> {
protected:
    void writeProgramFolder() override {
        const char* names[] = {"tag.lst", "attrib.lst", "spc.lst"};
        for (int i = 0; i < 3; ++i)
            if (i != GetParam()) writeFile(path(names[i]), "x\r\n");
    }
};

TEST_P(MissingListFile, ReportsItAndLeavesItsListAndTheLaterOnesEmpty) {
    const char* names[] = {"tag.lst", "attrib.lst", "spc.lst"};
    const QString missing = path(names[GetParam()]);
    EXPECT_TRUE(prompter.messages().contains("Cannot open file " + missing))
        << prompter.messages().join("|").toStdString();
    for (const wf::PromptEvent& e : prompter.eventsOf(wf::PromptEvent::Type::Message))
        EXPECT_EQ(e.kind, wf::MsgKind::Error);
    auto* d = form->findChild<TDlgTagandAttrib*>("TDlgTagandAttrib");
    ASSERT_NE(d, nullptr);
    const QListWidget* lists[] = {d->ListBoxTags, d->ListBoxAttrib, d->ListBoxSC};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lists[i]->count(), i < GetParam() ? 1 : 0) << names[i];
    // The program goes on: the toolbar still works.
    setDocument("x", 0, 1);
    click("sbBold");
    EXPECT_EQ(memo()->bytes(), "<B>x</B>");
}

INSTANTIATE_TEST_SUITE_P(EachFile, MissingListFile, testing::Values(0, 1, 2));

}  // namespace
}  // namespace wrenfold::testing_toolbar
