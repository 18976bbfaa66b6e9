// FolderEdit.
#include "ftp/FolderEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

#include "platform/ui/Prompter.h"

namespace sorxfer {

FolderEdit::FolderEdit(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      button_(new QToolButton(this)),
      caption_(QStringLiteral("Select Directory")) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit_, 1);
    layout->addWidget(button_);
    edit_->setObjectName(QStringLiteral("edit"));
    button_->setObjectName(QStringLiteral("browse"));
    button_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    button_->setToolTip(QStringLiteral("Browse"));
    button_->setFocusPolicy(Qt::NoFocus);  // the box takes the focus, as one control
    setFocusProxy(edit_);
    connect(edit_, &QLineEdit::textChanged, this, &FolderEdit::textChanged);
    connect(button_, &QToolButton::clicked, this, &FolderEdit::browse);
}

QString FolderEdit::text() const {
    return edit_->text();
}

void FolderEdit::setText(const QString& text) {
    edit_->setText(text);
}

void FolderEdit::browse() {
    if (const auto folder = wf::prompter().chooseFolder(caption_, text())) setText(*folder);
}

}  // namespace sorxfer
