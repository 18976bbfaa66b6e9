// Start and exit: the settings file, the tag list file and a file on the command line.
#include "window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

using namespace wrenfold;
using namespace wrenfold::test;

namespace {

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

QString cleanFolder(const QString& folder) {
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}

}  // namespace

TEST_F(EditorWindow, WithoutSettingsEverythingStartsAtItsDefault) {
    start();
    EXPECT_TRUE(script.events().empty());
    const QString appFolder = cleanFolder(appDir);
    EXPECT_EQ(form->panelFolder(), appFolder);
    EXPECT_EQ(form->openDialog().folder, appFolder);
    EXPECT_EQ(form->saveDialog().folder, appFolder);
    EXPECT_EQ(form->audioIndex(), 1);
    EXPECT_EQ(form->cbTagList1()->currentText(), "");
    EXPECT_EQ(form->cbTagList2()->currentText(), "");
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(form->sbC(n)->text(), QString::number(n + 1));
        EXPECT_FALSE(form->sbC(n)->isEnabled()) << n;
    }
    EXPECT_FALSE(form->sbSave()->isEnabled());
}

TEST_F(EditorWindow, SettingsSurviveFromOneRunToTheNext) {
    writeFile("wrenfold.ini", "[Netscape]\r\nLocation=C:\\nn\\netscape.exe\r\n");
    writeFile("site/index.html", "");
    start();
    form->setPanelFolder(cleanFolder(path("site")));
    form->setAudioIndex(3);
    form->cbTagList1()->setEditText("<B>..</B>");
    form->cbTagList2()->setCurrentIndex(0);
    const QString second = form->cbTagList2()->currentText();
    quit();

    start();
    EXPECT_EQ(form->panelFolder(), cleanFolder(path("site")));
    EXPECT_EQ(form->openDialog().folder, cleanFolder(path("site")));
    EXPECT_EQ(form->saveDialog().folder, cleanFolder(path("site")));
    EXPECT_EQ(form->audioIndex(), 3);
    EXPECT_EQ(form->cbTagList1()->currentText(), "<B>..</B>");
    EXPECT_EQ(form->cbTagList2()->currentText(), second);
    EXPECT_EQ(form->NetscapeLocation, "C:\\nn\\netscape.exe");
    const std::string ini = readFile(path("wrenfold.ini"));
    EXPECT_NE(ini.find("Location=C:\\nn\\netscape.exe"), std::string::npos);
    EXPECT_EQ(ini.find("CustomButton"), std::string::npos);  // never written at exit
}

TEST_F(EditorWindow, AFolderChosenInAFileDialogIsNotRemembered) {
    writeFile("docs/a.html", "a");
    start();
    openThroughDialog(path("docs/a.html"));
    EXPECT_EQ(form->openDialog().folder, path("docs/"));
    quit();
    start();
    EXPECT_EQ(form->openDialog().folder, cleanFolder(appDir));
}

TEST_F(EditorWindow, AFolderThatHasGoneFallsBackToTheProgramFolder) {
    writeFile("wrenfold.ini", "[Directory]\r\nDirectoryListBox=" + path("gone").toStdString() + "\r\n");
    start();
    EXPECT_EQ(form->panelFolder(), cleanFolder(appDir));
    EXPECT_EQ(form->openDialog().folder, cleanFolder(appDir));
    EXPECT_TRUE(script.events().empty());
}

TEST_F(EditorWindow, CustomButtonsTakeTheirCaptionsAndNeedAnOpeningTag) {
    writeFile("wrenfold.ini",
              "[CustomButton]\r\nCaption3=Bold\r\nC3Open=<B>\r\nC3Close=</B>\r\n"
              "Caption4=Close only\r\nC4Close=</I>\r\nC10Open=<HR>\r\n");
    start();
    EXPECT_EQ(form->sbC(2)->text(), "Bold");
    EXPECT_TRUE(form->sbC(2)->isEnabled());
    EXPECT_EQ(form->CustomOpen[2], "<B>");
    EXPECT_EQ(form->CustomClose[2], "</B>");
    EXPECT_EQ(form->sbC(3)->text(), "Close only");
    EXPECT_FALSE(form->sbC(3)->isEnabled());
    EXPECT_EQ(form->CustomClose[3], "</I>");
    EXPECT_EQ(form->sbC(9)->text(), "10");
    EXPECT_TRUE(form->sbC(9)->isEnabled());
    EXPECT_FALSE(form->sbC(0)->isEnabled());
}

TEST_F(EditorWindow, TagListFillsBothBoxesSorted) {
    writeFile("tag.lst", "<P>\r\n<b>..</b>\n\r<A href=\"\">..</A>\r\n<B>..</B>");
    start();
    const QStringList expected = {"", "<A href=\"\">..</A>", "<b>..</b>", "<B>..</B>", "<P>"};
    EXPECT_EQ(items(form->cbTagList1()), expected);
    EXPECT_EQ(items(form->cbTagList2()), expected);
}

TEST_F(EditorWindow, MissingTagListIsReportedOnceAndTheStartGoesOn) {
    QFile::remove(path("tag.lst"));
    writeFile("wrenfold.ini", "[DandDAudio]\r\nItemIndex=2\r\n[TagLists]\r\nTagList1=<HR>\r\n");
    start();
    ASSERT_EQ(script.messages(), QStringList({"Cannot open file " + path("tag.lst")}));
    EXPECT_EQ(script.events()[0].kind, wf::MsgKind::Error);
    EXPECT_EQ(form->cbTagList1()->count(), 0);
    EXPECT_EQ(form->cbTagList1()->currentText(), "<HR>");
    EXPECT_EQ(form->audioIndex(), 2);
    EXPECT_EQ(form->ActiveMemo(), form->Memo(0));
}

TEST_F(EditorWindow, AFileOnTheCommandLineOpensInTabOne) {
    const QString file = writeFile("site/Page One.html", "<HTML>\r\n</HTML>");
    start({file, "ignored"});
    EXPECT_TRUE(script.events().empty());
    EXPECT_EQ(tabText(0), "Page One.html");
    EXPECT_EQ(form->Edit(0)->text(), file);
    EXPECT_EQ(form->Memo(0)->bytes(), "<HTML>\r\n</HTML>");
    EXPECT_FALSE(tabShown(1));
    EXPECT_FALSE(form->sbSave()->isEnabled());
}

TEST_F(EditorWindow, AMissingFileOnTheCommandLineIsIgnoredSilently) {
    for (const QString& arg : {path("missing.html"), path("")}) {
        start({arg});
        EXPECT_TRUE(script.events().empty()) << arg.toStdString();
        EXPECT_EQ(tabText(0), "Untitled");
        EXPECT_EQ(form->Edit(0)->text(), "");
        EXPECT_EQ(form->NumberTabsVisible(), 1);
        quit();
    }
}
