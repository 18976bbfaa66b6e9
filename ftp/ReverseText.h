// ReverseText: the only transform applied to stored connection values (passwords).
#pragma once

#include <QString>

namespace sorxfer {

// text with its characters in reverse order; a character outside the BMP (a surrogate pair)
// stays whole. Its own inverse.
QString ReverseText(const QString& text);

}  // namespace sorxfer
