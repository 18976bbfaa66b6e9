// The tag toolbar in a real window: every fixed-markup button and popup item clicked through
// its control, the edge cases of wrapping and inserting, where popups open, and the look of
// the sheets.
#include "ToolbarFixture.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

namespace wrenfold::testing_toolbar {
namespace {

class ToolbarWindow : public WindowFixture {
protected:
    // Opens the popup of button, and once it shows, clicks the item by name.
    // Returns the popup that showed (null if none did).
    QMenu* chooseFromPopup(QAbstractButton* button, const char* item) {
        QMenu* shown = nullptr;
        QTimer::singleShot(0, [&] {
            shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!shown) return;
            if (auto* action = shown->findChild<QAction*>(item))
                QTest::mouseClick(shown, Qt::LeftButton, {},
                                  shown->actionGeometry(action).center());
            if (shown->isVisible()) shown->close();
        });
        click(button);
        return shown;
    }
};

// Every fixed-markup button with the markup it must make: close == nullptr means insert.
struct MarkupCase {
    const char* button;
    const char* open;
    const char* close;
};

const MarkupCase kMarkupCases[] = {
    {"sbParagraph", "<P>", nullptr},
    {"sbParagraph2", "<P>", "</P>"},
    {"sbBreak", "<BR>", nullptr},
    {"sbBold", "<B>", "</B>"},
    {"sbItalic", "<I>", "</I>"},
    {"sbUnderline", "<U>", "</U>"},
    {"sbCenter", "<CENTER>", "</CENTER>"},
    {"sbRight", "<P align=right>", "</P>"},
    {"sbComment", "<!--", "-->"},
    {"sbFontPlus", "<FONT size=+1>", "</FONT>"},
    {"sbFontMinus", "<FONT size=-1>", "</FONT>"},
    {"sbPre", "<PRE>", "</PRE>"},
    {"sbSup", "<SUP>", "</SUP>"},
    {"sbSub", "<SUB>", "</SUB>"},
    {"sbStrong", "<STRONG>", "</STRONG>"},
    {"sbEmphasized", "<EM>", "</EM>"},
    {"sbH1", "<H1>", "</H1>"},
    {"sbH2", "<H2>", "</H2>"},
    {"sbH3", "<H3>", "</H3>"},
    {"sbH4", "<H4>", "</H4>"},
    {"sbH5", "<H5>", "</H5>"},
    {"sbH6", "<H6>", "</H6>"},
    {"sbCode", "<CODE>", "</CODE>"},
    {"sbKeybd", "<KBD>", "</KBD>"},
    {"sbSample", "<SAMP>", "</SAMP>"},
    {"sbTypewriter", "<TT>", "</TT>"},
    {"sbLI", "<LI>", nullptr},
    {"sbOL", "<OL>", "</OL>"},
    {"sbUL", "<UL>", "</UL>"},
    {"sbDL", "<DL>", "</DL>"},
    {"sbDT", "<DT>", nullptr},
    {"sbDD", "<DD>", nullptr},
    {"sbMnuList", "<MENU>", "</MENU>"},
    {"sbDirList", "<DIR>", "</DIR>"},
    {"sbTbl", "<TABLE>", "</TABLE>"},
    {"sbTH", "<TH>", "</TH>"},
    {"sbTR", "<TR>", "</TR>"},
    {"sbTD", "<TD>", "</TD>"},
    {"sbCA", "<CAPTION>", "</CAPTION>"},
    {"sbWid", " width=", nullptr},
    {"sbHt", " height=", nullptr},
    {"sbBor", " border=", nullptr},
    {"sbRSp", " rowspan=", nullptr},
    {"sbCSp", " colspan=", nullptr},
    {"sbCes", " cellspacing=", nullptr},
    {"sbCep", " cellpadding=", nullptr},
};

TEST_F(ToolbarWindow, EveryFixedMarkupButtonMakesItsOneCall) {
    for (const MarkupCase& c : kMarkupCases) {
        SCOPED_TRACE(c.button);
        for (long length : {2L, -2L}) {
            // "bc" of "abcd", selected forwards (caret at 1) or backwards (caret at 3)
            setDocument("abcd", length > 0 ? 1 : 3, length);
            QSignalSpy edits(memo(), &DocumentEditor::documentChanged);
            click(c.button);
            const std::string open = c.open;
            const std::string close = c.close ? c.close : "";
            EXPECT_EQ(memo()->bytes(), "a" + open + "bc" + close + "d");
            const long lower = 1 + static_cast<long>(open.size());
            EXPECT_EQ(memo()->selStart(), length > 0 ? lower : lower + 2);
            EXPECT_EQ(memo()->selLength(), length);
            EXPECT_EQ(edits.count(), c.close ? 2 : 1);  // html2 edits twice, html1 once
        }
    }
}

struct PopupCase {
    const char* button;
    const char* menu;
    const char* item;
    const char* caption;
    const char* inserts;  // nullptr: nothing
};

const PopupCase kPopupCases[] = {
    {"sbClear", "pmClear", "pmiClearLeft", "<BR clear=left>", "<BR clear=left>"},
    {"sbClear", "pmClear", "pmiClearRight", "<BR clear=right>", "<BR clear=right>"},
    {"sbClear", "pmClear", "pmiClearAll", "<BR clear=all>", "<BR clear=all>"},
    {"sbClear", "pmClear", "Cancel1", "Cancel", nullptr},
    {"sbAlign", "pmAlign", "pmiALeft", "align=\"left\"", " align=\"left\""},
    {"sbAlign", "pmAlign", "pmiACenter", "align=\"center\"", " align=\"center\""},
    {"sbAlign", "pmAlign", "pmiARight", "align=\"right\"", " align=\"right\""},
    {"sbAlign", "pmAlign", "pmiATop", "align=\"top\"", " align=\"top\""},
    {"sbAlign", "pmAlign", "pmiAMiddle", "align=\"middle\"", " align=\"middle\""},
    {"sbAlign", "pmAlign", "pmiABottom", "align=\"bottom\"", " align=\"bottom\""},
    {"sbAlign", "pmAlign", "pmiVATop", "valign=\"top\"", " valign=\"top\""},
    {"sbAlign", "pmAlign", "pmiVAMiddle", "valign=\"middle\"", " valign=\"middle\""},
    {"sbAlign", "pmAlign", "pmiVABottom", "valign=\"bottom\"", " valign=\"bottom\""},
    {"sbAlign", "pmAlign", "pmiBGProp", "bgproperties=\"fixed\"", "bgproperties=\"fixed\""},
    {"sbAlign", "pmAlign", "pmiCancel", "Cancel", nullptr},
};

TEST_F(ToolbarWindow, EveryPopupItemInsertsItsTextThroughItsMenu) {
    for (const PopupCase& c : kPopupCases) {
        SCOPED_TRACE(c.item);
        auto* menu = control<QMenu>(c.menu);
        ASSERT_NE(menu, nullptr);
        auto* action = menu->findChild<QAction*>(c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString(c.caption));

        setDocument("abcd", 3, -2);
        QMenu* shown = chooseFromPopup(control(c.button), c.item);
        EXPECT_EQ(shown, menu);
        const std::string inserted = c.inserts ? c.inserts : "";
        EXPECT_EQ(memo()->bytes(), "a" + inserted + "bcd");
        EXPECT_EQ(memo()->selStart(), 3 + static_cast<long>(inserted.size()));
        EXPECT_EQ(memo()->selLength(), -2);
    }
}

TEST_F(ToolbarWindow, PopupMenusKeepTheirItemOrder) {
    const struct {
        const char* menu;
        QStringList items;
    } menus[] = {
        {"pmClear", {"pmiClearLeft", "pmiClearRight", "pmiClearAll", "Cancel1"}},
        {"pmAlign", {"pmiALeft", "pmiACenter", "pmiARight", "pmiATop", "pmiAMiddle",
                     "pmiABottom", "pmiVATop", "pmiVAMiddle", "pmiVABottom", "pmiBGProp",
                     "pmiCancel"}},
    };
    for (const auto& m : menus) {
        QStringList names;
        for (QAction* a : control<QMenu>(m.menu)->actions()) names << a->objectName();
        EXPECT_EQ(names, m.items) << m.menu;
    }
}

TEST_F(ToolbarWindow, PopupOpensBelowItsButtonByTheToolbarRule) {
    auto* panel = control<QWidget>("pnlToolBar");
    ASSERT_EQ(panel->pos(), QPoint(161, 1));
    const struct {
        const char* button;
        QPoint onSheet;
    } cases[] = {{"sbClear", {72, 8}}, {"sbAlign", {232, 8}}};
    for (const auto& c : cases) {
        QAbstractButton* button = control(c.button);
        ASSERT_EQ(button->pos(), c.onSheet);
        QPoint at;
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                at = popup->pos();
                popup->close();
            }
        });
        click(button);
        const QPoint window = form->frameGeometry().topLeft();
        EXPECT_EQ(at, window + c.onSheet + QPoint(161, 1) + QPoint(5, 90)) << c.button;
    }
}

TEST_F(ToolbarWindow, BoldThenItalicNestsAroundTheSelection) {
    setDocument("word", 0, 4);
    click("sbBold");
    click("sbItalic");
    EXPECT_EQ(memo()->bytes(), "<B><I>word</I></B>");
    EXPECT_EQ(memo()->selStart(), 6);
    EXPECT_EQ(memo()->selLength(), 4);
}

TEST_F(ToolbarWindow, WrapAndInsertEdgeCases) {
    const struct {
        const char* button;
        const char* text;
        long start, length;
        const char* after;
        long afterStart, afterLength;
    } cases[] = {
        {"sbBold", "ab", 2, 0, "ab<B></B>", 5, 0},          // caret between the tags
        {"sbComment", "word", 0, 4, "<!--word-->", 4, 4},   // no blanks inside
        {"sbRight", "word", 0, 4, "<P align=right>word</P>", 15, 4},  // unquoted value
        {"sbParagraph", "word", 0, 4, "<P>word", 3, 4},     // never replaces the selection
        {"sbWid", "<TD>", 3, 0, "<TD width=>", 10, 0},      // caret right behind "="
    };
    for (const auto& c : cases) {
        setDocument(c.text, c.start, c.length);
        click(c.button);
        EXPECT_EQ(memo()->bytes(), c.after) << c.button;
        EXPECT_EQ(memo()->selStart(), c.afterStart) << c.button;
        EXPECT_EQ(memo()->selLength(), c.afterLength) << c.button;
    }
}

TEST_F(ToolbarWindow, RightButtonAndAlignItemDiffer) {
    setDocument("<P>", 2, 0);
    chooseFromPopup(control("sbAlign"), "pmiARight");
    EXPECT_EQ(memo()->bytes(), "<P align=\"right\">");
    setDocument("x", 0, 1);
    click("sbRight");
    EXPECT_EQ(memo()->bytes(), "<P align=right>x</P>");
}

TEST_F(ToolbarWindow, ButtonsAreFlatNeverTakeFocusAndStandOnTheirSheets) {
    const struct {
        const char* sheet;
        QStringList buttons;
    } sheets[] = {
        {"tsStandard", {"sbParagraph", "sbParagraph2", "sbBreak", "sbClear", "sbBold", "sbItalic",
                        "sbUnderline", "sbCenter", "sbRight", "sbAlign", "sbHR", "sbComment",
                        "sbColor", "sbImage", "sbLink", "sbAnchorLink", "sbAnchorName",
                        "sbEMail"}},
        {"tsFonts", {"sbFontSelect", "sbFontPlus", "sbFontMinus", "sbPre", "sbSup", "sbSub",
                     "sbStrong", "sbEmphasized", "sbH1", "sbH2", "sbH3", "sbH4", "sbH5", "sbH6",
                     "sbKeybd", "sbSample", "sbCode", "sbTypewriter"}},
        {"tsLists", {"sbOrderedList", "sbUnorderedList", "sbLI", "sbOL", "sbUL",
                     "sbDefinitionList", "sbDL", "sbDT", "sbDD", "sbMnuList", "sbDirList"}},
        {"tsTables", {"sbTableWiz", "sbTbl", "sbTH", "sbTR", "sbTD", "sbCA", "sbWid", "sbHt",
                      "sbBor", "sbRSp", "sbCSp", "sbCes", "sbCep"}},
        {"tsFrames", {"sbFrameWizard", "sbFS", "sbFR", "sbNF", "sbFB", "sbMW", "sbMH",
                      "sbTarget"}},
        {"tsAdvanced", {"sbBGSound", "sbMarquee", "sbJavaScript", "sbForm", "sbFormInput",
                        "sbFormMenu", "sbFormMnuItm", "sbFormSubmit", "sbFormReset",
                        "sbFormGButton"}},
        {"tsStyleSheets", {"CSS", "sbStyle", "sbStyTypeClass", "sbStyleDiv", "sbStyleSpan",
                           "sbStyleParagraph", "sbStyleLink", "sbStyImage"}},
    };
    for (const auto& s : sheets) {
        QWidget* sheet = control<QWidget>(s.sheet);
        int lastLeft = -1;
        for (const QString& name : s.buttons) {
            auto* b = form->findChild<QToolButton*>(name);
            ASSERT_NE(b, nullptr) << name.toStdString();
            EXPECT_EQ(b->parentWidget(), sheet) << name.toStdString();
            EXPECT_TRUE(b->autoRaise()) << name.toStdString();
            EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << name.toStdString();
            EXPECT_FALSE(b->toolTip().isEmpty()) << name.toStdString();
            EXPECT_GE(b->x(), lastLeft) << name.toStdString();  // left to right
            lastLeft = b->x();
        }
    }
}

TEST_F(ToolbarWindow, MonospaceBlockAndSizes) {
    const struct {
        const char* button;
        QRect geometry;
    } cases[] = {
        {"sbKeybd", {376, 5, 23, 14}},   {"sbSample", {376, 19, 23, 14}},
        {"sbCode", {400, 5, 23, 14}},    {"sbTypewriter", {400, 19, 23, 14}},
        {"sbParagraph", {0, 8, 23, 22}}, {"sbEMail", {432, 8, 23, 22}},
        {"sbFormSubmit", {352, 8, 25, 22}}, {"sbCep", {408, 8, 23, 22}},
        {"sbDirList", {360, 8, 23, 22}},
    };
    for (const auto& c : cases) EXPECT_EQ(control(c.button)->geometry(), c.geometry) << c.button;
}

TEST_F(ToolbarWindow, HintsCaptionsAndFaces) {
    EXPECT_EQ(control("sbParagraph")->toolTip(), "Paragraph\nWith open tag only");
    EXPECT_EQ(control("sbParagraph")->text(), QString::fromUtf8("\u00B6"));
    EXPECT_EQ(control("sbAlign")->toolTip(), "align=***/ valign=*** Menu ");
    EXPECT_EQ(control("sbDT")->toolTip(), "Defenition Term");
    EXPECT_EQ(control("CSS")->toolTip(), "Link to an  external Style Sheet");

    const struct {
        const char* button;
        const char* caption;
        bool bold;
        QColor color;  // invalid: the palette's own
    } faces[] = {
        {"sbBreak", "BR", true, QColor()},
        {"sbFontPlus", "F+", false, QColor(255, 0, 0)},
        {"sbStrong", "ST", true, QColor(0, 0, 255)},
        {"sbH3", "H3", true, QColor(255, 0, 0)},
        {"sbTypewriter", "TT", false, QColor(0, 128, 0)},
        {"sbCode", "CDE", false, QColor(0, 128, 0)},
        {"sbMnuList", "Mnu", false, QColor(255, 0, 0)},
        {"sbTbl", "TBL", true, QColor(0, 0, 255)},
        {"sbCes", "CeS", false, QColor()},
    };
    const QColor plain = QApplication::palette().color(QPalette::Active, QPalette::ButtonText);
    for (const auto& f : faces) {
        QAbstractButton* b = control(f.button);
        EXPECT_EQ(b->text(), QString(f.caption)) << f.button;
        EXPECT_EQ(b->font().bold(), f.bold) << f.button;
        EXPECT_EQ(b->font().pointSize(), 8) << f.button;
        EXPECT_EQ(b->palette().color(QPalette::Active, QPalette::ButtonText),
                  f.color.isValid() ? f.color : plain)
            << f.button;
    }
    // Arial Black 10 pt, or the heaviest weight of its stand-in; maroon on the DL group.
    for (const char* name : {"sbLI", "sbDD"}) {
        EXPECT_EQ(control(name)->font().pointSize(), 10) << name;
        EXPECT_GE(control(name)->font().weight(), QFont::Black) << name;
    }
    EXPECT_EQ(control("sbDD")->palette().color(QPalette::Active, QPalette::ButtonText),
              QColor(128, 0, 0));
    EXPECT_EQ(control("sbParagraph")->font().pointSize(), 10);
    EXPECT_EQ(control("sbParagraph")->font().styleHint(), QFont::TypeWriter);
    EXPECT_TRUE(control("CSS")->font().underline());

    // Picture buttons show an icon from the resource, sharp at 16 px and at twice that.
    for (const char* name : {"sbParagraph2", "sbBold", "sbAlign", "sbTableWiz", "sbFormSubmit",
                             "sbStyImage", "sbTarget"}) {
        QAbstractButton* b = control(name);
        EXPECT_TRUE(b->text().isEmpty()) << name;
        EXPECT_FALSE(b->icon().pixmap(QSize(16, 16)).isNull()) << name;
        EXPECT_EQ(b->icon().pixmap(QSize(32, 32)).size(), QSize(32, 32)) << name;
    }
}

TEST_F(ToolbarWindow, CommandsOfLaterDialogsWaitDisabled) {
    for (const char* name :
         {"sbHR", "sbColor", "sbImage", "sbLink", "sbAnchorLink", "sbAnchorName", "sbEMail",
          "sbFontSelect", "sbOrderedList", "sbUnorderedList", "sbDefinitionList", "sbTableWiz",
          "sbFrameWizard", "sbFS", "sbTarget", "sbBGSound", "sbMarquee", "sbJavaScript",
          "sbForm", "sbFormInput", "sbFormGButton", "CSS", "sbStyle", "sbStyImage"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    for (const MarkupCase& c : kMarkupCases) EXPECT_TRUE(control(c.button)->isEnabled()) << c.button;
    EXPECT_TRUE(control("sbClear")->isEnabled());
    EXPECT_TRUE(control("sbAlign")->isEnabled());
}

TEST_F(ToolbarWindow, ClickingAButtonLeavesTheEditorItsFocus) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    setDocument("abcd", 1, 2);
    memo()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return memo()->hasFocus(); }));
    click("sbH1");
    EXPECT_TRUE(memo()->hasFocus());
    EXPECT_EQ(memo()->selLength(), 2);
}

}  // namespace
}  // namespace wrenfold::testing_toolbar
