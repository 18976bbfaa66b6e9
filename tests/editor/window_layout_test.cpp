// The window as it opens: its panels, buttons, sheets, document tabs and menu.
#include "window_fixture.h"

#include <QGroupBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

using namespace wrenfold;
using namespace wrenfold::test;

namespace {

struct ButtonCase {
    const char* name;
    const char* hint;
    bool enabled;
};

// The file and edit buttons, with the commands that work so far enabled.
const ButtonCase kMainButtons[] = {
    {"sbNew", "New File", false},
    {"sbOpen", "Open File", true},
    {"sbClose", "Close Current File", true},
    {"sbSave", "Save Current File", false},
    {"sbPrint", "Print Current File", true},
    {"sbBrowser", "View Current File In Default Browser", false},
    {"sbCut", "Cut to Clipboard", true},
    {"sbCopy", "Copy to Clipboard", true},
    {"sbPaste", "Paste from Clipboard.", true},
    {"sbFind", "Find Text", true},
    {"sbReplace", "Replace Text", true},
    {"sbLists", "Tag, Attribute, and Special Character Lists", true},
};

struct MenuCase {
    const char* menu;
    std::vector<const char*> items;  // objectNames, "-" for a separator
    std::vector<const char*> captions;
};

const MenuCase kMenus[] = {
    {"&File",
     {"mmiNew", "mmiOpen", "-", "mmiSave", "mmiSaveAs", "mmiPrint", "-", "mmiClose", "Exit1"},
     {"&New", "&Open", "-", "&Save", "Save &As", "&Print", "-", "&Close", "E&xit"}},
    {"&Edit",
     {"mmiUndo", "mmiRedo", "-", "mmiCut", "mmiCopy", "mmiPaste", "mmiSelectAll"},
     {"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "Se&lect All"}},
    {"&Search",
     {"mmiFind", "mmiFindAgain", "mmiReplace"},
     {"&Find", "Find Again", "&Replace"}},
    {"&Browse",
     {"mmiQuickView", "mmiLinkView", "-", "mmiDefault"},
     {"Quick View (Unsaved File)", "Quick View (From disk)", "-", "&Default Browser"}},
    {"&Tools",
     {"mmiFTP", "-", "mmiexplore", "-", "mmiHighlight"},
     {"FTP", "-", "Launch Explorer", "-", "Highlighter"}},
    {"&Help", {"mmiHelp1", "mmiAbout"}, {"&Contents", "&About"}},
};

}  // namespace

TEST_F(EditorWindow, PanelsStandWhereTheyBelong) {
    start();
    EXPECT_EQ(form->windowTitle(), "Wrenfold HTML Editor");
    form->resize(900, 600);
    auto* pnlTop = find<QWidget>("pnlTop");
    EXPECT_EQ(pnlTop->height(), 70);
    EXPECT_EQ(find<QWidget>("pnlMain")->width(), 160);
    const QWidget* toolBar = find<QWidget>("pnlToolBar");
    EXPECT_EQ(toolBar->pos(), QPoint(161, 1));
    EXPECT_EQ(toolBar->parentWidget(), pnlTop);
    EXPECT_EQ(find<QWidget>("pgcToolbar")->parentWidget(), toolBar);
    EXPECT_EQ(form->pnlLeft()->width(), 160);
    EXPECT_EQ(form->pnlLeft()->objectName(), "pnlLeft");
    // The documents take the rest, right of the panel and below the top.
    const QRect edit = form->pgcEdit()->geometry();
    EXPECT_GE(edit.left(), form->pnlLeft()->geometry().right());
    EXPECT_GT(edit.width(), 600);
}

TEST_F(EditorWindow, MainButtonsCarryTheirHintsAndNeverTakeTheFocus) {
    start();
    for (const ButtonCase& c : kMainButtons) {
        auto* button = find<QToolButton>(c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget()->objectName(), "pnlMain") << c.name;
        EXPECT_EQ(button->toolTip(), c.hint) << c.name;
        EXPECT_EQ(button->isEnabled(), c.enabled) << c.name;
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << c.name;
        EXPECT_TRUE(button->autoRaise()) << c.name;
        EXPECT_FALSE(button->icon().isNull()) << c.name;
    }
    // Two rows of six, left to right.
    EXPECT_EQ(find<QWidget>("sbOpen")->y(), find<QWidget>("sbBrowser")->y());
    EXPECT_LT(find<QWidget>("sbOpen")->x(), find<QWidget>("sbBrowser")->x());
    EXPECT_LT(find<QWidget>("sbNew")->y(), find<QWidget>("sbCut")->y());
    EXPECT_EQ(find<QWidget>("sbNew")->x(), find<QWidget>("sbCut")->x());
}

TEST_F(EditorWindow, ToolbarHasItsNineSheetsInOrderWithStandardActive) {
    start();
    const QStringList names = {"tsStandard", "tsFonts",  "tsLists",       "tsTables", "tsFrames",
                               "tsAdvanced", "tsTagList", "tsStyleSheets", "tsCustom"};
    const QStringList captions = {"Standard", "Fonts",    "Lists",        "Tables", "Frames",
                                  "Advanced", "Tag List", "Style Sheets", "Custom"};
    QTabWidget* toolbar = form->pgcToolbar();
    ASSERT_EQ(toolbar->count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(toolbar->widget(i)->objectName(), names[i]);
        EXPECT_EQ(toolbar->tabText(i), captions[i]);
    }
    EXPECT_EQ(toolbar->currentWidget(), form->tsStandard());
    EXPECT_EQ(form->tsCustom()->objectName(), "tsCustom");
}

TEST_F(EditorWindow, SheetControlsThatTheSettingsKeepExist) {
    start();
    auto* audio = find<QGroupBox>("rgDandDAudio");
    EXPECT_EQ(audio->parentWidget(), form->tsAdvanced());
    EXPECT_EQ(audio->title(), "Drag and Drop Audio");
    EXPECT_EQ(audio->geometry(), QRect(40, 0, 137, 33));
    QStringList items;
    for (QRadioButton* r : audio->findChildren<QRadioButton*>()) items << r->text();
    EXPECT_EQ(items, QStringList({"N", "IE", "C", "L"}));

    for (const char* name : {"cbTagList1", "cbTagList2"}) {
        auto* box = find<QComboBox>(name);
        EXPECT_EQ(box->parentWidget(), form->tsTagList()) << name;
        EXPECT_TRUE(box->isEditable()) << name;
        EXPECT_EQ(box->width(), 185);
    }
    for (const char* name : {"sbTagList1", "sbTagList2"})
        EXPECT_EQ(find<QToolButton>(name)->toolTip(), "Click to insert Tag in Document");

    auto* setup = find<QToolButton>("sbSetupCustom");
    EXPECT_EQ(setup->parentWidget(), form->tsCustom());
    EXPECT_EQ(setup->text(), "Setup");
    EXPECT_EQ(setup->toolTip(), "Customize your own buttons.");
    for (int n = 1; n <= 10; ++n) {
        auto* button = find<QToolButton>(QString("sbC%1").arg(n));
        EXPECT_EQ(button->parentWidget(), form->tsCustom());
        EXPECT_EQ(button, form->sbC(n - 1));
    }
}

TEST_F(EditorWindow, NineDocumentSlotsWithOnlyTheFirstShown) {
    start();
    QTabWidget* tabs = form->pgcEdit();
    ASSERT_EQ(tabs->count(), 9);
    for (int n = 0; n < 9; ++n) {
        const QString number = QString::number(n + 1);
        QWidget* sheet = find<QWidget>("ts" + number);
        EXPECT_EQ(tabs->widget(n), sheet);
        EXPECT_EQ(tabs->isTabVisible(n), n == 0) << n;
        auto* memo = find<DocumentEditor>("Memo" + number);
        auto* edit = find<QLineEdit>("Edit" + number);
        EXPECT_EQ(memo->parentWidget(), sheet);
        EXPECT_EQ(edit->parentWidget(), sheet);
        EXPECT_FALSE(edit->isVisible());
        EXPECT_EQ(memo->highlighter(), Highlighter::Html);
    }
    EXPECT_EQ(tabText(0), "Untitled");
    EXPECT_EQ(form->ActiveMemo(), form->Memo(0));
    EXPECT_EQ(form->ActiveFileEdit(), form->Edit(0));
    auto* image = find<QLabel>("Image1");
    EXPECT_EQ(image->parentWidget(), form->DocumentTab(0));
    EXPECT_FALSE(image->isVisible());
}

TEST_F(EditorWindow, MenuHasItsCaptionsSeparatorsAndTheOneShortcut) {
    start();
    auto* bar = find<QMenuBar>("MainMenu1");
    const QList<QAction*> menus = bar->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(std::size(kMenus)));
    for (std::size_t m = 0; m < std::size(kMenus); ++m) {
        const MenuCase& c = kMenus[m];
        QAction* menuAction = menus[static_cast<qsizetype>(m)];
        EXPECT_EQ(menuAction->text(), c.menu);
        const QList<QAction*> items = menuAction->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(c.items.size())) << c.menu;
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            QAction* item = items[static_cast<qsizetype>(i)];
            if (std::string(c.items[i]) == "-") {
                EXPECT_TRUE(item->isSeparator()) << c.menu << " " << i;
                continue;
            }
            EXPECT_EQ(item->objectName(), c.items[i]);
            EXPECT_EQ(item->text(), c.captions[i]);
            EXPECT_FALSE(item->isCheckable());
            if (item->objectName() == "mmiFindAgain")
                EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F3));
            else
                EXPECT_TRUE(item->shortcut().isEmpty()) << c.items[i];
        }
    }
    const QList<QAction*> highlighters = find<QAction>("mmiHighlight")->menu()->actions();
    QStringList got;
    for (QAction* a : highlighters) got << a->objectName() + "=" + a->text();
    EXPECT_EQ(got, QStringList({"mmiHighlightNone=None", "mmiHighlighterHTML=HTML",
                                "mmiHIghlightOOP=Object Pascal", "C1=C++"}));
}

TEST_F(EditorWindow, CommandsOfLaterWorkAreDisabledAndTheRestEnabled) {
    start();
    for (const char* name : {"mmiNew", "mmiQuickView", "mmiLinkView", "mmiDefault"})
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* name : {"mmiOpen", "mmiSave", "mmiSaveAs", "mmiPrint", "mmiClose", "Exit1",
                             "mmiFTP", "mmiexplore", "mmiHighlightNone", "mmiHighlighterHTML",
                             "mmiHIghlightOOP", "C1", "mmiHelp1", "mmiAbout",
                             "mmiSelectAll", "mmiFind", "mmiFindAgain", "mmiReplace"})
        EXPECT_TRUE(enabled(name)) << name;
}
