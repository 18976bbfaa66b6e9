// A real main window on a temporary program folder, with the scripted prompter installed
// before it is built, and helpers to set up a document and click controls by name.
#pragma once

#include "editor/DocumentEditor.h"
#include "editor/cwrenfold.h"
#include "platform/ui/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace wrenfold::testing_toolbar {

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class WindowFixture : public testing::Test {
protected:
    // Lists that make the window start without complaint; tests may change them first.
    virtual void writeProgramFolder() {
        writeFile(path("tag.lst"), "<B>..</B>\r\n<HR>\r\n");
        writeFile(path("attrib.lst"), "ALIGN=\r\n");
        writeFile(path("spc.lst"), "&amp; ampersand\r\n");
    }

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        appDir = dir.path() + "/";
        writeProgramFolder();
        form = std::make_unique<TForm1>(appDir, QStringList());
        form->move(40, 30);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void TearDown() override { form.reset(); }

    QString path(const QString& name) const { return appDir + name; }

    DocumentEditor* memo() const { return form->ActiveMemo(); }

    void setDocument(const std::string& text, long start, long length) {
        memo()->setBytes(text);
        memo()->setSelStart(start);
        memo()->setSelLength(length);
    }

    template <class T = QAbstractButton>
    T* control(const char* name) const {
        T* c = form->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    // Shows the toolbar sheet the button stands on, then clicks it with the mouse.
    void click(QAbstractButton* button) {
        ASSERT_NE(button, nullptr);
        QTabWidget* sheets = form->pgcToolbar();
        if (sheets->indexOf(button->parentWidget()) >= 0)
            sheets->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void click(const char* name) { click(control(name)); }

    wf::ScriptedPrompter prompter;  // before the window: its start may report errors
    QTemporaryDir dir;
    QString appDir;
    std::unique_ptr<TForm1> form;
};

}  // namespace wrenfold::testing_toolbar
