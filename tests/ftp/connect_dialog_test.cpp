// TDlgConnect on real INI files in a temporary program folder, driven by its controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

#include "ftp/ConnectStore.h"
#include "ftp/FolderEdit.h"
#include "ftp/ReverseText.h"
#include "ftp/cdlgConnect.h"
#include "platform/IniFile.h"
#include "platform/ui/ScriptedPrompter.h"

namespace sorxfer {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList listOf(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

class ConnectDialog : public ::testing::Test {
  protected:
    QTemporaryDir appDirHolder;
    QString appDir() const { return appDirHolder.path() + "/"; }
    QString ftpcon() const { return appDir() + "ftpcon.ini"; }
    QString sorxfer() const { return appDir() + "sorxfer.ini"; }
    std::string ini(const QString& path, const char* section, const char* key) const {
        return wf::IniFile(path.toStdString()).readString(section, key);
    }
    std::unique_ptr<TDlgConnect> open() { return std::make_unique<TDlgConnect>(appDir()); }
    static void fill(TDlgConnect& d, const QString& profile, const QString& host,
                     const QString& user, const QString& password, const QString& dir) {
        d.CBProfile->setEditText(profile);
        d.EditHostName->setText(host);
        d.EditUserID->setText(user);
        d.EditPassword->setText(password);
        d.DirectoryEdit1->setText(dir);
    }
    // The user picks an entry of the drop-down list.
    static void pick(TDlgConnect& d, const QString& name) {
        const int i = d.CBProfile->findText(name);
        ASSERT_GE(i, 0) << name.toStdString();
        d.CBProfile->setCurrentIndex(i);
        emit d.CBProfile->activated(i);
    }
    wf::ScriptedPrompter prompter;
};

TEST_F(ConnectDialog, FirstStartWithoutFilesIsEmptyAndCreatesNothingButTheLastValues) {
    {
        auto d = open();
        EXPECT_EQ(d->CBProfile->count(), 0);
        EXPECT_EQ(d->CBProfile->currentText(), "");
        EXPECT_EQ(d->hostName(), "");
        EXPECT_EQ(d->userID(), "");
        EXPECT_EQ(d->password(), "");
        EXPECT_EQ(d->directory(), "");
        EXPECT_FALSE(d->passive());
    }
    EXPECT_FALSE(QFile::exists(ftpcon()));
    EXPECT_TRUE(QFile::exists(sorxfer()));  // closing records the (empty) values
    EXPECT_TRUE(prompter.events().empty());
}

TEST_F(ConnectDialog, PasswordIsStoredReversedInBothFilesAndShownAsTyped) {
    {
        auto d = open();
        fill(*d, "site", "ftp.example.org", "me", "abc", "/tmp");
        d->btnSave->click();
    }
    EXPECT_EQ(ini(ftpcon(), "site", "Password"), "cba");
    EXPECT_EQ(ini(sorxfer(), "Connect", "Password"), "cba");
    EXPECT_EQ(ini(ftpcon(), "site", "Host"), "ftp.example.org");
    EXPECT_EQ(ini(ftpcon(), "site", "UserID"), "me");
    EXPECT_EQ(ini(ftpcon(), "site", "Directory"), "/tmp");
    auto d = open();
    EXPECT_EQ(d->password(), "abc");
    d->EditPassword->clear();
    pick(*d, "site");
    EXPECT_EQ(d->password(), "abc");
    EXPECT_EQ(d->hostName(), "ftp.example.org");
}

TEST(ReverseText, ReversesCharactersAndIsItsOwnInverse) {
    EXPECT_EQ(ReverseText("abc"), "cba");
    EXPECT_EQ(ReverseText(""), "");
    EXPECT_EQ(ReverseText("a b!"), "!b a");
    const QString smile = QString::fromUtf8("x\xf0\x9f\x98\x80y\xc3\xa9");
    EXPECT_EQ(ReverseText(smile), QString::fromUtf8("\xc3\xa9y\xf0\x9f\x98\x80x"));
    EXPECT_EQ(ReverseText(ReverseText(smile)), smile);
}

TEST_F(ConnectDialog, SavingTwiceListsTheNameTwiceUntilReopened) {
    {
        auto d = open();
        fill(*d, "site", "h", "u", "p", "");
        d->btnSave->click();
        d->EditHostName->setText("h2");
        d->btnSave->click();
        EXPECT_EQ(listOf(d->CBProfile), (QStringList{"site", "site"}));
        EXPECT_EQ(d->CBProfile->currentText(), "site");
        pick(*d, "site");
        EXPECT_EQ(d->hostName(), "h2");  // both entries load the one section
    }
    auto d = open();
    EXPECT_EQ(listOf(d->CBProfile), QStringList{"site"});
}

TEST_F(ConnectDialog, ListIsSortedAndSaveInsertsInOrder) {
    for (const char* name : {"gamma", "Alpha", "beta"})
        wf::IniFile(ftpcon().toStdString()).writeString(name, "Host", name);
    auto d = open();
    EXPECT_EQ(listOf(d->CBProfile), (QStringList{"Alpha", "beta", "gamma"}));
    fill(*d, "b2", "h", "", "", "");
    d->btnSave->click();
    EXPECT_EQ(listOf(d->CBProfile), (QStringList{"Alpha", "b2", "beta", "gamma"}));
}

TEST_F(ConnectDialog, PickingAProfileFillsTheFieldsAndMissingKeysEmptyThem) {
    wf::IniFile f(ftpcon().toStdString());
    f.writeString("full", "Host", "full.host");
    f.writeString("full", "UserID", "fuser");
    f.writeString("full", "Password", "terces");
    f.writeString("full", "Directory", "/srv/www");
    f.writeString("full", "Passive", "1");
    f.writeString("hostonly", "Host", "only.host");
    auto d = open();
    pick(*d, "full");
    EXPECT_EQ(d->values(),
              (ConnectValues{"full", "full.host", "fuser", "secret", "/srv/www", true}));
    pick(*d, "hostonly");
    EXPECT_EQ(d->values(), (ConnectValues{"hostonly", "only.host", "", "", "", false}));
    // Typing a name loads nothing.
    d->EditHostName->setText("typed");
    d->CBProfile->setEditText("full");
    EXPECT_EQ(d->hostName(), "typed");
}

TEST_F(ConnectDialog, DeleteOfAMissingSectionChangesNoFileAndEmptiesTheFields) {
    wf::IniFile(ftpcon().toStdString()).writeString("keep", "Host", "k");
    const QByteArray before = fileBytes(ftpcon());
    auto d = open();
    fill(*d, "nosuch", "h", "u", "p", "/d");
    d->cbPassive->setChecked(true);
    d->btnDelete->click();
    EXPECT_EQ(fileBytes(ftpcon()), before);
    EXPECT_EQ(listOf(d->CBProfile), QStringList{"keep"});
    EXPECT_EQ(d->values(), ConnectValues());
}

TEST_F(ConnectDialog, DeleteErasesTheSectionAndRefillsTheList) {
    for (const char* name : {"one", "two"})
        wf::IniFile(ftpcon().toStdString()).writeString(name, "Host", name);
    auto d = open();
    pick(*d, "one");
    d->btnDelete->click();
    EXPECT_FALSE(wf::IniFile(ftpcon().toStdString()).sectionExists("one"));
    EXPECT_EQ(listOf(d->CBProfile), QStringList{"two"});
    EXPECT_EQ(d->CBProfile->currentText(), "");
}

TEST_F(ConnectDialog, CancelStillRecordsWhatWasTyped) {
    {
        auto d = open();
        d->EditHostName->setText("new.host:2121");
        d->cbPassive->setChecked(true);
        d->CancelBtn->click();
        EXPECT_EQ(d->result(), QDialog::Rejected);
    }
    EXPECT_EQ(ini(sorxfer(), "Connect", "Host"), "new.host:2121");
    EXPECT_EQ(ini(sorxfer(), "Connect", "Passive"), "1");
    EXPECT_FALSE(QFile::exists(ftpcon()));  // nothing saved as a profile
    auto d = open();
    EXPECT_EQ(d->hostName(), "new.host:2121");
    EXPECT_TRUE(d->passive());
}

TEST_F(ConnectDialog, PassiveKeyIsOneOrZeroAndMissingMeansOff) {
    {
        auto d = open();
        fill(*d, "act", "h", "", "", "");
        d->btnSave->click();
        fill(*d, "pas", "h", "", "", "");
        d->cbPassive->setChecked(true);
        d->btnSave->click();
    }
    EXPECT_EQ(ini(ftpcon(), "act", "Passive"), "0");
    EXPECT_EQ(ini(ftpcon(), "pas", "Passive"), "1");
    // A profile written before the key existed.
    wf::IniFile(ftpcon().toStdString()).writeString("old", "Host", "o");
    auto d = open();
    EXPECT_TRUE(d->passive());  // the last values: "pas" was last
    pick(*d, "old");
    EXPECT_FALSE(d->passive());
    pick(*d, "pas");
    EXPECT_TRUE(d->passive());
}

TEST_F(ConnectDialog, SaveWithoutAProfileNameIsRefusedWithAMessage) {
    auto d = open();
    fill(*d, "", "h", "u", "p", "");
    d->btnSave->click();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains("profile name"));
    EXPECT_EQ(prompter.events()[0].kind, wf::MsgKind::Error);
    EXPECT_FALSE(QFile::exists(ftpcon()));
    EXPECT_EQ(d->CBProfile->count(), 0);
    // The dialog goes on working.
    d->CBProfile->setEditText("named");
    d->btnSave->click();
    EXPECT_EQ(listOf(d->CBProfile), QStringList{"named"});
}

TEST_F(ConnectDialog, RefusedWritesShowTheIniErrorAndTheDialogStaysUsable) {
    ASSERT_TRUE(QDir().mkdir(ftpcon()));  // a folder where the file should be
    auto d = open();
    fill(*d, "site", "h", "", "", "");
    d->btnSave->click();
    d->btnDelete->click();
    const QString expected = "Unable to write to " + ftpcon();
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(prompter.messages()[0], expected);
    EXPECT_EQ(prompter.messages()[1], expected);
    EXPECT_TRUE(d->CBProfile->isEnabled());
}

TEST_F(ConnectDialog, ClosingReportsARefusedWriteOfTheLastValues) {
    ASSERT_TRUE(QDir().mkdir(sorxfer()));
    open().reset();  // created and destroyed, as after Cancel
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0], "Unable to write to " + sorxfer());
}

TEST_F(ConnectDialog, BrowseButtonAsksForAFolderAndTheTooltipShowsThePath) {
    auto d = open();
    const QString path = "/a/very/long/path/that/does/not/fit/in/the/box";
    prompter.folder(path);
    d->DirectoryEdit1->browseButton()->click();
    EXPECT_EQ(d->directory(), path);
    EXPECT_EQ(d->DirectoryEdit1->toolTip(), path);
    ASSERT_EQ(prompter.eventsOf(wf::PromptEvent::Type::Folder).size(), 1u);
    prompter.folder(std::nullopt);  // cancelled: the text stays
    d->DirectoryEdit1->browseButton()->click();
    EXPECT_EQ(d->directory(), path);
    EXPECT_EQ(prompter.eventsOf(wf::PromptEvent::Type::Folder)[1].text, path);
}

TEST_F(ConnectDialog, NewEmptiesTheFieldsAndFocusesTheProfileBox) {
    auto d = open();
    fill(*d, "p", "h", "u", "pw", "/d");
    d->cbPassive->setChecked(true);
    d->EditHostName->setFocus();
    d->btnNew->click();
    EXPECT_EQ(d->values(), ConnectValues());
    const QWidget* f = d->focusWidget();  // the combo box or its line edit
    EXPECT_TRUE(f == d->CBProfile || (f && f->parentWidget() == d->CBProfile));
    EXPECT_FALSE(QFile::exists(ftpcon()));
}

TEST_F(ConnectDialog, RunThroughThePrompterItHandsBackTheFields) {
    bool ok = false;
    prompter.dialog([](QDialog& dlg) {
        dlg.findChild<QLineEdit*>("EditHostName")->setText("127.0.0.1:2121");
        dlg.findChild<QLineEdit*>("EditUserID")->setText("user");
        dlg.findChild<QLineEdit*>("EditPassword")->setText("pw");
        dlg.findChild<QCheckBox*>("cbPassive")->setChecked(true);
        return true;
    });
    {
        TDlgConnect d(appDir());
        ok = wf::prompter().execDialog(d);
        EXPECT_EQ(d.hostName(), "127.0.0.1:2121");
        EXPECT_EQ(d.userID(), "user");
        EXPECT_EQ(d.password(), "pw");
        EXPECT_TRUE(d.passive());
    }
    EXPECT_TRUE(ok);
    EXPECT_EQ(ini(sorxfer(), "Connect", "UserID"), "user");
}

TEST_F(ConnectDialog, LayoutNamesAndTabOrder) {
    auto d = open();
    EXPECT_EQ(d->windowTitle(), "Connect");
    EXPECT_EQ(d->size(), QSize(313, 214));
    EXPECT_TRUE(d->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(d->OKBtn->isDefault());
    EXPECT_EQ(d->OKBtn->text(), "OK");
    EXPECT_EQ(d->CancelBtn->text(), "Cancel");
    EXPECT_EQ(d->btnSave->text(), "Save");
    EXPECT_EQ(d->btnDelete->text(), "Delete");
    EXPECT_EQ(d->btnNew->text(), "New");
    EXPECT_EQ(d->cbPassive->text(), "Passive mode");
    for (const char* name :
         {"CBProfile", "EditHostName", "EditUserID", "EditPassword", "DirectoryEdit1", "cbPassive",
          "OKBtn", "CancelBtn", "btnSave", "btnDelete", "btnNew"})
        EXPECT_NE(d->findChild<QWidget*>(name), nullptr) << name;
    QStringList labels;
    for (QLabel* l : d->findChildren<QLabel*>()) labels << l->text();
    for (const char* t :
         {"Profile Name:", "Host Name:", "User ID:", "Password:", "Local Directory:"})
        EXPECT_TRUE(labels.contains(t)) << t;
    // The password box shows "*" for each character.
    EXPECT_EQ(d->EditPassword->echoMode(), QLineEdit::Password);
    QStyleOptionFrame opt;
    opt.initFrom(d->EditPassword);
    EXPECT_EQ(d->EditPassword->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, &opt,
                                                  d->EditPassword),
              '*');
    // Tab order: the focus chain's tab stops, each inner editor counted as its control.
    const QStringList named{"CBProfile",      "EditHostName", "EditUserID", "EditPassword",
                            "DirectoryEdit1", "cbPassive",    "OKBtn",      "CancelBtn",
                            "btnSave",        "btnDelete",    "btnNew"};
    QStringList order;
    QWidget* w = d->CBProfile;
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            const QWidget* owner = w;
            while (owner && !named.contains(owner->objectName())) owner = owner->parentWidget();
            if (owner && (order.isEmpty() || order.last() != owner->objectName()))
                order << owner->objectName();
        }
        w = w->nextInFocusChain();
    } while (w && w != d->CBProfile && order.size() < 20);
    EXPECT_EQ(order, (QStringList{"CBProfile", "EditHostName", "EditUserID", "EditPassword",
                                  "DirectoryEdit1", "cbPassive", "OKBtn", "CancelBtn", "btnSave",
                                  "btnDelete", "btnNew"}));
    // The column stands beside its fields; OK and Cancel are centred below the group.
    const auto centreY = [](QWidget* x) { return x->geometry().center().y(); };
    EXPECT_LE(std::abs(centreY(d->btnSave) - centreY(d->CBProfile)), 2);
    EXPECT_LE(std::abs(centreY(d->btnDelete) - centreY(d->EditUserID)), 2);
    EXPECT_LE(std::abs(centreY(d->btnNew) - centreY(d->DirectoryEdit1)), 2);
    const QGroupBox* group = d->findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_GT(d->OKBtn->y(), group->geometry().bottom());
    EXPECT_LE(d->CancelBtn->geometry().bottom(), 214);
    const int left = d->OKBtn->x();
    const int right = 313 - d->CancelBtn->geometry().right() - 1;
    EXPECT_LE(std::abs(left - right), 1);
}

}  // namespace
}  // namespace sorxfer
