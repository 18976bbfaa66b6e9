// TForm1: the ten custom buttons and their setup.
#include "editor/cwrenfold.h"

#include "editor/cdlgCustom.h"
#include "editor/markup/CustomButtons.h"
#include "platform/IniFile.h"

#include <QToolButton>

namespace wrenfold {

void TForm1::sbCClick(int index) {
    const auto i = static_cast<std::size_t>(index);
    DocumentEditor* memo = ActiveMemo();
    pressCustomButton(*memo, memo->encode(CustomOpen[i]), memo->encode(CustomClose[i]));
}

void TForm1::sbSetupCustomClick() {
    TdlgCustom dialog(
        [this](int n) {
            const auto i = static_cast<std::size_t>(n - 1);
            return CustomButtonTexts{sbC(n - 1)->text(), CustomOpen[i], CustomClose[i]};
        },
        this);
    if (!wf::prompter().execDialog(dialog)) return;
    const std::optional<int> n = dialog.buttonNumber();
    if (!n) return;

    const auto i = static_cast<std::size_t>(*n - 1);
    QToolButton* button = sbC(*n - 1);
    CustomButtonState state{bytesFromText(button->text()), bytesFromText(CustomOpen[i]),
                            bytesFromText(CustomClose[i]), button->isEnabled()};
    // Show whatever the setup got to, also when a write is refused half-way.
    const auto show = [&] {
        button->setText(textFromBytes(state.caption));
        CustomOpen[i] = textFromBytes(state.open);
        CustomClose[i] = textFromBytes(state.close);
        button->setEnabled(state.enabled);
    };
    const CustomButtonTexts typed = dialog.texts();
    wf::IniFile ini(settingsFile());
    try {
        applyCustomSetup(ini, *n, bytesFromText(typed.caption), bytesFromText(typed.open),
                         bytesFromText(typed.close), state);
    } catch (...) {
        show();
        throw;
    }
    show();
}

}  // namespace wrenfold
