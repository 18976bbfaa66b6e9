// Bytes to Qt text by the document encodings.
#include "editor/TextCodec.h"

#include "editor/Encoding.h"

namespace wrenfold {

QString cp1252ToText(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) text.append(QChar(cp1252ToUnicode(static_cast<unsigned char>(c))));
    return text;
}

QString textFromBytes(const std::string& bytes) {
    if (isValidUtf8(bytes.data(), bytes.size())) return QString::fromStdString(bytes);
    return cp1252ToText(bytes);
}

}  // namespace wrenfold
