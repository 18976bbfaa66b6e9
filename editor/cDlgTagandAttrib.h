// TDlgTagandAttrib, the "Tags and Attributes" window: the user's tag, attribute and
// special-character lists, read once at start; a double-click inserts an entry into the
// active document while the window stays open.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;

namespace wrenfold {

class DocumentEditor;

class TDlgTagandAttrib : public QDialog {
    Q_OBJECT
public:
    // Loads tag.lst, attrib.lst and spc.lst from appDir (which ends with a separator).
    // activeEditor gives the document that double-clicks insert into (null: none).
    TDlgTagandAttrib(const QString& appDir, std::function<DocumentEditor*()> activeEditor,
                     QWidget* parent = nullptr);

    void ListBoxTagsDblClick(QListWidgetItem* item);
    void ListBoxAttribDblClick(QListWidgetItem* item);
    void ListBoxSCDblClick(QListWidgetItem* item);

    QTabWidget* PageControl1 = nullptr;
    QListWidget* ListBoxTags = nullptr;
    QListWidget* ListBoxAttrib = nullptr;
    QListWidget* ListBoxSC = nullptr;
    QPushButton* CancelBtn = nullptr;

private:
    // Fills the lists in the order tags, attributes, special characters; a file that cannot
    // be read is reported and leaves its list and the later ones empty.
    void FormCreate(const QString& appDir);
    // The entry's text in the active document's encoding, and that document.
    DocumentEditor* target(const QListWidgetItem* item, std::string& bytes) const;

    std::function<DocumentEditor*()> activeEditor_;
};

}  // namespace wrenfold
