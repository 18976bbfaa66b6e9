// The sorxfer window fixture.
#include "SorxferWindow.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ftp/FolderEdit.h"
#include "ftp/cdlgConnect.h"

namespace sorxfer::test {

void WindowTest::SetUp() {
    ASSERT_TRUE(tmp_.isValid());
    ASSERT_TRUE(QDir(tmp_.path()).mkpath("app"));
    ASSERT_TRUE(QDir(tmp_.path()).mkpath("local"));
    server = std::make_unique<FtpTestServer>(serverArgs());
    ASSERT_TRUE(server->started()) << server->startError().toStdString();
    form = std::make_unique<TForm1>(appDir());
    form->NMFTP1->setTimeout(5000);
    QObject::connect(form->Memo1, &QPlainTextEdit::textChanged, form.get(), [this] {
        const QString text = form->Memo1->toPlainText();
        if (!text.isEmpty()) seen << text.section('\n', -1);
    });
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void WindowTest::connectWith(const QString& host, const QString& user, const QString& password,
                             const QString& directory) {
    prompter.dialog([=](QDialog& d) {
        auto* dialog = qobject_cast<TDlgConnect*>(&d);
        if (!dialog) return false;
        dialog->EditHostName->setText(host);
        dialog->EditUserID->setText(user);
        dialog->EditPassword->setText(password);
        dialog->DirectoryEdit1->setText(directory);
        return true;
    });
    form->BtnConnect->click();
}

void WindowTest::connectToServer() {
    connectWith(server->hostWithPort(), FtpTestServer::user(), FtpTestServer::password(),
                localDir());
    ASSERT_TRUE(form->NMFTP1->isConnected()) << logLines().join("\n").toStdString();
    ASSERT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join("\n").toStdString();
}

namespace {
QListWidgetItem* itemWithText(QListWidget* list, const QString& text) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text() == text) return list->item(row);
    return nullptr;
}
}  // namespace

void WindowTest::clickItem(QListWidget* list, const QString& text,
                           Qt::KeyboardModifiers modifiers) {
    QListWidgetItem* item = itemWithText(list, text);
    ASSERT_NE(item, nullptr) << "no item " << text.toStdString() << " in "
                             << list->objectName().toStdString();
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(item).center());
}

void WindowTest::doubleClickItem(QListWidget* list, const QString& text) {
    QListWidgetItem* item = itemWithText(list, text);
    ASSERT_NE(item, nullptr) << "no item " << text.toStdString();
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void WindowTest::selectItems(QListWidget* list, const QStringList& names) {
    for (qsizetype i = 0; i < names.size(); ++i)
        clickItem(list, names[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
}

QStringList WindowTest::items(const QListWidget* list) {
    QStringList out;
    for (int row = 0; row < list->count(); ++row) out << list->item(row)->text();
    return out;
}

QStringList WindowTest::selected(const QListWidget* list) {
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected()) out << list->item(row)->text();
    return out;
}

QStringList WindowTest::logLines() const {
    return form->Memo1->toPlainText().split('\n');
}

}  // namespace sorxfer::test
