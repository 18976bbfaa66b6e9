// String helpers that the markup builders share. Byte strings in and out; no state, no Qt.
#pragma once

#include <string>

namespace wrenfold {

// The text in front of the last ".." of t (pairs may overlap: in "x...y" it is "x.").
// Empty when t holds no "..".
std::string TextBeforeDots(const std::string& t);
// The text after the last ".." of t; empty when t holds no "..".
std::string TextAfterDots(const std::string& t);

// target written relative to the folder of base, with "/" as separators. base is a folder
// ending with a separator (or a file path, whose name part is ignored); target is a full
// path. "\" and "/" both separate; drives ("C:", "\\server\share") must match, compared
// without regard to case, or target comes back whole (with "/" separators).
std::string RelativeUrl(const std::string& base, const std::string& target);

// An HTML colour from a colour's text form: a name "clNavy" gives "navy"; "$00BBGGRR" gives
// "#RRGGBB".
std::string HtmlColor(const std::string& colourText);

// The characters in front of the first blank of t; empty when t holds no blank.
std::string TextBeforeBlank(const std::string& t);

}  // namespace wrenfold
