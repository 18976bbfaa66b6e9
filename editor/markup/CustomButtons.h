// The ten user-defined tag buttons: what pressing one inserts, and how a setup stores a
// definition in the settings file and changes the button.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wf {
class IniFile;
}

namespace wrenfold {

class EditorOps;

constexpr const char* kCustomButtonSection = "CustomButton";

// Key names of button n (1 .. 10): Caption<n>, C<n>Open, C<n>Close.
std::string customCaptionKey(int n);
std::string customOpenKey(int n);
std::string customCloseKey(int n);

// A button as the window shows it: its caption, its two pieces of markup, enabled or not.
struct CustomButtonState {
    std::string caption;
    std::string open;
    std::string close;
    bool enabled = false;
};

// The button number typed or picked in the setup: exactly "1" .. "10", else nothing.
std::optional<int> customButtonNumber(std::string_view text);

// Stores what the setup dialog holds for button n and updates the button:
// writes Caption<n>, C<n>Open, C<n>Close in that order (each on disk at once), takes the
// caption and markup, enables the button when its opening markup is not empty, and gives a
// button left without a caption its number back, disabled (and stores that number as its
// caption). The enabled state of a button with a caption but no opening markup stays as it
// was. A refused write throws wf::Error("Unable to write to <path>"); what came before it has
// been done, nothing after it.
void applyCustomSetup(wf::IniFile& ini, int n, const std::string& caption,
                      const std::string& open, const std::string& close,
                      CustomButtonState& button);

// Pressing a button: wraps the selection when there is closing markup, else inserts the
// opening markup in front of it. The markup is used exactly as stored.
void pressCustomButton(EditorOps& ops, const std::string& open, const std::string& close);

}  // namespace wrenfold
