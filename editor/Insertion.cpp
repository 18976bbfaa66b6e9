// html1 and html2 over the selection operations. The order of the calls is part of their
// behaviour: each replaceSelection is one edit and one change event.
#include "editor/Insertion.h"

namespace wrenfold {

namespace {
long lengthOf(const std::string& s) { return static_cast<long>(s.size()); }
}  // namespace

void html1(EditorOps& editor, const std::string& markup) {
    const long s = editor.selStart();
    const long l = editor.selLength();
    editor.setSelLength(0);
    if (l < 0) editor.setSelStart(s + l);  // insert at the lower end
    editor.replaceSelection(markup);
    // Reselect from S, moved by the markup, so a backward selection stays backward.
    editor.setSelStart(s + lengthOf(markup));
    editor.setSelLength(l);
    editor.focusEditor();
}

void html2(EditorOps& editor, const std::string& open, const std::string& close) {
    const long s = editor.selStart();
    const long l = editor.selLength();
    const long e = s + l;
    editor.setSelLength(0);
    if (l < 0) {
        editor.replaceSelection(close);  // at S, the upper end
        editor.setSelStart(e);
        editor.replaceSelection(open);   // at E, the lower end
    } else {
        editor.setSelStart(e);
        editor.replaceSelection(close);  // at E, the upper end
        editor.setSelStart(s);
        editor.replaceSelection(open);   // at S
    }
    editor.setSelStart(s + lengthOf(open));
    editor.setSelLength(l);
    editor.focusEditor();
}

}  // namespace wrenfold
