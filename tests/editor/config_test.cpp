// The settings file: defaults, the keys written at exit, the custom buttons, sorted lists.
#include "editor/cwrenfold_config.h"

#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

using namespace wrenfold;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    std::string path() const { return dir.filePath("wrenfold.ini").toStdString(); }
    void write(const std::string& text) const { std::ofstream(path(), std::ios::binary) << text; }
    std::string read() const {
        std::ifstream in(path(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(SettingsFile, NoFileGivesTheDefaults) {
    const EditorSettings s = readEditorSettings(wf::IniFile(path()), "/app/");
    EXPECT_EQ(s.directory, "/app/");
    EXPECT_EQ(s.audioIndex, 1);
    EXPECT_EQ(s.tagList1, "");
    EXPECT_EQ(s.tagList2, "");
    EXPECT_EQ(s.netscapeLocation, "");
    for (int n = 0; n < kCustomButtonCount; ++n) {
        EXPECT_EQ(s.custom[static_cast<std::size_t>(n)].caption, std::to_string(n + 1));
        EXPECT_EQ(s.custom[static_cast<std::size_t>(n)].open, "");
        EXPECT_EQ(s.custom[static_cast<std::size_t>(n)].close, "");
    }
}

TEST_F(SettingsFile, ReadsEveryKey) {
    write("[Directory]\r\nDirectoryListBox= /web/site \r\n[DandDAudio]\r\nItemIndex=3\r\n"
          "[TagLists]\r\nTagList1=<B>..</B>\r\nTagList2=<HR>\r\n[Netscape]\r\nLocation=C:\\nn.exe\r\n"
          "[CustomButton]\r\nCaption3=Bold\r\nC3Open=<B>\r\nC3Close=</B>\r\nC4Close=</I>\r\n");
    const EditorSettings s = readEditorSettings(wf::IniFile(path()), "/app/");
    EXPECT_EQ(s.directory, "/web/site");
    EXPECT_EQ(s.audioIndex, 3);
    EXPECT_EQ(s.tagList1, "<B>..</B>");
    EXPECT_EQ(s.tagList2, "<HR>");
    EXPECT_EQ(s.netscapeLocation, "C:\\nn.exe");
    EXPECT_EQ(s.custom[2].caption, "Bold");
    EXPECT_EQ(s.custom[2].open, "<B>");
    EXPECT_EQ(s.custom[2].close, "</B>");
    EXPECT_EQ(s.custom[3].caption, "4");
    EXPECT_EQ(s.custom[3].open, "");
    EXPECT_EQ(s.custom[3].close, "</I>");
}

TEST_F(SettingsFile, AnAudioChoiceOutsideTheFourItemsGivesTheDefault) {
    for (const char* value : {"-1", "4", "x"}) {
        write(std::string("[DandDAudio]\r\nItemIndex=") + value + "\r\n");
        EXPECT_EQ(readEditorSettings(wf::IniFile(path()), "/").audioIndex, 1) << value;
    }
}

TEST_F(SettingsFile, ExitWritesTheFiveKeysAndLeavesTheCustomButtons) {
    write("[CustomButton]\r\nCaption1=Mine\r\n");
    EditorSettings s;
    s.directory = "/web";
    s.audioIndex = 0;
    s.tagList1 = "<P>";
    s.tagList2 = "";
    s.netscapeLocation = "nn";
    s.custom[0].caption = "changed";
    wf::IniFile ini(path());
    writeEditorSettings(ini, s);
    const EditorSettings back = readEditorSettings(wf::IniFile(path()), "/app/");
    EXPECT_EQ(back.directory, "/web");
    EXPECT_EQ(back.audioIndex, 0);
    EXPECT_EQ(back.tagList1, "<P>");
    EXPECT_EQ(back.tagList2, "");
    EXPECT_EQ(back.netscapeLocation, "nn");
    EXPECT_EQ(back.custom[0].caption, "Mine");
    EXPECT_NE(read().find("ItemIndex=0"), std::string::npos);
}

TEST(SortedEntries, IgnoresCaseAndKeepsDuplicatesAndBlankEntries) {
    EXPECT_EQ(sortedEntries({"<b>", "", "<A>", "<B>", "<a>", "<b>"}),
              (std::vector<std::string>{"", "<A>", "<a>", "<b>", "<B>", "<b>"}));
}
