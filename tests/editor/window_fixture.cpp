// The main-window test fixture.
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTest>
#include <fstream>

namespace wrenfold::test {

void EditorWindow::SetUp() {
    ASSERT_TRUE(dir.isValid());
    appDir = QDir::toNativeSeparators(dir.path()) + QDir::separator();
    writeFile("tag.lst", "<P>\r\n<B>..</B>\r\n<a href=\"\">..</a>\r\n");
    // The tag and attribute window reads these at start; without them it reports them missing.
    writeFile("attrib.lst", "ALIGN=\r\n");
    writeFile("spc.lst", "&amp; ampersand\r\n");
}

TForm1& EditorWindow::start(const QStringList& args) {
    form = std::make_unique<TForm1>(appDir, args);
    form->show();
    return *form;
}

QString EditorWindow::writeFile(const QString& relative, const std::string& bytes) const {
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    std::ofstream(file.toStdString(), std::ios::binary) << bytes;
    return file;
}

std::string EditorWindow::readFile(const QString& file) const {
    std::ifstream in(file.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void EditorWindow::click(const QString& name) const {
    if (auto* button = form->findChild<QAbstractButton*>(name)) {
        ASSERT_TRUE(button->isEnabled()) << name.toStdString() << " is disabled";
        button->click();
        return;
    }
    auto* action = form->findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name.toStdString();
    ASSERT_TRUE(action->isEnabled()) << name.toStdString() << " is disabled";
    action->trigger();
}

bool EditorWindow::enabled(const QString& name) const {
    if (auto* button = form->findChild<QAbstractButton*>(name)) return button->isEnabled();
    if (auto* action = form->findChild<QAction*>(name)) return action->isEnabled();
    ADD_FAILURE() << "no control " << name.toStdString();
    return false;
}

void EditorWindow::openThroughDialog(const QString& file, int filterIndex) {
    script.file(wf::FileChoice{file, filterIndex});
    click("sbOpen");
}

void EditorWindow::type(const QString& text) const { QTest::keyClicks(form->ActiveMemo(), text); }

QString EditorWindow::tabText(int index) const { return form->pgcEdit()->tabText(index); }

bool EditorWindow::tabShown(int index) const { return form->pgcEdit()->isTabVisible(index); }

}  // namespace wrenfold::test
