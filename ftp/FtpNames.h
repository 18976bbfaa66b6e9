// How names travel between the server's bytes and the program's text, and which names are
// safe to use.
#pragma once

#include <QByteArray>
#include <QString>

namespace sorxfer {

// Decodes the bytes of names and replies for one connection and encodes names back. With
// utf8 on (the server listed UTF8 in FEAT) valid UTF-8 is decoded as such; every byte that is
// not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte, which encode() turns back
// into that byte. Without utf8 the bytes are Latin-1. Either way a name taken from a listing
// goes back to the server byte for byte.
class NameCodec {
  public:
    explicit NameCodec(bool utf8 = false) : utf8_(utf8) {}
    bool utf8() const { return utf8_; }

    QString decode(const QByteArray& bytes) const;
    QByteArray encode(const QString& text) const;

  private:
    bool utf8_;
};

// A remote name that may be written into a local folder under its own name: not empty, not
// "." or "..", and holding no "/" or "\" (nor a NUL).
bool isSafeLocalName(const QString& name);

// Whether text may stand as the argument of a command: a CR, LF or NUL in it would end the
// command early and let the rest pass as another command.
bool isSafeArgument(const QByteArray& bytes);

}  // namespace sorxfer
