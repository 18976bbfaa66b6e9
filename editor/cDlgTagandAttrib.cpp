// The tag and attribute lists window.
#include "editor/cDlgTagandAttrib.h"

#include "editor/DocumentEditor.h"
#include "editor/cwrenfold.h"
#include "editor/markup/TagEntry.h"
#include "platform/ListFile.h"
#include "platform/ui/ErrorHandler.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace wrenfold {

namespace {

const char* const kListTip =
    "Double Click on the Tag or Attribute to enter on form.  Cancel when finished.";

QListWidget* makeList(QTabWidget* pages, const char* name, const char* caption) {
    auto* list = new QListWidget(pages);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The page control's hint shows over the whole page area, lists included.
    list->setToolTip(kListTip);
    pages->addTab(list, caption);
    return list;
}

void fill(QListWidget* list, const QString& path) {
    for (const std::string& entry : sortedEntries(wf::readListFile(stdPath(path))))
        list->addItem(textFromBytes(entry));
}

}  // namespace

TDlgTagandAttrib::TDlgTagandAttrib(const QString& appDir,
                                   std::function<DocumentEditor*()> activeEditor,
                                   QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      activeEditor_(std::move(activeEditor)) {
    setObjectName("TDlgTagandAttrib");
    setWindowTitle("Tags and Attributes");
    setFixedSize(336, 239);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setToolTip(kListTip);
    ListBoxTags = makeList(PageControl1, "ListBoxTags", "HTML Tags");
    ListBoxAttrib = makeList(PageControl1, "ListBoxAttrib", "Attributes");
    ListBoxSC = makeList(PageControl1, "ListBoxSC", "Special Characters");

    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    // Enter in a list must not close the window; only Cancel and Escape do.
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 6);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);

    connect(ListBoxTags, &QListWidget::itemDoubleClicked, this,
            &TDlgTagandAttrib::ListBoxTagsDblClick);
    connect(ListBoxAttrib, &QListWidget::itemDoubleClicked, this,
            &TDlgTagandAttrib::ListBoxAttribDblClick);
    connect(ListBoxSC, &QListWidget::itemDoubleClicked, this,
            &TDlgTagandAttrib::ListBoxSCDblClick);

    FormCreate(appDir);
}

void TDlgTagandAttrib::FormCreate(const QString& appDir) {
    wf::runGuarded([&] {
        fill(ListBoxTags, appDir + "tag.lst");
        fill(ListBoxAttrib, appDir + "attrib.lst");
        fill(ListBoxSC, appDir + "spc.lst");
    });
    PageControl1->setCurrentIndex(0);
}

DocumentEditor* TDlgTagandAttrib::target(const QListWidgetItem* item, std::string& bytes) const {
    DocumentEditor* editor = (item && activeEditor_) ? activeEditor_() : nullptr;
    if (editor) bytes = editor->encode(item->text());
    return editor;
}

void TDlgTagandAttrib::ListBoxTagsDblClick(QListWidgetItem* item) {
    std::string entry;
    if (DocumentEditor* editor = target(item, entry)) insertTagEntry(*editor, entry);
}

void TDlgTagandAttrib::ListBoxAttribDblClick(QListWidgetItem* item) {
    std::string entry;
    if (DocumentEditor* editor = target(item, entry)) insertAttributeEntry(*editor, entry);
}

void TDlgTagandAttrib::ListBoxSCDblClick(QListWidgetItem* item) {
    std::string entry;
    if (DocumentEditor* editor = target(item, entry)) insertSpecialCharEntry(*editor, entry);
}

}  // namespace wrenfold
