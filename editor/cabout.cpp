// The about box.
#include "editor/cabout.h"

#include "platform/ui/Prompter.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wrenfold {

namespace {

QLabel* centredLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

QFont titleFont() {
    QFont font("Arial Black");
    font.setPointSize(12);
    font.setWeight(QFont::Black);
    return font;
}

}  // namespace

QString TAboutBox::homePage() { return "https://wrenfold.example.org/"; }

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About Wrenfold HTML Editor");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* icon = new QLabel(this);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(QIcon(":/icons/wrenfold.svg").pixmap(QSize(48, 48)));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QVBoxLayout;
    QPalette maroon = palette();
    maroon.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    for (const auto& [caption, name] : {std::pair{"Wrenfold", "ProductName"},
                                        std::pair{"HTML Editor", "ProductKind"}}) {
        QLabel* label = centredLabel(caption, name, this);
        label->setFont(titleFont());
        label->setPalette(maroon);
        text->addWidget(label);
    }
    QLabel* version = centredLabel("Version 2.8", "Version", this);
    QFont arial("Arial");
    arial.setPointSize(10);
    version->setFont(arial);
    text->addWidget(version);
    text->addWidget(centredLabel("A source-level editor for hand-made web pages.", "Comments", this));
    text->addWidget(centredLabel("Free software, built with Qt and QScintilla.", "Copyright", this));

    // The link opens through the shell, as every outside program does.
    QLabel* link = centredLabel(
        QString("<a href=\"%1\" style=\"color:#0000ff; text-decoration:underline\">%1</a>")
            .arg(homePage()),
        "WebLink", this);
    link->setTextFormat(Qt::RichText);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &QLabel::linkActivated, this,
            [](const QString& url) { wf::prompter().shellOpen(url); });
    text->addWidget(link);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace wrenfold
