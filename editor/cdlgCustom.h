// TdlgCustom, the setup of one custom tag button: its number, caption and two tags.
// Choosing a number loads that button's current definition into the fields.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace wrenfold {

struct CustomButtonTexts {
    QString caption;
    QString open;
    QString close;
};

class TdlgCustom : public QDialog {
    Q_OBJECT
public:
    // current(n) gives button n's definition as it stands (n is 1 .. 10).
    explicit TdlgCustom(std::function<CustomButtonTexts(int)> current, QWidget* parent = nullptr);

    // Loads the definition of the button whose number the box holds; any text other than
    // "1" .. "10" leaves the fields as they are.
    void cbButtonNumberChange();

    // The number in the box when it is exactly "1" .. "10".
    std::optional<int> buttonNumber() const;
    CustomButtonTexts texts() const;

    QComboBox* cbButtonNumber = nullptr;
    QLineEdit* edtCaption = nullptr;
    QLineEdit* edtOpeningTag = nullptr;
    QLineEdit* edtClosingTag = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

private:
    std::function<CustomButtonTexts(int)> current_;
};

}  // namespace wrenfold
