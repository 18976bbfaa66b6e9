// Fixture of the sorxfer window tests: a pyftpdlib server, a temporary program folder and
// local folder, the real window offscreen, and the scripted prompter.
#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "FtpTestServer.h"
#include "ftp/cftp.h"
#include "platform/ui/ScriptedPrompter.h"

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join("|").toStdString() << ']';
}

namespace sorxfer::test {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    virtual QStringList serverArgs() const { return {}; }

    // The local folder the connect dialog opens, and a path in it.
    QString localDir() const { return tmp_.filePath("local"); }
    QString local(const QString& name) const { return tmp_.filePath("local/" + name); }
    QString remote(const QString& name) const { return server->rootFile(name); }
    QString appDir() const { return tmp_.filePath("app") + "/"; }

    // Connects through the connect dialog with these values.
    void connectWith(const QString& host, const QString& user, const QString& password,
                     const QString& directory);
    // Connects to the test server, opening localDir(); fails the test when not connected.
    void connectToServer();

    // A real mouse click (or double-click) on the list item with that text.
    void clickItem(QListWidget* list, const QString& text,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void doubleClickItem(QListWidget* list, const QString& text);
    // Clicks the first name, then Ctrl-clicks the others.
    void selectItems(QListWidget* list, const QStringList& names);
    static QStringList items(const QListWidget* list);
    static QStringList selected(const QListWidget* list);

    // The lines the status log holds now.
    QStringList logLines() const;
    // Index of the first line seen at or after from that equals line; -1 when none.
    int seenAt(const QString& line, int from = 0) const {
        return static_cast<int>(seen.indexOf(line, from));
    }
    qsizetype seenCount(const QString& line) const { return seen.count(line); }

    wf::ScriptedPrompter prompter;  // installed before the window exists
    QTemporaryDir tmp_;
    std::unique_ptr<FtpTestServer> server;
    std::unique_ptr<TForm1> form;
    // Every line the status log has shown, in order, across its emptyings.
    QStringList seen;
};

}  // namespace sorxfer::test
