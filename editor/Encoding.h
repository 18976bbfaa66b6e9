// The two encodings a document can be shown in: UTF-8 when its bytes are valid UTF-8,
// otherwise Windows-1252, one byte a character. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <optional>

namespace wrenfold {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF). An empty range and NUL bytes are valid.
bool isValidUtf8(const char* data, std::size_t size);

// The Unicode character that a Windows-1252 byte stands for. The five bytes that the code
// page leaves undefined (81, 8D, 8F, 90, 9D) map to the control characters of the same
// value, so that every byte survives a round trip.
char16_t cp1252ToUnicode(unsigned char byte);
// The byte for a character, or nullopt when Windows-1252 has none.
std::optional<unsigned char> unicodeToCp1252(char32_t ch);

}  // namespace wrenfold
