// The editor's settings file.
#include "editor/cwrenfold_config.h"

#include "platform/IniFile.h"

#include <algorithm>
#include <cctype>

namespace wrenfold {

namespace {
const std::string kDirectory = "Directory";
const std::string kAudio = "DandDAudio";
const std::string kTagLists = "TagLists";
const std::string kNetscape = "Netscape";
const std::string kCustom = "CustomButton";

int lowerByte(char c) { return std::tolower(static_cast<unsigned char>(c)); }
}  // namespace

EditorSettings readEditorSettings(const wf::IniFile& ini, const std::string& defaultDirectory) {
    EditorSettings s;
    s.directory = ini.readString(kDirectory, "DirectoryListBox", defaultDirectory);
    s.audioIndex = ini.readInteger(kAudio, "ItemIndex", 1);
    if (s.audioIndex < 0 || s.audioIndex > 3) s.audioIndex = 1;
    s.tagList1 = ini.readString(kTagLists, "TagList1");
    s.tagList2 = ini.readString(kTagLists, "TagList2");
    s.netscapeLocation = ini.readString(kNetscape, "Location");
    for (int n = 1; n <= kCustomButtonCount; ++n) {
        CustomButtonSetting& b = s.custom[static_cast<std::size_t>(n - 1)];
        const std::string number = std::to_string(n);
        b.caption = ini.readString(kCustom, "Caption" + number, number);
        b.open = ini.readString(kCustom, "C" + number + "Open");
        b.close = ini.readString(kCustom, "C" + number + "Close");
    }
    return s;
}

void writeEditorSettings(wf::IniFile& ini, const EditorSettings& s) {
    ini.writeString(kDirectory, "DirectoryListBox", s.directory);
    ini.writeInteger(kAudio, "ItemIndex", s.audioIndex);
    ini.writeString(kTagLists, "TagList1", s.tagList1);
    ini.writeString(kTagLists, "TagList2", s.tagList2);
    ini.writeString(kNetscape, "Location", s.netscapeLocation);
}

std::vector<std::string> sortedEntries(std::vector<std::string> entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return lowerByte(x) < lowerByte(y); });
    });
    return entries;
}

}  // namespace wrenfold
