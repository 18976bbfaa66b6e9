// UTF-8 validation and the Windows-1252 code page.
#include "editor/Encoding.h"

#include <cstdint>
#include <cstring>

namespace wrenfold {

namespace {

// 0x80-0x9F of Windows-1252; the rest of the page equals Latin-1.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

bool isValidUtf8(const char* data, std::size_t size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    const unsigned char* end = p + size;
    while (p < end) {
        // Most documents are mostly ASCII: check eight bytes at a time.
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        std::size_t need;
        unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            need = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            need = 2;
            if (c == 0xE0) lo = 0xA0;          // overlong
            if (c == 0xED) hi = 0x9F;          // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            need = 3;
            if (c == 0xF0) lo = 0x90;          // overlong
            if (c == 0xF4) hi = 0x8F;          // above U+10FFFF
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - p) <= need) return false;
        if (p[1] < lo || p[1] > hi) return false;
        for (std::size_t i = 2; i <= need; ++i)
            if (!isContinuation(p[i])) return false;
        p += need + 1;
    }
    return true;
}

char16_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
    return byte;
}

std::optional<unsigned char> unicodeToCp1252(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<unsigned char>(ch);
    for (unsigned i = 0; i < 32; ++i)
        if (kHigh[i] == ch) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

}  // namespace wrenfold
