// TDlgConnect: the connect dialog. It edits, stores and hands back the values of one
// connection; it connects to nothing.
#pragma once

#include <QDialog>
#include <memory>

#include "ftp/ConnectStore.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace sorxfer {

class FolderEdit;

// Created for one Connect command and destroyed when it closes: the destructor (FormDestroy)
// writes the values that stand in the fields to "sorxfer.ini", after OK and Cancel alike.
class TDlgConnect : public QDialog {
    Q_OBJECT
  public:
    // appDir: the program's folder, where "ftpcon.ini" and "sorxfer.ini" live.
    explicit TDlgConnect(const QString& appDir, QWidget* parent = nullptr);
    ~TDlgConnect() override;

    // What the main window reads after OK.
    QString hostName() const;
    QString userID() const;
    QString password() const;
    QString directory() const;
    bool passive() const;
    ConnectValues values() const;

    // Handlers, public so that the window's tests can reach them too.
    void FormCreate();
    void CBProfileClick();
    void btnSaveClick();
    void btnDeleteClick();
    void btnNewClick();
    void DirectoryEdit1Change();
    void FormDestroy();

    QComboBox* CBProfile;
    QLineEdit* EditHostName;
    QLineEdit* EditUserID;
    QLineEdit* EditPassword;
    FolderEdit* DirectoryEdit1;
    QCheckBox* cbPassive;
    QPushButton* btnSave;
    QPushButton* btnDelete;
    QPushButton* btnNew;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

  private:
    void buildControls();
    void showValues(const ConnectValues& v, bool withProfile);
    void fillProfileList();

    ConnectStore store_;
    QGroupBox* group_ = nullptr;
};

}  // namespace sorxfer
