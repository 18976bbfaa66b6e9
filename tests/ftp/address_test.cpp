// Host names with ports, PORT and EPRT arguments, and the name codec.
#include <gtest/gtest.h>

#include "ftp/FtpAddress.h"
#include "ftp/FtpNames.h"

namespace sorxfer {
namespace {

TEST(HostPort, ParsesNamesAddressesAndPorts) {
    struct Case {
        const char* text;
        const char* host;
        int port;
    };
    const Case good[] = {
        {"ftp.example.org", "ftp.example.org", 21},
        {"ftp.example.org:2121", "ftp.example.org", 2121},
        {"127.0.0.1:65535", "127.0.0.1", 65535},
        {"localhost", "localhost", 21},
        {"[::1]:2121", "::1", 2121},
        {"[fe80::1%eth0]", "fe80::1%eth0", 21},
        {"::1", "::1", 21},
        {"2001:db8::7", "2001:db8::7", 21},
        {"my_host-1", "my_host-1", 21},
    };
    for (const Case& c : good) {
        const auto hp = parseHostPort(c.text);
        ASSERT_TRUE(hp.has_value()) << c.text;
        EXPECT_EQ(hp->host, c.host) << c.text;
        EXPECT_EQ(hp->port, c.port) << c.text;
    }
    for (const char* bad :
         {"", ":21", "host:", "host:0", "host:65536", "host:21x", "bad host", "[::1", "[::1]x",
          "[::1]:", "[nothex]:21", "host\r\nUSER x", "h\xc3\xa9st"})
        EXPECT_FALSE(parseHostPort(bad).has_value()) << bad;
}

TEST(DataAddress, PortAndEprtCommands) {
    EXPECT_EQ(portCommand("127.0.0.1", 50000), "PORT 127,0,0,1,195,80");
    EXPECT_EQ(portCommand("10.20.30.40", 21), "PORT 10,20,30,40,0,21");
    EXPECT_EQ(portCommand("::1", 21), "");
    EXPECT_EQ(portCommand("1.2.3", 21), "");
    EXPECT_EQ(portCommand("1.2.3.256", 21), "");
    EXPECT_EQ(eprtCommand("::1", 2121), "EPRT |2|::1|2121|");
}

TEST(NameCodec, Utf8RoundTripsEveryByteString) {
    const NameCodec utf8(true);
    EXPECT_EQ(utf8.decode("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
    const QByteArray samples[] = {
        "plain",
        "caf\xc3\xa9",
        "\xe9t\xe9",  // Latin-1 bytes on a UTF-8 server
        "\xc3",
        "\xed\xa0\x80",
        "\xc0\xaf",  // cut sequence, surrogate, overlong
        "\xf0\x9f\x98\x80 smile",
        "a\xffz",
        "mixed \xc3\xa9 \xe9",
    };
    for (const QByteArray& raw : samples)
        EXPECT_EQ(utf8.encode(utf8.decode(raw)), raw) << raw.toStdString();
    // Invalid bytes are shown as escapes, valid characters stay readable.
    EXPECT_EQ(utf8.decode("a\xe9").size(), 2);
    EXPECT_TRUE(utf8.decode("a\xe9").at(0) == QLatin1Char('a'));
}

TEST(NameCodec, Latin1RoundTripsAndSendsOtherTextAsUtf8) {
    const NameCodec latin1(false);
    QByteArray all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(latin1.encode(latin1.decode(all)), all);
    EXPECT_EQ(latin1.decode("caf\xe9"), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(latin1.encode(QString::fromUtf8("caf\xc3\xa9")), QByteArray("caf\xe9"));
    // A character Latin-1 cannot hold: the whole name goes as UTF-8 rather than as "?".
    EXPECT_EQ(latin1.encode(QString::fromUtf8("\xc3\xa9\xe2\x82\xac")),
              QByteArray("\xc3\xa9\xe2\x82\xac"));
}

TEST(Names, SafeLocalNamesAndArguments) {
    for (const char* ok : {"a.txt", "..a", "a..", "...", "name with blanks", "caf\xc3\xa9"})
        EXPECT_TRUE(isSafeLocalName(QString::fromUtf8(ok))) << ok;
    for (const char* bad : {"", ".", "..", "a/b", "../up", "a\\b", "\\", "/abs"})
        EXPECT_FALSE(isSafeLocalName(QString::fromUtf8(bad))) << bad;
    EXPECT_FALSE(isSafeLocalName(QString(QChar(0))));
    EXPECT_TRUE(isSafeArgument("a b"));
    EXPECT_FALSE(isSafeArgument("a\r\nDELE b"));
    EXPECT_FALSE(isSafeArgument("a\nb"));
    EXPECT_FALSE(isSafeArgument(QByteArray("a\0b", 3)));
}

}  // namespace
}  // namespace sorxfer
