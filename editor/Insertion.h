// The two insertion primitives that every markup command goes through.
#pragma once

#include "editor/EditorOps.h"

#include <string>

namespace wrenfold {

// Inserts markup in front of the selection; the selection stays selected (moved behind the
// markup, same direction); with no selection the caret ends behind the markup. Focuses.
void html1(EditorOps& editor, const std::string& markup);

// Wraps the selection: open in front of it, close behind it, as two edits (close first).
// The text between stays selected in its former direction; with no selection the caret ends
// between the two. Focuses.
void html2(EditorOps& editor, const std::string& open, const std::string& close);

}  // namespace wrenfold
