// The about box: icon, name, version and OK.
#include "ftp/cabout.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The icon lives in the static library: its resources are registered by hand.
static void registerResources() {
    Q_INIT_RESOURCE(sorxfer);
}

namespace sorxfer {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Sorrel's FTP"));
    registerResources();

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/sorxfer/sorxfer.svg")).pixmap(QSize(48, 48)));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Sorrel's FTP"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(16);
    name->setFont(arial);
    QPalette maroon = name->palette();
    maroon.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    name->setPalette(maroon);
    auto* version = new QLabel(QStringLiteral("Version 1.1"), this);
    version->setObjectName(QStringLiteral("Version"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace sorxfer
