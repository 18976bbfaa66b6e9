// The file panel's rules without a window: link addresses, actions by extension, and what a
// drop or the L key writes into a document, over real files in a temporary folder tree.
#include "editor/TextBuffer.h"
#include "editor/markup/FileDrop.h"
#include "platform/Error.h"
#include "tests/filepanel/PictureFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using namespace wrenfold;
using namespace filepanel_test;

namespace {

struct UrlCase {
    const char* activePath;
    const char* file;
    const char* url;
};

class LinkUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(LinkUrlTest, IsRelativeToTheActiveDocumentOrBareWhenUntitled) {
    const UrlCase& c = GetParam();
    EXPECT_EQ(linkUrl(c.activePath, c.file), c.url);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, LinkUrlTest,
    testing::Values(
        UrlCase{"/srv/web/index.html", "/srv/web/img/logo.gif", "img/logo.gif"},
        UrlCase{"", "/srv/web/img/logo.gif", "logo.gif"},
        UrlCase{"/srv/web/sub/page.html", "/srv/web/about.htm", "../about.htm"},
        UrlCase{"/srv/web/sub/deeper/page.html", "/srv/web/img/a.gif", "../../img/a.gif"},
        UrlCase{"/srv/web/index.html", "/srv/web/index.html", "index.html"},
        UrlCase{"C:\\web\\sub\\page.html", "C:\\web\\about.htm", "../about.htm"},
        UrlCase{"C:\\web\\index.html", "D:\\img\\a.gif", "D:/img/a.gif"},
        // A name without a folder (a new page never given one) links like an untitled one.
        UrlCase{"Untitled", "/srv/web/img/logo.gif", "logo.gif"}));

TEST(FileExtension, IsLowerCaseFromTheLastFullStop) {
    EXPECT_EQ(fileExtension("/srv/web/LOGO.GIF"), ".gif");
    EXPECT_EQ(fileExtension("/srv/web/photo.Small.JPEG"), ".jpeg");
    EXPECT_EQ(fileExtension("/srv/web/README"), "");
    EXPECT_EQ(fileExtension("/srv/web.d/README"), "");
}

struct ActionCase {
    const char* extension;
    DoubleClickAction doubleClick;
    DropKind drop;
};

class ActionByExtensionTest : public testing::TestWithParam<ActionCase> {};

TEST_P(ActionByExtensionTest, FollowsTheExtension) {
    const ActionCase& c = GetParam();
    EXPECT_EQ(doubleClickAction(c.extension), c.doubleClick) << c.extension;
    EXPECT_EQ(dropKind(c.extension), c.drop) << c.extension;
}

using DC = DoubleClickAction;
INSTANTIATE_TEST_SUITE_P(
    Extensions, ActionByExtensionTest,
    testing::Values(ActionCase{".html", DC::OpenAsText, DropKind::Link},
                    ActionCase{".htm", DC::OpenAsText, DropKind::Link},
                    ActionCase{".shtml", DC::OpenAsText, DropKind::Link},
                    ActionCase{".pl", DC::OpenAsText, DropKind::Nothing},
                    ActionCase{".pas", DC::OpenAsText, DropKind::Nothing},
                    ActionCase{".dpr", DC::OpenAsText, DropKind::Nothing},
                    ActionCase{".js", DC::OpenAsText, DropKind::Nothing},
                    ActionCase{".txt", DC::OpenAsText, DropKind::Nothing},
                    ActionCase{".jpg", DC::OpenWithProgram, DropKind::Picture},
                    ActionCase{".bmp", DC::OpenWithProgram, DropKind::Picture},
                    ActionCase{".gif", DC::OpenWithProgram, DropKind::Picture},
                    ActionCase{".png", DC::OpenWithProgram, DropKind::Picture},
                    ActionCase{".wav", DC::OpenWithProgram, DropKind::Sound},
                    ActionCase{".mid", DC::OpenWithProgram, DropKind::Sound},
                    ActionCase{".au", DC::OpenWithProgram, DropKind::Sound},
                    ActionCase{".aif", DC::Nothing, DropKind::Sound},
                    ActionCase{".jpeg", DC::Nothing, DropKind::Nothing},
                    ActionCase{".css", DC::Nothing, DropKind::Nothing},
                    ActionCase{"", DC::Nothing, DropKind::Nothing}));

TEST(SoundMarkup, FollowsTheAudioChoice) {
    EXPECT_EQ(soundMarkup(DropAudio::N, "s/a.wav"),
              "<EMBED src=\"s/a.wav\" width=0 height=0 autostart=true loop=1>");
    EXPECT_EQ(soundMarkup(DropAudio::IE, "s/a.wav"), "<BGSOUND src=\"s/a.wav\">");
    EXPECT_EQ(soundMarkup(DropAudio::C, "s/a.mid"),
              "<EMBED type=\"music/crescendo\" song=\"s/a.mid\" pluginspage=\"" +
                  std::string(PLUGINPAGE) + "\" width=200 height=55>");
    EXPECT_EQ(soundMarkup(DropAudio::L, "s/a.wav"), "<A href=\"s/a.wav\">");
}

TEST(PluginPage, IsTheVendorsDownloadPage) {
    const std::string page(PLUGINPAGE);
    ASSERT_GT(page.size(), std::string("http://x/dl.html").size());
    EXPECT_EQ(page.rfind("http://", 0), 0u);
    EXPECT_EQ(page.substr(page.size() - 8), "/dl.html");
    EXPECT_EQ(page.find('"'), std::string::npos);
}

// A site folder: web/index.html, web/sub/page.html, web/about.htm, web/img/ with pictures
// and sounds, some of them damaged.
class DropTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        QDir root(tmp_.path());
        ASSERT_TRUE(root.mkpath("web/sub"));
        ASSERT_TRUE(root.mkpath("web/img"));
        writeBytes(file("web/index.html"), "<HTML></HTML>\r\n");
        writeBytes(file("web/sub/page.html"), "Home\r\n");
        writeBytes(file("web/about.htm"), "about\r\n");
        writeGif(file("web/img/logo.gif"), 100, 50);
        writeGif(file("web/img/LOGO.GIF"), 12, 34);
        writePng(file("web/img/wide.png"), 70000, 3);
        writeBytes(file("web/img/text.png"), "just some text, not a picture");
        writeImage(file("web/img/photo.jpg"), 37, 21, "JPG");
        writeImage(file("web/img/photo.jpeg"), 37, 21, "JPG");
        writeImage(file("web/img/chart.bmp"), 13, 7, "BMP");
        writeBytes(file("web/img/damaged.jpg"), "GIF89a this is no JPEG at all");
        writeBytes(file("web/img/damaged.bmp"), std::string("BM\x10\0\0\0", 6));
        writeBytes(file("web/img/tune.wav"), "RIFF....WAVE");
        writeBytes(file("web/img/style.css"), "p {}");
    }

    QString file(const char* relative) const { return QDir(tmp_.path()).filePath(relative); }

    // A drop of relative on the document activeDoc (nullptr: untitled).
    FileDropRequest request(const char* relative, const char* activeDoc,
                            DropAudio audio = DropAudio::IE) const {
        FileDropRequest r;
        r.file = file(relative).toStdString();
        r.activePath = activeDoc ? file(activeDoc).toStdString() : std::string();
        r.audio = audio;
        return r;
    }

    QTemporaryDir tmp_;
};

struct DropCase {
    const char* file;
    const char* activeDoc;  // nullptr: untitled
    DropAudio audio;
    const char* inserted;   // in front of "Home", the selected word
    bool wraps;             // "</A>" behind it
};

class DropMarkupTest : public DropTest, public testing::WithParamInterface<DropCase> {};

// The document "say Home now" with Home selected: the markup goes at the selection, and the
// selection stays on Home.
TEST_P(DropMarkupTest, GoesAtTheSelectionOfTheDocument) {
    const DropCase& c = GetParam();
    TextBuffer doc("say Home now", 4, 4);
    ASSERT_TRUE(dropFile(doc, request(c.file, c.activeDoc, c.audio)));
    const std::string inserted = c.inserted;
    const std::string expected =
        "say " + inserted + "Home" + (c.wraps ? "</A>" : "") + " now";
    EXPECT_EQ(doc.text(), expected);
    EXPECT_EQ(doc.selStart(), static_cast<long>(4 + inserted.size()));
    EXPECT_EQ(doc.selLength(), 4);
    EXPECT_GT(doc.focusCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    ByExtension, DropMarkupTest,
    testing::Values(
        DropCase{"web/img/logo.gif", "web/index.html", DropAudio::IE,
                 "<IMG src=\"img/logo.gif\" width=100 height=50 border=0>", false},
        DropCase{"web/img/logo.gif", nullptr, DropAudio::IE,
                 "<IMG src=\"logo.gif\" width=100 height=50 border=0>", false},
        DropCase{"web/img/LOGO.GIF", "web/sub/page.html", DropAudio::IE,
                 "<IMG src=\"../img/LOGO.GIF\" width=12 height=34 border=0>", false},
        DropCase{"web/about.htm", "web/sub/page.html", DropAudio::IE,
                 "<A href=\"../about.htm\">", true},
        DropCase{"web/img/photo.jpg", "web/index.html", DropAudio::IE,
                 "<IMG src=\"img/photo.jpg\" width=37 height=21 border=0>", false},
        DropCase{"web/img/chart.bmp", "web/index.html", DropAudio::IE,
                 "<IMG src=\"img/chart.bmp\" width=13 height=7 border=0>", false},
        // Only the low 16 bits of a PNG's width: 70000 - 65536.
        DropCase{"web/img/wide.png", "web/index.html", DropAudio::IE,
                 "<IMG src=\"img/wide.png\" width=4464 height=3 border=0>", false},
        DropCase{"web/img/text.png", "web/index.html", DropAudio::IE,
                 "<IMG src=\"img/text.png\" width=0 height=0 border=0>", false},
        DropCase{"web/img/tune.wav", "web/index.html", DropAudio::IE,
                 "<BGSOUND src=\"img/tune.wav\">", false},
        // With the choice L only the opening anchor goes in, in front of the selection.
        DropCase{"web/img/tune.wav", "web/index.html", DropAudio::L,
                 "<A href=\"img/tune.wav\">", false}));

TEST_F(DropTest, FilesWithoutADropActionInsertNothing) {
    for (const char* name : {"web/img/photo.jpeg", "web/img/style.css"}) {
        TextBuffer doc("say Home now", 4, 4);
        EXPECT_FALSE(dropFile(doc, request(name, "web/index.html"))) << name;
        EXPECT_EQ(doc.text(), "say Home now") << name;
        EXPECT_EQ(doc.changeCount(), 0) << name;
    }
}

TEST_F(DropTest, APictureThatCannotBeReadRaisesTheReadersErrorAndInsertsNothing) {
    struct Bad {
        const char* file;
        const char* messageStart;
    };
    for (const Bad& bad : {Bad{"web/img/damaged.jpg", "JPEG error #"},
                           Bad{"web/img/damaged.bmp", "Bitmap image is not valid"},
                           Bad{"web/img/gone.png", "Cannot open file "}}) {
        TextBuffer doc("say Home now", 4, 4);
        try {
            dropFile(doc, request(bad.file, "web/index.html"));
            ADD_FAILURE() << bad.file << " was taken for a picture";
        } catch (const wf::Error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(bad.messageStart, 0), 0u)
                << bad.file << ": " << e.what();
        }
        EXPECT_EQ(doc.text(), "say Home now") << bad.file;
        EXPECT_EQ(doc.changeCount(), 0) << bad.file;
    }
}

TEST_F(DropTest, AGifThatCannotBeOpenedIsZeroByZero) {
    TextBuffer doc;
    ASSERT_TRUE(dropFile(doc, request("web/img/gone.gif", "web/index.html")));
    EXPECT_EQ(doc.text(), "<IMG src=\"img/gone.gif\" width=0 height=0 border=0>");
}

TEST_F(DropTest, LinkWrapsTheSelectionWithAnUpperCaseHref) {
    TextBuffer doc("say Home now", 8, -4);  // Home selected backwards
    linkFile(doc, request("web/about.htm", "web/sub/page.html"));
    EXPECT_EQ(doc.text(), "say <A HREF=\"../about.htm\">Home</A> now");
    EXPECT_EQ(doc.selLength(), -4);
    EXPECT_EQ(doc.documentText().substr(static_cast<std::size_t>(doc.selStart() - 4), 4), "Home");
}

TEST_F(DropTest, LinkToAnyKindOfFileWithNothingSelectedLeavesTheCaretInside) {
    TextBuffer doc("ab", 1, 0);
    linkFile(doc, request("web/img/style.css", nullptr));
    EXPECT_EQ(doc.text(), "a<A HREF=\"style.css\"></A>b");
    EXPECT_EQ(doc.selStart(), 1 + static_cast<long>(std::string("<A HREF=\"style.css\">").size()));
}

TEST_F(DropTest, TheAddressIsConvertedToTheDocumentsBytes) {
    // A Windows-1252 document: the UTF-8 name "café.wav" must arrive as one byte 0xE9.
    writeBytes(file("web/img/caf\u00e9.wav"), "RIFF");
    FileDropRequest r = request("web/img/caf\u00e9.wav", "web/index.html");
    r.toDocument = [](const std::string& utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
            .toLatin1()
            .toStdString();
    };
    TextBuffer doc;
    ASSERT_TRUE(dropFile(doc, r));
    EXPECT_EQ(doc.text(), "<BGSOUND src=\"img/caf\xE9.wav\">");
}

}  // namespace
