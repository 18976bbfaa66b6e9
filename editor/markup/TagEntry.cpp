// Inserting tag, attribute and special-character list entries.
#include "editor/markup/TagEntry.h"

#include "editor/Insertion.h"
#include "editor/myutils.h"

namespace wrenfold {

void insertTagEntry(EditorOps& ops, const std::string& entry) {
    if (entry.find("..") != std::string::npos)
        html2(ops, TextBeforeDots(entry), TextAfterDots(entry));
    else
        html1(ops, entry);
}

void insertAttributeEntry(EditorOps& ops, const std::string& entry) {
    html1(ops, " " + entry);
}

void insertSpecialCharEntry(EditorOps& ops, const std::string& entry) {
    html1(ops, TextBeforeBlank(entry));
}

}  // namespace wrenfold
