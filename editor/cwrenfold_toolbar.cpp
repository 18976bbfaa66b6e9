// TForm1: the tag toolbar's buttons and popup menus, the tag and attribute lists window and
// the two boxes of the Tag List sheet.
#include "editor/cwrenfold.h"

#include "editor/ToolbarSheets.h"
#include "editor/cDlgTagandAttrib.h"
#include "editor/markup/TagEntry.h"
#include "platform/ui/ErrorHandler.h"

#include <QComboBox>
#include <QToolButton>

namespace wrenfold {

namespace {

void onClick(TForm1* form, QToolButton* button, std::function<void()> command) {
    QObject::connect(button, &QToolButton::clicked, form,
                     [command = std::move(command)] { wf::runGuarded(command); });
    button->setEnabled(true);
}

}  // namespace

void TForm1::setupTagToolbar() {
    TagToolbarParts parts;
    parts.window = this;
    parts.pnlToolBar = findChild<QWidget*>("pnlToolBar");
    parts.makeButton = [this](QWidget* sheet, const QString& name, const QRect& geometry,
                              const QString& hint) {
        return addSpeedButton(sheet, name, geometry, hint);
    };
    parts.activeEditor = [this]() -> EditorOps* { return ActiveMemo(); };
    buildTagToolbar(parts);

    onClick(this, findChild<QToolButton*>("sbTagList1"), [this] { sbTagList1Click(); });
    onClick(this, findChild<QToolButton*>("sbTagList2"), [this] { sbTagList2Click(); });
    onClick(this, findChild<QToolButton*>("sbSetupCustom"), [this] { sbSetupCustomClick(); });
    // The custom buttons keep the enabled state the settings give them.
    for (int n = 0; n < kCustomButtonCount; ++n)
        connect(sbC(n), &QToolButton::clicked, this,
                [this, n] { wf::runGuarded([this, n] { sbCClick(n); }); });
}

void TForm1::sbListsClick() { wf::prompter().execDialog(*DlgTagandAttrib_); }

void TForm1::sbTagList1Click() { insertTagListText(cbTagList1()); }

void TForm1::sbTagList2Click() { insertTagListText(cbTagList2()); }

void TForm1::insertTagListText(const QComboBox* box) {
    DocumentEditor* memo = ActiveMemo();
    insertTagEntry(*memo, memo->encode(box->currentText()));
    // An empty box inserts nothing, but the editor still gets the focus back.
    memo->focusEditor();
}

}  // namespace wrenfold
