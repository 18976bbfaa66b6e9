// The rules of the nine document slots.
#include "editor/cwrenfold_slots.h"

#include "platform/Paths.h"

namespace wrenfold {

namespace {
const std::string kUntitled = "Untitled";
}

std::optional<int> firstFreeSlot(const Slots& infos) {
    const SlotInfo& first = infos[0];
    if ((first.path.empty() || first.path == kUntitled) && !first.modified) return 0;
    for (int n = 1; n < kSlotCount; ++n)
        if (infos[static_cast<std::size_t>(n)].path.empty()) return n;
    return std::nullopt;
}

std::optional<int> slotWithFileName(const Slots& infos, const std::string& path) {
    const std::string name = wf::fileNamePart(path);
    if (name.empty()) return std::nullopt;
    for (int n = 0; n < kSlotCount; ++n)
        if (wf::fileNamePart(infos[static_cast<std::size_t>(n)].path) == name) return n;
    return std::nullopt;
}

std::optional<int> tabAfterClose(const Slots& infos, int closed) {
    for (int n = closed + 1; n < kSlotCount; ++n)
        if (infos[static_cast<std::size_t>(n)].shown) return n;
    for (int n = kSlotCount - 1; n >= 0; --n)
        if (n != closed && infos[static_cast<std::size_t>(n)].shown) return n;
    return std::nullopt;
}

int shownTabCount(const Slots& infos) {
    int count = 0;
    for (const SlotInfo& s : infos)
        if (s.shown) ++count;
    return count;
}

bool needsNameOnSave(const std::string& path) {
    return path.empty() || wf::fileNamePart(path) == kUntitled;
}

std::string saveAsName(const std::string& chosen, int filterIndex) {
    static const std::array<const char*, 3> extensions = {".html", ".htm", ".txt"};
    if (!wf::extensionPart(chosen).empty()) return chosen;
    if (filterIndex < 0 || filterIndex >= static_cast<int>(extensions.size())) return chosen;
    return chosen + extensions[static_cast<std::size_t>(filterIndex)];
}

std::string displayName(const std::string& path) {
    const std::string name = wf::fileNamePart(path);
    return name.empty() ? kUntitled : name;
}

std::string noFreeSlotMessage() { return "Sorry, Only 9 files open at a time."; }

std::string alreadyOpenMessage(const std::string& fileName) {
    return "A file named \"" + fileName + "\" is already open.";
}

std::string saveQuestion(const std::string& name) { return name + " has been changed, Save?"; }

std::string overwriteQuestion(const std::string& fileName) {
    return fileName + " already exists, Overwrite?";
}

}  // namespace wrenfold
