// The main window's controls, buttons and menu, all made here from tables. An entry without
// a handler is a command whose work is not built yet: it exists, named and captioned, and
// stays disabled.
#include "editor/cwrenfold.h"

#include "platform/ui/ErrorHandler.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace wrenfold {

namespace {

using Handler = void (TForm1::*)();

struct ButtonSpec {
    const char* name;
    const char* hint;
    const char* icon;  // in :/icons/
    Handler handler;
};

// pnlMain, two rows of six.
const ButtonSpec kMainButtons[] = {
    {"sbNew", "New File", "new", nullptr},
    {"sbOpen", "Open File", "open", &TForm1::mmiOpenClick},
    {"sbClose", "Close Current File", "close", &TForm1::mmiCloseClick},
    {"sbSave", "Save Current File", "save", &TForm1::mmiSaveClick},
    {"sbPrint", "Print Current File", "print", &TForm1::sbPrintClick},
    {"sbBrowser", "View Current File In Default Browser", "browser", nullptr},
    {"sbCut", "Cut to Clipboard", "cut", &TForm1::mmiCutClick},
    {"sbCopy", "Copy to Clipboard", "copy", &TForm1::mmiCopyClick},
    {"sbPaste", "Paste from Clipboard.", "paste", &TForm1::mmiPasteClick},
    {"sbFind", "Find Text", "find", &TForm1::sbFindClick},
    {"sbReplace", "Replace Text", "replace", &TForm1::sbReplaceClick},
    {"sbLists", "Tag, Attribute, and Special Character Lists", "lists", &TForm1::sbListsClick},
};

struct ItemSpec {
    const char* name;  // nullptr: a separator
    const char* caption = nullptr;
    const char* shortcut = nullptr;
    Handler handler = nullptr;
    std::vector<ItemSpec> submenu = {};
};

struct MenuSpec {
    const char* name;
    const char* caption;
    std::vector<ItemSpec> items;
};

const ItemSpec kSeparator{nullptr};

const std::vector<MenuSpec>& menuTable() {
    static const std::vector<MenuSpec> table = {
        {"mmiFile",
         "&File",
         {{"mmiNew", "&New"},
          {"mmiOpen", "&Open", nullptr, &TForm1::mmiOpenClick},
          kSeparator,
          {"mmiSave", "&Save", nullptr, &TForm1::mmiSaveClick},
          {"mmiSaveAs", "Save &As", nullptr, &TForm1::mmiSaveAsClick},
          {"mmiPrint", "&Print", nullptr, &TForm1::sbPrintClick},
          kSeparator,
          {"mmiClose", "&Close", nullptr, &TForm1::mmiCloseClick},
          {"Exit1", "E&xit", nullptr, &TForm1::Exit1Click}}},
        {"mmiEdit",
         "&Edit",
         {{"mmiUndo", "&Undo", nullptr, &TForm1::mmiUndoClick},
          {"mmiRedo", "&Redo", nullptr, &TForm1::mmiRedoClick},
          kSeparator,
          {"mmiCut", "Cu&t", nullptr, &TForm1::mmiCutClick},
          {"mmiCopy", "&Copy", nullptr, &TForm1::mmiCopyClick},
          {"mmiPaste", "&Paste", nullptr, &TForm1::mmiPasteClick},
          {"mmiSelectAll", "Se&lect All", nullptr, &TForm1::mmiSelectAllClick}}},
        {"mmiSearch",
         "&Search",
         {{"mmiFind", "&Find", nullptr, &TForm1::sbFindClick},
          {"mmiFindAgain", "Find Again", "F3", &TForm1::FindDialog1Find},
          {"mmiReplace", "&Replace", nullptr, &TForm1::sbReplaceClick}}},
        {"mmiBrowse",
         "&Browse",
         {{"mmiQuickView", "Quick View (Unsaved File)"},
          {"mmiLinkView", "Quick View (From disk)"},
          kSeparator,
          {"mmiDefault", "&Default Browser"}}},
        {"mmiTools",
         "&Tools",
         {{"mmiFTP", "FTP", nullptr, &TForm1::mmiFTPClick},
          kSeparator,
          {"mmiexplore", "Launch Explorer", nullptr, &TForm1::mmiexploreClick},
          kSeparator,
          {"mmiHighlight",
           "Highlighter",
           nullptr,
           nullptr,
           {{"mmiHighlightNone", "None", nullptr, &TForm1::mmiHighlightNoneClick},
            {"mmiHighlighterHTML", "HTML", nullptr, &TForm1::mmiHighlighterHTMLClick},
            {"mmiHIghlightOOP", "Object Pascal", nullptr, &TForm1::mmiHIghlightOOPClick},
            {"C1", "C++", nullptr, &TForm1::C1Click}}}}},
        {"mmiHelp",
         "&Help",
         {{"mmiHelp1", "&Contents", nullptr, &TForm1::mmiHelp1Click},
          {"mmiAbout", "&About", nullptr, &TForm1::mmiAboutClick}}},
    };
    return table;
}

struct SheetSpec {
    const char* name;
    const char* caption;
};

const SheetSpec kSheets[] = {
    {"tsStandard", "Standard"}, {"tsFonts", "Fonts"},         {"tsLists", "Lists"},
    {"tsTables", "Tables"},     {"tsFrames", "Frames"},       {"tsAdvanced", "Advanced"},
    {"tsTagList", "Tag List"},  {"tsStyleSheets", "Style Sheets"}, {"tsCustom", "Custom"},
};

// Every command runs under the default error handler.
void connectCommand(TForm1* form, QObject* sender, Handler handler) {
    auto run = [form, handler] { wf::runGuarded([form, handler] { (form->*handler)(); }); };
    if (auto* button = qobject_cast<QAbstractButton*>(sender))
        QObject::connect(button, &QAbstractButton::clicked, form, run);
    else if (auto* action = qobject_cast<QAction*>(sender))
        QObject::connect(action, &QAction::triggered, form, run);
}

void addMenuItems(TForm1* form, QMenu* menu, const std::vector<ItemSpec>& items) {
    for (const ItemSpec& item : items) {
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        if (!item.submenu.empty()) {
            QMenu* sub = menu->addMenu(QString::fromUtf8(item.caption));
            sub->menuAction()->setObjectName(QString::fromUtf8(item.name));
            sub->setObjectName(QString::fromUtf8(item.name) + "Menu");
            addMenuItems(form, sub, item.submenu);
            continue;
        }
        auto* action = new QAction(QString::fromUtf8(item.caption), form);
        action->setObjectName(QString::fromUtf8(item.name));
        if (item.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
        action->setEnabled(item.handler != nullptr);
        if (item.handler) connectCommand(form, action, item.handler);
        menu->addAction(action);
    }
}

}  // namespace

void TForm1::buildWindow() {
    setObjectName("Form1");
    setWindowTitle("Wrenfold HTML Editor");
    setWindowIcon(QIcon(":/icons/wrenfold.svg"));
    resize(640, 480);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildTopPanel());

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    pnlLeft_ = new QWidget(central);
    pnlLeft_->setObjectName("pnlLeft");
    pnlLeft_->setFixedWidth(160);
    row->addWidget(pnlLeft_);
    row->addWidget(buildDocumentTabs(), 1);
    column->addLayout(row, 1);
    setCentralWidget(central);

    buildMenu();
    buildFindReplace();
    setupTagToolbar();
}

QWidget* TForm1::buildTopPanel() {
    auto* pnlTop = new QFrame;
    pnlTop->setObjectName("pnlTop");
    pnlTop->setFixedHeight(70);
    // A one-pixel raised edge, inside which the two panels stand.
    pnlTop->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlTop->setLineWidth(1);

    auto* pnlMain = new QWidget(pnlTop);
    pnlMain->setObjectName("pnlMain");
    pnlMain->setGeometry(1, 1, 160, 68);
    buildMainButtons(pnlMain);

    // The toolbar stands right of the button panel and takes the rest of the row.
    auto* pnlToolBar = new QWidget(pnlTop);
    pnlToolBar->setObjectName("pnlToolBar");
    auto* layout = new QHBoxLayout(pnlTop);
    layout->setContentsMargins(160, 0, 0, 0);  // inside the edge: Left 161, Top 1
    layout->addWidget(pnlToolBar);
    auto* inner = new QVBoxLayout(pnlToolBar);
    inner->setContentsMargins(0, 0, 0, 0);
    pgcToolbar_ = new QTabWidget(pnlToolBar);
    pgcToolbar_->setObjectName("pgcToolbar");
    pgcToolbar_->tabBar()->setAttribute(Qt::WA_Hover);
    pgcToolbar_->setDocumentMode(true);
    inner->addWidget(pgcToolbar_);
    buildToolbarSheets();
    return pnlTop;
}

void TForm1::buildMainButtons(QWidget* pnlMain) {
    constexpr int size = 25, gap = 1, left = 3, top = 5, rowGap = 8;
    int i = 0;
    for (const ButtonSpec& spec : kMainButtons) {
        const int x = left + (i % 6) * (size + gap);
        const int y = top + (i / 6) * (size + rowGap);
        QToolButton* button =
            addSpeedButton(pnlMain, QString::fromUtf8(spec.name), QRect(x, y, size, size),
                           QString::fromUtf8(spec.hint));
        button->setIcon(QIcon(QString(":/icons/%1.svg").arg(QString::fromUtf8(spec.icon))));
        button->setIconSize(QSize(16, 16));
        button->setEnabled(spec.handler != nullptr);
        if (spec.handler) connectCommand(this, button, spec.handler);
        ++i;
    }
    sbSave_ = pnlMain->findChild<QToolButton*>("sbSave");
    sbSave_->setEnabled(false);  // lights up with the first change
}

QToolButton* TForm1::addSpeedButton(QWidget* sheet, const QString& objectName,
                                    const QRect& geometry, const QString& hint) {
    auto* button = new QToolButton(sheet);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    button->setAutoRaise(true);
    // Clicking must leave the editor its focus and selection.
    button->setFocusPolicy(Qt::NoFocus);
    // Hints carry CR LF line breaks; a tooltip breaks lines at LF.
    button->setToolTip(QString(hint).replace("\r\n", "\n"));
    return button;
}

void TForm1::buildToolbarSheets() {
    std::size_t i = 0;
    for (const SheetSpec& spec : kSheets) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QString::fromUtf8(spec.name));
        pgcToolbar_->addTab(sheet, QString::fromUtf8(spec.caption));
        sheets_[i++] = sheet;
    }

    // The drag-and-drop audio choice, kept in the settings.
    rgDandDAudio_ = new QGroupBox("Drag and Drop Audio", tsAdvanced());
    rgDandDAudio_->setObjectName("rgDandDAudio");
    rgDandDAudio_->setGeometry(40, 0, 137, 33);
    rgDandDAudio_->setToolTip(
        "Drag and Drop Audio Properties\nN = Netscape\nIE = Internet Explorer\nC = Crescendo\n"
        "L = As a Link");
    // Four columns in 137 pixels: a small face keeps them apart.
    QFont small = rgDandDAudio_->font();
    small.setPointSize(7);
    rgDandDAudio_->setFont(small);
    auto* radios = new QHBoxLayout(rgDandDAudio_);
    radios->setContentsMargins(3, 0, 0, 0);
    radios->setSpacing(0);
    audioGroup_ = new QButtonGroup(rgDandDAudio_);
    int id = 0;
    for (const char* item : {"N", "IE", "C", "L"}) {
        auto* radio = new QRadioButton(QString::fromUtf8(item), rgDandDAudio_);
        radio->setObjectName(QString("rgDandDAudio_%1").arg(id));
        radio->setFocusPolicy(Qt::NoFocus);
        audioGroup_->addButton(radio, id++);
        radios->addWidget(radio);
    }

    // The tag list boxes; their insert buttons come with the tag lists.
    const int comboLefts[] = {8, 232};
    for (std::size_t n = 0; n < 2; ++n) {
        auto* combo = new QComboBox(tsTagList());
        combo->setObjectName(QString("cbTagList%1").arg(n + 1));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setGeometry(comboLefts[n], 8, 185, 22);
        cbTagList_[n] = combo;
        QToolButton* insert =
            addSpeedButton(tsTagList(), QString("sbTagList%1").arg(n + 1),
                           QRect(comboLefts[n] + 188, 8, 23, 22), "Click to insert Tag in Document");
        insert->setText(">");
        insert->setEnabled(false);
    }

    QToolButton* setup = addSpeedButton(tsCustom(), "sbSetupCustom", QRect(8, 8, 41, 22),
                                        "Customize your own buttons.");
    setup->setText("Setup");
    setup->setEnabled(false);
    for (std::size_t n = 0; n < sbC_.size(); ++n) {
        const QString number = QString::number(n + 1);
        QToolButton* button = addSpeedButton(
            tsCustom(), "sbC" + number, QRect(56 + static_cast<int>(n) * 30, 8, 29, 22), QString());
        button->setText(number);
        button->setEnabled(false);
        sbC_[n] = button;
    }
}

QWidget* TForm1::buildDocumentTabs() {
    pgcEdit_ = new QTabWidget;
    pgcEdit_->setObjectName("pgcEdit");
    pgcEdit_->tabBar()->setAttribute(Qt::WA_Hover);
    for (std::size_t n = 0; n < ts_.size(); ++n) {
        const QString number = QString::number(n + 1);
        auto* sheet = new QWidget;
        sheet->setObjectName("ts" + number);
        auto* fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        auto* memo = new DocumentEditor(sheet);
        memo->setObjectName("Memo" + number);
        fill->addWidget(memo);
        auto* edit = new QLineEdit(sheet);
        edit->setObjectName("Edit" + number);
        edit->hide();
        connect(memo, &DocumentEditor::documentChanged, this, &TForm1::Memo1Change);
        pgcEdit_->addTab(sheet, "Untitled");
        ts_[n] = sheet;
        memo_[n] = memo;
        edit_[n] = edit;
    }
    // Measures pictures for image tags; never shown.
    Image1_ = new QLabel(ts_[0]);
    Image1_->setObjectName("Image1");
    Image1_->hide();
    connect(pgcEdit_, &QTabWidget::currentChanged, this, [this] { pgcEditChange(); });
    return pgcEdit_;
}

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    for (const MenuSpec& spec : menuTable()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(spec.caption));
        menu->setObjectName(QString::fromUtf8(spec.name));
        addMenuItems(this, menu, spec.items);
    }
}

}  // namespace wrenfold
