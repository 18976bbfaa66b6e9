// The editor's settings file: what it keeps between runs, read with its defaults and written
// back at exit. Plain C++ over wf::IniFile, so the rules are tested without a window.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace wf {
class IniFile;
}

namespace wrenfold {

constexpr int kCustomButtonCount = 10;

struct CustomButtonSetting {
    std::string caption;  // default: the button's number
    std::string open;     // opening markup; a button with none stays disabled
    std::string close;
};

struct EditorSettings {
    std::string directory;  // the file panel's folder, and where both file dialogs start
    int audioIndex = 1;     // the drag-and-drop audio choice, 0 .. 3
    std::string tagList1;
    std::string tagList2;
    std::string netscapeLocation;  // kept unchanged from run to run
    std::array<CustomButtonSetting, kCustomButtonCount> custom;
};

// Reads every key in the file's order; a missing key gives its default (directory:
// defaultDirectory; an audio choice outside 0 .. 3 gives 1).
EditorSettings readEditorSettings(const wf::IniFile& ini, const std::string& defaultDirectory);

// Writes the five keys kept at exit; the custom buttons are written by their setup only.
// Throws wf::Error when the file cannot be written.
void writeEditorSettings(wf::IniFile& ini, const EditorSettings& settings);

// The order in which a sorted list box shows its entries: without regard to case, equal
// entries (duplicates included) kept in file order.
std::vector<std::string> sortedEntries(std::vector<std::string> entries);

}  // namespace wrenfold
