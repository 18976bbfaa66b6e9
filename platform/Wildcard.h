// File-name masks as the file dialogs and file lists use them: "*" and "?" wildcards, several
// masks separated by ";", letters compared without regard to case.
#pragma once

#include <string_view>

namespace wf {

// Whether name matches one mask. "*" matches any run of characters, "?" one character, and a
// mask that ends in ".*" also matches names without an extension ("*.*" matches every name).
// A mask whose extension is three characters without a "*" also matches longer extensions
// that begin with them, as the short file names of the platform made it: "*.htm" matches
// "index.html".
bool matchesWildcard(std::string_view name, std::string_view mask);
// Whether name matches any of the masks separated by ";" (blanks around each mask are
// dropped, empty masks ignored). An empty mask list matches nothing.
bool matchesMask(std::string_view name, std::string_view masks);

}  // namespace wf
