// TAboutBox: the editor's about box, shown modally from the Help menu.
#pragma once

#include <QDialog>

namespace wrenfold {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // The web page the link opens.
    static QString homePage();
};

}  // namespace wrenfold
