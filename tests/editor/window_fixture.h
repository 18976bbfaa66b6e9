// A main window on a temporary program folder, driven through its controls by objectName,
// with every message box and dialog answered by a scripted prompter.
#pragma once

#include "editor/cwrenfold.h"
#include "platform/ui/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QTemporaryDir>
#include <memory>
#include <string>

namespace wrenfold::test {

class EditorWindow : public ::testing::Test {
protected:
    void SetUp() override;

    // Builds the window (running its creation steps) and shows it.
    TForm1& start(const QStringList& args = {});
    // Destroys the window, which writes the settings.
    void quit() { form.reset(); }

    // A file in the program folder (or below it), written byte for byte; returns its path.
    QString writeFile(const QString& relative, const std::string& bytes) const;
    std::string readFile(const QString& path) const;
    QString path(const QString& relative) const { return appDir + relative; }

    template <typename T>
    T* find(const QString& name) const {
        T* object = form->findChild<T*>(name);
        EXPECT_NE(object, nullptr) << name.toStdString();
        return object;
    }
    // Clicks a button or chooses a menu item, whichever carries the name.
    void click(const QString& name) const;
    bool enabled(const QString& name) const;

    // Opens a file through the Open command.
    void openThroughDialog(const QString& file, int filterIndex = 0);
    // Types text into the active document, as the keyboard does.
    void type(const QString& text) const;
    QString tabText(int index) const;
    bool tabShown(int index) const;

    QTemporaryDir dir;
    QString appDir;  // with its trailing separator
    wf::ScriptedPrompter script;
    std::unique_ptr<TForm1> form;
};

}  // namespace wrenfold::test
