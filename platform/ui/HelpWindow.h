// The help window of both programs: shows a help file (an HTML manual) in a browser pane.
// When the file cannot be read, the window says so itself.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QUrl;

namespace wf {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the file's first page and brings the window to the front.
    void showFile(const QString& path);
    const QString& fileName() const { return fileName_; }
    // Whether the last file asked for could be shown.
    bool fileFound() const { return found_; }
    QTextBrowser* browser() const { return browser_; }

    // The text shown in place of a help file that cannot be read.
    static QString missingFileText(const QString& path);

private:
    void followLink(const QUrl& url);

    QTextBrowser* browser_;
    QString fileName_;
    bool found_ = false;
};

}  // namespace wf
