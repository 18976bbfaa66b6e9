// The custom button setup dialog.
#include "editor/cdlgCustom.h"

#include "editor/markup/CustomButtons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wrenfold {

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* name, const char* hint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setToolTip(hint);
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

TdlgCustom::TdlgCustom(std::function<CustomButtonTexts(int)> current, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      current_(std::move(current)) {
    setObjectName("TdlgCustom");
    setWindowTitle("Dialog");
    setFixedSize(236, 214);

    // Made first so that they lead the tab order: the dialog opens with the focus on OK.
    OKBtn = makeButton(this, "OKBtn", "OK");
    OKBtn->setDefault(true);
    CancelBtn = makeButton(this, "CancelBtn", "Cancel");
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* group = new QGroupBox(this);
    cbButtonNumber = new QComboBox(group);
    cbButtonNumber->setObjectName("cbButtonNumber");
    cbButtonNumber->setToolTip("Select button to configure (1-10)");
    cbButtonNumber->setEditable(true);
    cbButtonNumber->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= 10; ++n) cbButtonNumber->addItem(QString::number(n));
    cbButtonNumber->setCurrentIndex(-1);
    cbButtonNumber->setEditText(QString());
    edtCaption = makeEdit(group, "edtCaption", "Caption for button");
    edtOpeningTag = makeEdit(group, "edtOpeningTag", "Type the opening tag");
    edtClosingTag = makeEdit(group, "edtClosingTag", "Type the closing tag.");

    auto* fields = new QFormLayout(group);
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    fields->addRow("Button #:", cbButtonNumber);
    fields->addRow("Button Caption:", edtCaption);
    fields->addRow("Opening Tag:", edtOpeningTag);
    fields->addRow("Closing Tag:", edtClosingTag);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, cbButtonNumber);
    setTabOrder(cbButtonNumber, edtCaption);
    setTabOrder(edtCaption, edtOpeningTag);
    setTabOrder(edtOpeningTag, edtClosingTag);
    OKBtn->setFocus();

    connect(cbButtonNumber, &QComboBox::editTextChanged, this, &TdlgCustom::cbButtonNumberChange);
}

std::optional<int> TdlgCustom::buttonNumber() const {
    return customButtonNumber(cbButtonNumber->currentText().toStdString());
}

CustomButtonTexts TdlgCustom::texts() const {
    return {edtCaption->text(), edtOpeningTag->text(), edtClosingTag->text()};
}

void TdlgCustom::cbButtonNumberChange() {
    const std::optional<int> n = buttonNumber();
    if (!n || !current_) return;
    const CustomButtonTexts t = current_(*n);
    edtCaption->setText(t.caption);
    edtOpeningTag->setText(t.open);
    edtClosingTag->setText(t.close);
}

}  // namespace wrenfold
