// FolderEdit: a folder path box with a browse button that opens the folder dialog.
#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace sorxfer {

// The text is the folder path as typed or chosen. The browse button asks through
// wf::prompter().chooseFolder, starting at the folder in the box.
class FolderEdit : public QWidget {
    Q_OBJECT
  public:
    explicit FolderEdit(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    void clear() { setText(QString()); }
    QLineEdit* lineEdit() const { return edit_; }
    QToolButton* browseButton() const { return button_; }
    void setDialogCaption(const QString& caption) { caption_ = caption; }

    // Opens the folder dialog; a chosen folder replaces the text.
    void browse();

  signals:
    void textChanged(const QString& text);

  private:
    QLineEdit* edit_;
    QToolButton* button_;
    QString caption_;
};

}  // namespace sorxfer
