// Loading and saving documents: byte for byte, failures that name the file and leave
// everything as it was, and saves that keep the old file's permissions.
#include "editor/DocumentEditor.h"
#include "editor/DocumentFile.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenfold::test {
namespace {

using namespace std::string_literals;

class DocumentFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    DocumentEditor editor;

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    QString qpath(const char* name) const { return dir.filePath(name); }

    static void write(const std::string& p, const std::string& bytes) {
        std::ofstream out(p, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Names in the folder, to see that no temporary file is left behind.
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // Every byte value, and every way a line can end, NUL included.
    static std::string allBytes() {
        std::string s;
        for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
        return s + "lf\ncr\rcrlf\r\nlfcr\n\r\r\r\n\n\0end"s + "\xff\xfe";
    }
};

TEST_F(DocumentFiles, EveryByteAndLineBreakSurvivesLoadAndSave) {
    const std::vector<std::string> documents = {
        allBytes(),
        "plain ascii, no final line break",
        "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\r\nline two\nthree\r\0four"s,  // UTF-8
        "caf\xe9 \x80 \x93quoted\x94\r\n",                                          // 1252
        "",
    };
    for (std::size_t i = 0; i < documents.size(); ++i) {
        SCOPED_TRACE(i);
        write(path("in.html"), documents[i]);
        editor.loadFile(qpath("in.html"));
        EXPECT_EQ(editor.bytes(), documents[i]);
        EXPECT_EQ(editor.documentLength(), static_cast<long>(documents[i].size()));
        editor.saveFile(qpath("out.html"));
        EXPECT_EQ(read(path("out.html")), documents[i]);
    }
}

TEST_F(DocumentFiles, BytesDoNotChangeByBeingShown) {
    write(path("in.html"), allBytes());
    editor.loadFile(qpath("in.html"));
    editor.resize(300, 200);
    editor.show();
    (void)editor.grab();  // paints the text, lexing what it shows
    editor.setHighlighter(Highlighter::Cpp);
    (void)editor.grab();
    EXPECT_EQ(editor.bytes(), allBytes());
}

TEST_F(DocumentFiles, LoadReplacesTextAndStartsFresh) {
    editor.replaceSelection("old text");
    ASSERT_TRUE(editor.isModified());
    write(path("a.txt"), "new\r\ntext");
    editor.loadFile(qpath("a.txt"));
    EXPECT_EQ(editor.bytes(), "new\r\ntext");
    EXPECT_FALSE(editor.isModified());
    EXPECT_FALSE(editor.isUndoAvailable());
    EXPECT_EQ(editor.selStart(), 0);
    EXPECT_EQ(editor.selLength(), 0);
}

TEST_F(DocumentFiles, LoadFailureNamesTheFileAndReasonAndChangesNothing) {
    struct Case {
        const char* name;
        std::string target;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"missing file", path("missing.html"), std::strerror(ENOENT)},
        {"a folder", dir.path().toStdString(), std::strerror(EISDIR)},
        {"missing folder", path("nope/a.html"), std::strerror(ENOENT)},
        // Opens, then fails on the first read: the text is put back after streaming began.
        {"read error after opening", "/proc/self/mem", std::strerror(EIO)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        editor.setBytes("keep me");
        editor.setSelStart(2);
        try {
            editor.loadFile(QString::fromStdString(c.target));
            ADD_FAILURE() << "no error";
        } catch (const wf::Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.target), std::string::npos) << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
        EXPECT_EQ(editor.bytes(), "keep me");
        EXPECT_TRUE(editor.isModified());
        EXPECT_EQ(editor.selStart(), 2);
    }
}

TEST_F(DocumentFiles, SaveFailureNamesTheFileAndKeepsTheModifiedFlag) {
    struct Case {
        const char* name;
        std::string target;
        const char* reason;
    };
    QDir(dir.path()).mkdir("sub");
    const std::vector<Case> cases = {
        {"missing folder", path("nope/a.html"), std::strerror(ENOENT)},
        {"a folder", path("sub"), std::strerror(EISDIR)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        editor.setBytes("text");
        try {
            editor.saveFile(QString::fromStdString(c.target));
            ADD_FAILURE() << "no error";
        } catch (const wf::Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.target), std::string::npos) << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
        EXPECT_TRUE(editor.isModified());
    }
    EXPECT_EQ(entries(), QStringList{"sub"});
}

// A write that fails half-way (the file size limit stands in for a full disk) must leave
// the old document whole: the new bytes go to a temporary file first.
TEST_F(DocumentFiles, FailedSaveLeavesTheOldFileIntact) {
    const std::string old = "the old document\r\n";
    write(path("page.html"), old);
    editor.setBytes(std::string(100000, 'x'));

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        editor.saveFile(qpath("page.html"));
    } catch (const wf::Error& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_NE(message.find(path("page.html")), std::string::npos) << message;
    EXPECT_NE(message.find(std::strerror(EFBIG)), std::string::npos) << message;
    EXPECT_EQ(read(path("page.html")), old);
    EXPECT_TRUE(editor.isModified());
    EXPECT_EQ(entries(), QStringList{"page.html"});  // no temporary file left
}

TEST_F(DocumentFiles, SaveKeepsPermissionsAndClearsModified) {
    write(path("page.html"), "old");
    ASSERT_EQ(::chmod(path("page.html").c_str(), 0640), 0);
    editor.setBytes("new\r\n");
    ASSERT_TRUE(editor.isModified());
    editor.saveFile(qpath("page.html"));
    struct stat st {};
    ASSERT_EQ(::stat(path("page.html").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(read(path("page.html")), "new\r\n");
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(entries(), QStringList{"page.html"});
}

TEST_F(DocumentFiles, NewFileGetsTheUsualPermissions) {
    const mode_t mask = ::umask(022);
    editor.setBytes("x");
    editor.saveFile(qpath("new.html"));
    ::umask(mask);
    struct stat st {};
    ASSERT_EQ(::stat(path("new.html").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(DocumentFiles, SaveThroughALinkReplacesTheFileItNames) {
    write(path("real.html"), "old");
    ASSERT_EQ(::symlink(path("real.html").c_str(), path("link.html").c_str()), 0);
    editor.setBytes("new");
    editor.saveFile(qpath("link.html"));
    struct stat st {};
    ASSERT_EQ(::lstat(path("link.html").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(read(path("real.html")), "new");
}

TEST_F(DocumentFiles, AnEmptyDocumentSavesAnEmptyFile) {
    write(path("page.html"), "something");
    editor.clearDocument();
    editor.saveFile(qpath("page.html"));
    EXPECT_EQ(read(path("page.html")), "");
}

TEST(DocumentFileFunctions, ReadAndWriteWithoutAnEditor) {
    QTemporaryDir dir;
    const std::string p = dir.filePath("f.bin").toStdString();
    const std::string bytes = "\0\r\n\xff"s;
    writeDocumentFile(p, bytes.data(), bytes.size());
    EXPECT_EQ(readDocumentFile(p), bytes);
}

}  // namespace
}  // namespace wrenfold::test
