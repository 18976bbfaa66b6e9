// The rules of the nine document slots, free of widgets: which slot takes a new document,
// which open document has a file's name, which tab becomes active after a close, and how
// Save and Save As name the file. The main window only routes its commands through them.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace wrenfold {

constexpr int kSlotCount = 9;

// What the rules need to know of one slot (index 0 is slot 1).
struct SlotInfo {
    std::string path;       // the hidden path box; empty for no file name
    bool modified = false;  // the editor's modified flag
    bool shown = false;     // whether its tab is shown
};
using Slots = std::array<SlotInfo, kSlotCount>;

// Slot 1 when it holds an untitled, unmodified document; else the first of 2 .. 9 with an
// empty path. nullopt when all are taken.
std::optional<int> firstFreeSlot(const Slots& infos);

// The first slot whose path has the same file name as path (compared with regard to case).
// A path without a file name matches nothing, so unused slots never count.
std::optional<int> slotWithFileName(const Slots& infos, const std::string& path);

// The tab that stands at the closed tab's place once it is hidden: the next shown tab to
// its right, else the rightmost shown one; nullopt when no tab is shown any more.
std::optional<int> tabAfterClose(const Slots& infos, int closed);

int shownTabCount(const Slots& infos);

// Save asks for a name when the path is empty or its file name is exactly "Untitled".
bool needsNameOnSave(const std::string& path);

// The name Save As writes: chosen as it stands when it has an extension, else with the
// extension of the chosen filter (0 ".html", 1 ".htm", 2 ".txt") appended.
std::string saveAsName(const std::string& chosen, int filterIndex);

// The name a question shows for a document: its file name, or "Untitled".
std::string displayName(const std::string& path);

// The program's texts about slots and files.
std::string noFreeSlotMessage();
std::string alreadyOpenMessage(const std::string& fileName);
std::string saveQuestion(const std::string& name);
std::string overwriteQuestion(const std::string& fileName);

}  // namespace wrenfold
