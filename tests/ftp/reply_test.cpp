// Reply assembly and the reading of reply texts, from tables of raw server bytes.
#include <gtest/gtest.h>

#include "ftp/FtpReply.h"

namespace sorxfer {
namespace {

struct AssemblyCase {
    const char* name;
    std::vector<std::string> chunks;                   // bytes as they arrive, split anywhere
    std::vector<std::pair<int, std::size_t>> replies;  // code and line count of each reply
    bool fails;
};

class ReplyAssembly : public ::testing::TestWithParam<AssemblyCase> {};

TEST_P(ReplyAssembly, SplitsTheStreamIntoReplies) {
    const AssemblyCase& c = GetParam();
    ReplyAssembler a(64, 5);
    for (const std::string& chunk : c.chunks) a.feed(chunk);
    std::vector<std::pair<int, std::size_t>> got;
    while (auto r = a.next()) got.emplace_back(r->code, r->lines.size());
    EXPECT_EQ(got, c.replies);
    EXPECT_EQ(a.failed(), c.fails) << a.error();
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplyAssembly,
    ::testing::Values(
        AssemblyCase{"single", {"220 Ready\r\n"}, {{220, 1}}, false},
        AssemblyCase{"bareLf", {"200 OK\n331 Pass\n"}, {{200, 1}, {331, 1}}, false},
        AssemblyCase{"splitAnywhere", {"2", "30 Lo", "gged in\r", "\n"}, {{230, 1}}, false},
        AssemblyCase{"incompleteLineWaits", {"226 Transfer comp"}, {}, false},
        AssemblyCase{"codeOnly", {"200\r\n"}, {{200, 1}}, false},
        AssemblyCase{
            "multiLine", {"211-Features:\r\n UTF8\r\n EPSV\r\n211 End\r\n"}, {{211, 4}}, false},
        // Inner lines may start with digits, even another code or the same code and a hyphen.
        AssemblyCase{"multiLineInnerCodes",
                     {"230-Welcome\r\n230-more\r\n123 not the end\r\n230 done\r\n"},
                     {{230, 4}},
                     false},
        AssemblyCase{"multiLineCodeOnlyEnd", {"250-a\r\n250\r\n"}, {{250, 2}}, false},
        AssemblyCase{"garbledFirstLine", {"hello there\r\n"}, {}, true},
        AssemblyCase{"codeOutOfRange", {"600 What\r\n"}, {}, true},
        AssemblyCase{"noSeparator", {"220Ready\r\n"}, {}, true},
        AssemblyCase{"goodThenGarbled", {"200 OK\r\nxx\r\n"}, {{200, 1}}, true},
        // 64 characters are the longest line allowed in this table.
        AssemblyCase{"longLineEnded", {"200 " + std::string(61, 'x') + "\r\n"}, {}, true},
        AssemblyCase{"longLineUnended", {"200 " + std::string(100, 'x')}, {}, true},
        AssemblyCase{"lineAtLimit", {"200 " + std::string(60, 'x') + "\r\n"}, {{200, 1}}, false},
        AssemblyCase{"tooManyLines", {"211-a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n211 end\r\n"}, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReplyAssembler, StaysFailedAndKeepsTheFirstReason) {
    ReplyAssembler a;
    EXPECT_FALSE(a.feed("junk\r\n"));
    const std::string why = a.error();
    EXPECT_NE(why.find("junk"), std::string::npos);
    EXPECT_FALSE(a.feed("200 OK\r\n"));
    EXPECT_FALSE(a.next().has_value());
    EXPECT_EQ(a.error(), why);
    a.reset();
    EXPECT_TRUE(a.feed("200 OK\r\n"));
    ASSERT_TRUE(a.next().has_value());
}

TEST(ReplyAssembler, KeepsLinesWithoutTheirBreak) {
    ReplyAssembler a;
    a.feed("257-\"/a\" here\r\n257 end\r\n");
    auto r = a.next();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->lines, (std::vector<std::string>{"257-\"/a\" here", "257 end"}));
    EXPECT_EQ(r->lastLine(), "257 end");
    EXPECT_TRUE(r->positive());
}

TEST(ReplyTexts, PwdDirectory) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"257 \"/home/user\" is the current directory.", "/home/user"},
        {"257 \"/a b\"", "/a b"},
        {"257 \"/say \"\"hi\"\"\" is current", "/say \"hi\""},
        {"257 \"\"", ""},
        {"257 no quotes here", ""},
        {"257 \"/unclosed", "/unclosed"},
    };
    for (const auto& [line, dir] : cases) EXPECT_EQ(pwdDirectory(line), dir) << line;
}

TEST(ReplyTexts, PasvAddress) {
    auto a = pasvAddress("227 Entering Passive Mode (127,0,0,1,195,80).");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->host, "127.0.0.1");
    EXPECT_EQ(a->port, 195 * 256 + 80);
    auto b = pasvAddress("227 =10,1,2,3,0,21");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->port, 21);
    for (const char* bad : {"227 Entering Passive Mode", "227 (1,2,3,4,5)", "227 (1,2,3,4,256,1)",
                            "227 (1,2,3,4,0,0)", "227 (1,2,3,4,5,x)"})
        EXPECT_FALSE(pasvAddress(bad).has_value()) << bad;
}

TEST(ReplyTexts, EpsvPort) {
    EXPECT_EQ(epsvPort("229 Entering extended passive mode (|||50411|)."), 50411);
    EXPECT_EQ(epsvPort("229 ok (!!!21!)"), 21);
    for (const char* bad : {"229 no port", "229 (|||0|)", "229 (|||70000|)", "229 (||21|)",
                            "229 (|||21)", "229 (|||abc|)"})
        EXPECT_FALSE(epsvPort(bad).has_value()) << bad;
}

TEST(ReplyTexts, TransferSizeIsTheLastNumberBeforeBytes) {
    const std::vector<std::pair<std::string, std::int64_t>> cases = {
        {"150 Opening BINARY mode data connection for f.zip (1234 bytes)", 1234},
        {"150 Opening data connection for f (12 34 BYTES)", 34},
        {"125 Transfer starting (99 Bytes)", 99},
        {"150 File 2024.txt 5120 bytes", 5120},
        {"150 About to open data connection.", 0},
        {"150 (bytes unknown)", 0},
        {"150 1234", 0},
        {"150 1234 bytes", 1234},
        {"150 f (1000) bytes and 2000 bytes", 1000},
        {"150 size 99999999999999999999999 bytes", 0},
    };
    for (const auto& [line, size] : cases) EXPECT_EQ(transferSize(line), size) << line;
}

TEST(ReplyTexts, FeaturesListUtf8) {
    FtpReply yes{211, {"211-Features:", " EPSV", " UTF8", "211 End"}};
    FtpReply spaced{211, {"211-Features:", "  utf8  ", "211 End"}};
    FtpReply no{211, {"211-Features:", " EPSV", " LANG EN*", "211 End UTF8"}};
    FtpReply single{211, {"211 no features"}};
    EXPECT_TRUE(featuresListUtf8(yes));
    EXPECT_TRUE(featuresListUtf8(spaced));
    EXPECT_FALSE(featuresListUtf8(no));
    EXPECT_FALSE(featuresListUtf8(single));
}

TEST(ReplyTexts, ReplyCodeAndPrintable) {
    EXPECT_EQ(replyCode("550 No"), 550);
    EXPECT_EQ(replyCode("550-No"), 550);
    EXPECT_EQ(replyCode("55 No"), 0);
    EXPECT_EQ(replyCode("055 No"), 0);
    EXPECT_EQ(printable(std::string("a\x01"
                                    "b\x7f"
                                    "c",
                                    5)),
              "a?b?c");
}

}  // namespace
}  // namespace sorxfer
