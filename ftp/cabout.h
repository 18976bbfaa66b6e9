// TAboutBox: the about box of Sorrel's FTP, created hidden with the main window and shown
// modally from its About button.
#pragma once

#include <QDialog>

namespace sorxfer {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace sorxfer
