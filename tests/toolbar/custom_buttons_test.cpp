// Custom buttons without a window: the number rule, what a setup writes and in which order,
// the enable rule, a refused write, and what a press inserts.
#include "editor/TextBuffer.h"
#include "editor/markup/CustomButtons.h"
#include "platform/Error.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

namespace wrenfold {
namespace {

// The lines of a file, line ends of any kind taken off.
std::vector<std::string> fileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::vector<std::string> lines;
    std::string line;
    for (char c : ss.str()) {
        if (c == '\r' || c == '\n') {
            if (!line.empty()) lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST(CustomButtonNumber, AcceptsExactlyOneToTen) {
    const struct {
        const char* text;
        std::optional<int> n;
    } cases[] = {{"1", 1}, {"7", 7}, {"10", 10}, {"", std::nullopt}, {"0", std::nullopt},
                 {"11", std::nullopt}, {" 3", std::nullopt}, {"3 ", std::nullopt},
                 {"03", std::nullopt}, {"+3", std::nullopt}, {"x", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(customButtonNumber(c.text), c.n) << c.text;
}

class CustomSetup : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("wrenfold.ini").toStdString();
    }
    QTemporaryDir dir;
    std::string path;
};

TEST_F(CustomSetup, WritesCaptionOpenCloseInOrderAndEnables) {
    wf::IniFile ini(path);
    CustomButtonState button{"3", "", "", false};
    applyCustomSetup(ini, 3, "Bold", "<B>", "</B>", button);
    EXPECT_EQ(button.caption, "Bold");
    EXPECT_EQ(button.open, "<B>");
    EXPECT_EQ(button.close, "</B>");
    EXPECT_TRUE(button.enabled);
    EXPECT_EQ(fileLines(path), (std::vector<std::string>{"[CustomButton]", "Caption3=Bold",
                                                         "C3Open=<B>", "C3Close=</B>"}));
}

TEST_F(CustomSetup, EmptyCaptionGivesNumberDisabledAndStoresIt) {
    wf::IniFile ini(path);
    CustomButtonState button{"Old", "<X>", "", true};
    applyCustomSetup(ini, 7, "", "<I>", "</I>", button);
    EXPECT_EQ(button.caption, "7");
    EXPECT_FALSE(button.enabled);
    EXPECT_EQ(button.open, "<I>");
    EXPECT_EQ(fileLines(path), (std::vector<std::string>{"[CustomButton]", "Caption7=7",
                                                         "C7Open=<I>", "C7Close=</I>"}));
    EXPECT_EQ(wf::IniFile(path).readString("CustomButton", "Caption7"), "7");
}

TEST_F(CustomSetup, EmptyOpeningTagKeepsTheEnabledStateItHad) {
    for (bool before : {false, true}) {
        wf::IniFile ini(path);
        CustomButtonState button{"Cap", "<Q>", "</Q>", before};
        applyCustomSetup(ini, 2, "Cap", "", "</Q>", button);
        EXPECT_EQ(button.enabled, before);
        EXPECT_EQ(button.open, "");
        EXPECT_EQ(wf::IniFile(path).readString("CustomButton", "C2Open", "unset"), "");
    }
}

TEST_F(CustomSetup, RewritesOnlyItsOwnButtonsKeys) {
    {
        std::ofstream out(path, std::ios::binary);
        out << "[CustomButton]\r\nCaption1=One\r\nC1Open=<1>\r\nC1Close=\r\n"
               "Caption4=Four\r\nC4Open=<4>\r\nC4Close=</4>\r\n[Other]\r\nk=v\r\n";
    }
    wf::IniFile ini(path);
    CustomButtonState button{"Four", "<4>", "</4>", true};
    applyCustomSetup(ini, 4, "New", "<N>", "", button);
    EXPECT_EQ(fileLines(path),
              (std::vector<std::string>{"[CustomButton]", "Caption1=One", "C1Open=<1>",
                                        "C1Close=", "Caption4=New", "C4Open=<N>", "C4Close=",
                                        "[Other]", "k=v"}));
}

TEST_F(CustomSetup, RefusedWriteStopsBeforeTheButtonChanges) {
    const std::string bad = dir.filePath("missing/wrenfold.ini").toStdString();
    wf::IniFile ini(bad);
    CustomButtonState button{"3", "", "", false};
    try {
        applyCustomSetup(ini, 3, "Bold", "<B>", "</B>", button);
        FAIL() << "no error";
    } catch (const wf::Error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + bad);
    }
    EXPECT_EQ(button.caption, "3");
    EXPECT_EQ(button.open, "");
    EXPECT_FALSE(button.enabled);
}

TEST(CustomPress, WrapsWithClosingTagElseInserts) {
    const struct {
        const char* open;
        const char* close;
        long start, length;
        const char* text;
        long afterStart, afterLength;
    } cases[] = {
        {"<B>", "</B>", 1, 2, "a<B>bc</B>d", 4, 2},
        {"<B>", "</B>", 3, -2, "a<B>bc</B>d", 6, -2},
        {"<B>", "</B>", 1, 0, "a<B></B>bcd", 4, 0},
        {"<BR>", "", 1, 2, "a<BR>bcd", 5, 2},
        // no ".." splitting for custom buttons
        {"<B>..</B>", "", 0, 0, "<B>..</B>abcd", 9, 0},
        // an opening tag cleared after setup: only the closing one, behind the selection
        {"", "</B>", 1, 2, "abc</B>d", 1, 2},
        {"", "", 1, 2, "abcd", 1, 2},
    };
    for (const auto& c : cases) {
        TextBuffer doc("abcd", c.start, c.length);
        pressCustomButton(doc, c.open, c.close);
        EXPECT_EQ(doc.text(), c.text) << c.open << c.close;
        EXPECT_EQ(doc.selStart(), c.afterStart) << c.open << c.close;
        EXPECT_EQ(doc.selLength(), c.afterLength) << c.open << c.close;
    }
}

}  // namespace
}  // namespace wrenfold
