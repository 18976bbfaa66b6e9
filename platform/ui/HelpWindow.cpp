// The help window.
#include "platform/ui/HelpWindow.h"

#include "platform/ui/Prompter.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace wf {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Help");
    resize(640, 560);
    browser_->setObjectName("helpBrowser");
    // Pages of the manual open here; anything else goes to the desktop.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

QString HelpWindow::missingFileText(const QString& path) {
    return QString("The help file %1 cannot be opened.").arg(path);
}

void HelpWindow::showFile(const QString& path) {
    fileName_ = path;
    const QFileInfo file(path);
    found_ = file.isFile() && file.isReadable();
    if (found_) {
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()), QTextDocument::HtmlResource);
        setWindowTitle(browser_->documentTitle().isEmpty() ? "Help" : browser_->documentTitle());
    } else {
        browser_->clear();
        browser_->setPlainText(missingFileText(path));
        setWindowTitle("Help");
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::followLink(const QUrl& url) {
    if (url.isRelative() || url.isLocalFile()) {
        browser_->setSource(browser_->source().resolved(url), QTextDocument::HtmlResource);
        return;
    }
    prompter().shellOpen(url.toString());
}

}  // namespace wf
