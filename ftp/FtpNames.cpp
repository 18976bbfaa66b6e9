// Name encoding per connection, and the checks on names.
#include "ftp/FtpNames.h"

namespace sorxfer {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence starting at s[i], or 0 when it is not one (overlong
// forms, surrogates and values past U+10FFFF are not valid).
int utf8SequenceLength(const QByteArray& s, qsizetype i) {
    const auto b = [&](qsizetype k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    int len = 0;
    char32_t min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
        min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    char32_t v = c & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        const unsigned char cc = b(i + k);
        if ((cc & 0xC0) != 0x80) return 0;
        v = (v << 6) | (cc & 0x3F);
    }
    if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
    return len;
}

bool isEscape(char16_t c) {
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF;
}

}  // namespace

QString NameCodec::decode(const QByteArray& bytes) const {
    if (!utf8_) return QString::fromLatin1(bytes);
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int len = utf8SequenceLength(bytes, i);
        if (len == 0) {
            out += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            out += QString::fromUtf8(bytes.constData() + i, len);
            i += len;
        }
    }
    return out;
}

QByteArray NameCodec::encode(const QString& text) const {
    // Latin-1 when every character fits; otherwise UTF-8, the best guess for text typed in
    // characters a Latin-1 server cannot have sent.
    bool latin1 = !utf8_;
    if (latin1)
        for (QChar c : text)
            if (c.unicode() > 0xFF && !isEscape(c.unicode())) latin1 = false;
    QByteArray out;
    out.reserve(text.size());
    qsizetype runStart = 0;
    auto flush = [&](qsizetype end) {
        if (end <= runStart) return;
        const QStringView run = QStringView(text).mid(runStart, end - runStart);
        out += latin1 ? run.toLatin1() : run.toUtf8();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // A lone escape stands for its raw byte; a real surrogate pair never holds one alone.
        const bool paired = i > 0 && QChar::isHighSurrogate(text[i - 1].unicode());
        if (isEscape(c) && !paired) {
            flush(i);
            out += static_cast<char>(c - kEscapeBase);
            runStart = i + 1;
        }
    }
    flush(text.size());
    return out;
}

bool isSafeLocalName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0) return false;
    return true;
}

bool isSafeArgument(const QByteArray& bytes) {
    for (char c : bytes)
        if (c == '\r' || c == '\n' || c == '\0') return false;
    return true;
}

}  // namespace sorxfer
