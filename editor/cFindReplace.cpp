// The modeless find and replace dialogs (see cFindReplace.h).
#include "editor/cFindReplace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace wrenfold {

namespace {

template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit* addTextRow(QGridLayout* grid, int row, const QString& caption, const char* name) {
    auto* edit = named(new QLineEdit, name);
    auto* label = new QLabel(caption);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

}  // namespace

TFindReplaceDialog::TFindReplaceDialog(Kind kind, QWidget* parent) : QDialog(parent), kind_(kind) {
    const bool replacing = kind == Kind::Replace;
    setObjectName(replacing ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);
    setSizeGripEnabled(false);

    // Left: the texts, then the options; right: the column of buttons.
    auto* grid = new QGridLayout;
    edtFindWhat_ = addTextRow(grid, 0, QStringLiteral("Find what:"), "edtFindWhat");
    if (replacing)
        edtReplaceWith_ = addTextRow(grid, 1, QStringLiteral("Replace with:"), "edtReplaceWith");
    edtFindWhat_->setMinimumWidth(200);

    cbWholeWord_ = named(new QCheckBox(QStringLiteral("Match whole word only")), "cbWholeWord");
    cbMatchCase_ = named(new QCheckBox(QStringLiteral("Match case")), "cbMatchCase");
    auto* checks = new QVBoxLayout;
    checks->addStretch();
    checks->addWidget(cbWholeWord_);
    checks->addWidget(cbMatchCase_);

    auto* options = new QHBoxLayout;
    options->addLayout(checks);
    if (!replacing) {
        auto* direction = named(new QGroupBox(QStringLiteral("Direction")), "gbDirection");
        auto* rbUp = named(new QRadioButton(QStringLiteral("Up")), "rbUp");
        rbDown_ = named(new QRadioButton(QStringLiteral("Down")), "rbDown");
        rbDown_->setChecked(true);
        auto* dirLayout = new QHBoxLayout(direction);
        dirLayout->addWidget(rbUp);
        dirLayout->addWidget(rbDown_);
        options->addWidget(direction);
    }
    options->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(options);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    btnFindNext_ = named(new QPushButton(QStringLiteral("Find Next")), "btnFindNext");
    btnFindNext_->setDefault(true);
    buttons->addWidget(btnFindNext_);
    connect(btnFindNext_, &QPushButton::clicked, this, &TFindReplaceDialog::findNext);
    if (replacing) {
        btnReplace_ = named(new QPushButton(QStringLiteral("Replace")), "btnReplace");
        btnReplaceAll_ = named(new QPushButton(QStringLiteral("Replace All")), "btnReplaceAll");
        buttons->addWidget(btnReplace_);
        buttons->addWidget(btnReplaceAll_);
        connect(btnReplace_, &QPushButton::clicked, this, &TFindReplaceDialog::replace);
        connect(btnReplaceAll_, &QPushButton::clicked, this, &TFindReplaceDialog::replaceAll);
    }
    auto* btnCancel = named(new QPushButton(QStringLiteral("Cancel")), "btnCancel");
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* root = new QHBoxLayout(this);
    root->addLayout(left, 1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    // Like the system's dialogs: nothing to look for, nothing to press.
    connect(edtFindWhat_, &QLineEdit::textChanged, this, &TFindReplaceDialog::updateButtons);
    updateButtons();
}

QString TFindReplaceDialog::findText() const { return edtFindWhat_->text(); }

QString TFindReplaceDialog::replaceText() const {
    return edtReplaceWith_ ? edtReplaceWith_->text() : QString();
}

bool TFindReplaceDialog::wholeWord() const { return cbWholeWord_->isChecked(); }
bool TFindReplaceDialog::matchCase() const { return cbMatchCase_->isChecked(); }
bool TFindReplaceDialog::down() const { return !rbDown_ || rbDown_->isChecked(); }

SearchOptions TFindReplaceDialog::options() const {
    SearchOptions o;
    o.down = down();
    o.matchCase = matchCase();
    o.wholeWord = wholeWord();
    return o;
}

void TFindReplaceDialog::showDialog() {
    show();
    raise();
    activateWindow();
    edtFindWhat_->setFocus();
    edtFindWhat_->selectAll();
}

void TFindReplaceDialog::updateButtons() {
    const bool any = !edtFindWhat_->text().isEmpty();
    for (QPushButton* b : {btnFindNext_, btnReplace_, btnReplaceAll_})
        if (b) b->setEnabled(any);
}

}  // namespace wrenfold
