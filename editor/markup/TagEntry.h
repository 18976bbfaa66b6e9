// Inserting one entry of the user's tag, attribute and special-character lists into a
// document: the rules that the list window and the Tag List sheet share.
#pragma once

#include <string>

namespace wrenfold {

class EditorOps;

// An entry holding ".." is a pair split at its last "..": the selection is wrapped in the two
// halves. Any other entry goes in front of the selection. An empty entry inserts nothing.
void insertTagEntry(EditorOps& ops, const std::string& entry);

// An attribute lands after a tag name or a previous attribute: one blank, then the entry.
void insertAttributeEntry(EditorOps& ops, const std::string& entry);

// Only the text in front of the first blank is inserted; the rest describes the character.
// An entry without a blank inserts nothing.
void insertSpecialCharEntry(EditorOps& ops, const std::string& entry);

}  // namespace wrenfold
