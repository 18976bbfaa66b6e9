// ReverseText.
#include "ftp/ReverseText.h"

namespace sorxfer {

QString ReverseText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = text.size(); i > 0;) {
        --i;
        if (i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate()) {
            out += text[i - 1];
            out += text[i];
            --i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace sorxfer
