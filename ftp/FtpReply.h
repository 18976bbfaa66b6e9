// FTP reply assembly and the reading of reply texts. Plain C++: the client feeds it the
// bytes of the control connection and takes complete replies out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorxfer {

// One complete server reply: its three-digit code and every line as received (without the
// line break). A single-line reply has one line; the last line always starts with the code.
struct FtpReply {
    int code = 0;
    std::vector<std::string> lines;

    const std::string& lastLine() const { return lines.back(); }
    int kind() const { return code / 100; }  // 1 preliminary, 2 done, 3 more needed, 4/5 refused
    bool preliminary() const { return kind() == 1; }
    bool positive() const { return kind() == 2; }
    bool intermediate() const { return kind() == 3; }
    bool refused() const { return kind() == 4 || kind() == 5; }
};

// Splits the control connection's byte stream into replies (RFC 959 section 4.2: a reply is one
// line "ddd text", or "ddd-text" followed by any lines up to one starting "ddd "). Lines end in
// LF or CR LF. A line longer than maxLine, a reply of more than maxLines lines or a first line
// that is not a reply puts the assembler in a failed state that it never leaves: the stream
// can no longer be trusted.
class ReplyAssembler {
  public:
    static constexpr std::size_t kDefaultMaxLine = 8192;
    static constexpr std::size_t kDefaultMaxLines = 2000;

    explicit ReplyAssembler(std::size_t maxLine = kDefaultMaxLine,
                            std::size_t maxLines = kDefaultMaxLines);

    // Takes received bytes. Returns false once the stream has failed.
    bool feed(std::string_view bytes);
    // The oldest complete reply not yet taken.
    std::optional<FtpReply> next();
    bool failed() const { return !error_.empty(); }
    // Why the stream failed, for the user ("Garbled reply from the server: ...").
    const std::string& error() const { return error_; }
    // Forgets everything (a new connection).
    void reset();

  private:
    void takeLine(std::string line);
    void fail(const std::string& why);

    std::size_t maxLine_;
    std::size_t maxLines_;
    std::string partial_;           // bytes of the line not yet ended
    std::optional<FtpReply> open_;  // multi-line reply waiting for its last line
    std::deque<FtpReply> done_;
    std::string error_;
};

// The reply code when line starts with three digits (first digit 1 to 5) followed by a blank,
// a hyphen or the end of the line; 0 otherwise.
int replyCode(std::string_view line);

// The directory of a 257 reply: the text between the first and the closing double quote, a
// doubled quote inside standing for one quote. Empty when the reply holds no quote.
std::string pwdDirectory(std::string_view line);

// Address and port of a 227 reply "(h1,h2,h3,h4,p1,p2)"; nullopt when garbled.
struct PasvAddress {
    std::string host;  // dotted IPv4 as the server gave it
    std::uint16_t port = 0;
};
std::optional<PasvAddress> pasvAddress(std::string_view line);
// Port of a 229 reply "(|||port|)" (any delimiter character); nullopt when garbled.
std::optional<std::uint16_t> epsvPort(std::string_view line);

// Size stated in a reply to RETR: the last run of digits in front of the first "BYTE" (any
// letter case), as in "150 Opening data connection for f (1234 bytes)"; 0 without one.
std::int64_t transferSize(std::string_view line);

// Whether the lines of a FEAT reply list the UTF8 feature.
bool featuresListUtf8(const FtpReply& reply);

// Text of a reply line fit to show: control characters become "?". The bytes stay as sent
// otherwise; decoding them is the caller's business.
std::string printable(std::string_view line);

}  // namespace sorxfer
