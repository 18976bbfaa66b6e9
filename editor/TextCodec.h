// Bytes of a document or a settings file shown as Qt text: UTF-8 when the bytes are valid
// UTF-8, otherwise Windows-1252, one byte a character.
#pragma once

#include <QString>
#include <string>

namespace wrenfold {

// Windows-1252 bytes as text; every byte has a character, so nothing is lost.
QString cp1252ToText(const std::string& bytes);
// UTF-8 when valid, else Windows-1252.
QString textFromBytes(const std::string& bytes);

}  // namespace wrenfold
