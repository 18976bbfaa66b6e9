// The modeless find and replace dialogs. They only gather the search text and options and
// announce the user's button presses; the searching is TextSearch's, the wiring the window's.
#pragma once

#include "editor/markup/TextSearch.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace wrenfold {

// One class for both dialogs: the find dialog has a direction choice, the replace dialog a
// replacement text and its two replace buttons. Closing only hides it; the texts and options
// stay for the next time and for Find Again.
class TFindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Find, Replace };

    // objectName FindDialog1 or ReplaceDialog1.
    explicit TFindReplaceDialog(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    QString findText() const;
    QString replaceText() const;  // empty for the find dialog
    bool wholeWord() const;
    bool matchCase() const;
    bool down() const;            // always true for the replace dialog
    // The options as TextSearch takes them (charset left at its default).
    SearchOptions options() const;

    // Shows the dialog (or brings it to the front) with the search text selected.
    void showDialog();

signals:
    void findNext();
    void replace();
    void replaceAll();

private:
    void updateButtons();

    Kind kind_;
    QLineEdit* edtFindWhat_ = nullptr;
    QLineEdit* edtReplaceWith_ = nullptr;
    QCheckBox* cbWholeWord_ = nullptr;
    QCheckBox* cbMatchCase_ = nullptr;
    QRadioButton* rbDown_ = nullptr;
    QPushButton* btnFindNext_ = nullptr;
    QPushButton* btnReplace_ = nullptr;
    QPushButton* btnReplaceAll_ = nullptr;
};

}  // namespace wrenfold
