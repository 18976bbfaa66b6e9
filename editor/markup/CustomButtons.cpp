// Custom button setup and insertion.
#include "editor/markup/CustomButtons.h"

#include "editor/Insertion.h"
#include "platform/IniFile.h"

namespace wrenfold {

std::string customCaptionKey(int n) { return "Caption" + std::to_string(n); }
std::string customOpenKey(int n) { return "C" + std::to_string(n) + "Open"; }
std::string customCloseKey(int n) { return "C" + std::to_string(n) + "Close"; }

std::optional<int> customButtonNumber(std::string_view text) {
    for (int n = 1; n <= 10; ++n)
        if (text == std::to_string(n)) return n;
    return std::nullopt;
}

void applyCustomSetup(wf::IniFile& ini, int n, const std::string& caption,
                      const std::string& open, const std::string& close,
                      CustomButtonState& button) {
    ini.writeString(kCustomButtonSection, customCaptionKey(n), caption);
    ini.writeString(kCustomButtonSection, customOpenKey(n), open);
    ini.writeString(kCustomButtonSection, customCloseKey(n), close);
    button.caption = caption;
    button.open = open;
    button.close = close;
    if (!button.open.empty()) button.enabled = true;
    if (button.caption.empty()) {
        button.caption = std::to_string(n);
        button.enabled = false;
        ini.writeString(kCustomButtonSection, customCaptionKey(n), button.caption);
    }
}

void pressCustomButton(EditorOps& ops, const std::string& open, const std::string& close) {
    if (!close.empty())
        html2(ops, open, close);
    else
        html1(ops, open);
}

}  // namespace wrenfold
