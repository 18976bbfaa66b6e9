// FTP reply assembly and the reading of reply texts.
#include "ftp/FtpReply.h"

#include <algorithm>
#include <cctype>

namespace sorxfer {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Shown in an error message: enough of a hostile line to recognise it, no more.
std::string excerpt(std::string_view line) {
    constexpr std::size_t kMax = 80;
    std::string out = printable(line.substr(0, kMax));
    if (line.size() > kMax) out += "...";
    return out;
}

}  // namespace

ReplyAssembler::ReplyAssembler(std::size_t maxLine, std::size_t maxLines)
    : maxLine_(maxLine), maxLines_(maxLines) {}

void ReplyAssembler::reset() {
    partial_.clear();
    open_.reset();
    done_.clear();
    error_.clear();
}

void ReplyAssembler::fail(const std::string& why) {
    if (error_.empty()) error_ = why;
    partial_.clear();
    open_.reset();
}

bool ReplyAssembler::feed(std::string_view bytes) {
    while (!failed() && !bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, lf);
        if (partial_.size() + piece.size() > maxLine_ + 1) {  // +1: the CR of a CR LF
            fail("Reply line from the server is too long");
            break;
        }
        partial_.append(piece);
        if (lf == std::string_view::npos) break;
        bytes.remove_prefix(lf + 1);
        std::string line;
        line.swap(partial_);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > maxLine_) {
            fail("Reply line from the server is too long");
            break;
        }
        takeLine(std::move(line));
    }
    return !failed();
}

void ReplyAssembler::takeLine(std::string line) {
    if (!open_) {
        const int code = replyCode(line);
        if (code == 0) {
            fail("Garbled reply from the server: " + excerpt(line));
            return;
        }
        FtpReply reply;
        reply.code = code;
        const bool more = line.size() > 3 && line[3] == '-';
        reply.lines.push_back(std::move(line));
        if (more)
            open_ = std::move(reply);
        else
            done_.push_back(std::move(reply));
        return;
    }
    if (open_->lines.size() >= maxLines_) {
        fail("Reply from the server has too many lines");
        return;
    }
    // The last line repeats the code followed by a blank (or nothing).
    const bool last = replyCode(line) == open_->code && (line.size() == 3 || line[3] == ' ');
    open_->lines.push_back(std::move(line));
    if (last) {
        done_.push_back(std::move(*open_));
        open_.reset();
    }
}

std::optional<FtpReply> ReplyAssembler::next() {
    if (done_.empty()) return std::nullopt;
    FtpReply reply = std::move(done_.front());
    done_.pop_front();
    return reply;
}

int replyCode(std::string_view line) {
    if (line.size() < 3 || !isDigit(line[0]) || !isDigit(line[1]) || !isDigit(line[2])) return 0;
    if (line[0] < '1' || line[0] > '5') return 0;
    if (line.size() > 3 && line[3] != ' ' && line[3] != '-') return 0;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

std::string pwdDirectory(std::string_view line) {
    const std::size_t open = line.find('"');
    if (open == std::string_view::npos) return {};
    std::string out;
    for (std::size_t i = open + 1; i < line.size(); ++i) {
        if (line[i] != '"') {
            out += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            break;
        }
    }
    return out;
}

std::optional<PasvAddress> pasvAddress(std::string_view line) {
    // The numbers may stand in brackets or not; take the first run of six comma-separated ones.
    std::size_t i = 4 <= line.size() ? 4 : line.size();
    while (i < line.size()) {
        if (!isDigit(line[i])) {
            ++i;
            continue;
        }
        int values[6] = {};
        int count = 0;
        std::size_t j = i;
        while (count < 6) {
            std::size_t start = j;
            int v = 0;
            while (j < line.size() && isDigit(line[j]) && j - start < 4)
                v = v * 10 + (line[j++] - '0');
            if (j == start || v > 255) break;
            values[count++] = v;
            if (count < 6) {
                if (j >= line.size() || line[j] != ',') break;
                ++j;
            }
        }
        if (count == 6) {
            PasvAddress a;
            a.host = std::to_string(values[0]) + '.' + std::to_string(values[1]) + '.' +
                     std::to_string(values[2]) + '.' + std::to_string(values[3]);
            a.port = static_cast<std::uint16_t>(values[4] * 256 + values[5]);
            if (a.port == 0) return std::nullopt;
            return a;
        }
        i = j + 1;
    }
    return std::nullopt;
}

std::optional<std::uint16_t> epsvPort(std::string_view line) {
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos || open + 4 >= line.size()) return std::nullopt;
    const char d = line[open + 1];
    if (isDigit(d) || line[open + 2] != d || line[open + 3] != d) return std::nullopt;
    std::size_t j = open + 4;
    long v = 0;
    const std::size_t start = j;
    while (j < line.size() && isDigit(line[j]) && j - start < 6) v = v * 10 + (line[j++] - '0');
    if (j == start || j >= line.size() || line[j] != d || v < 1 || v > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(v);
}

std::int64_t transferSize(std::string_view line) {
    // The reply code is no size: "150 (bytes unknown)" states none.
    if (replyCode(line) != 0) line.remove_prefix(std::min<std::size_t>(4, line.size()));
    std::size_t at = std::string_view::npos;
    for (std::size_t i = 0; i + 4 <= line.size(); ++i) {
        if (lower(line[i]) == 'b' && lower(line[i + 1]) == 'y' && lower(line[i + 2]) == 't' &&
            lower(line[i + 3]) == 'e') {
            at = i;
            break;
        }
    }
    if (at == std::string_view::npos) return 0;
    std::size_t end = at;
    while (end > 0 && !isDigit(line[end - 1])) --end;
    std::size_t begin = end;
    while (begin > 0 && isDigit(line[begin - 1])) --begin;
    if (begin == end) return 0;
    std::int64_t v = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (v > (INT64_MAX - 9) / 10) return 0;  // absurd: no usable total
        v = v * 10 + (line[i] - '0');
    }
    return v;
}

bool featuresListUtf8(const FtpReply& reply) {
    // Feature lines are the ones between the first and the last, each starting with a blank.
    for (std::size_t i = 1; i + 1 < reply.lines.size(); ++i) {
        std::string_view l = reply.lines[i];
        while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
        while (!l.empty() && (l.back() == ' ' || l.back() == '\t')) l.remove_suffix(1);
        if (l.size() == 4 && lower(l[0]) == 'u' && lower(l[1]) == 't' && lower(l[2]) == 'f' &&
            l[3] == '8')
            return true;
    }
    return false;
}

std::string printable(std::string_view line) {
    std::string out(line);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) c = '?';
    }
    return out;
}

}  // namespace sorxfer
