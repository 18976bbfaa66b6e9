// TForm1, the editor's main window: the button panel, the tag toolbar, the file panel's place,
// the nine document slots and the main menu. The window routes commands to the active
// document; the rules live in plain functions (cwrenfold_slots, cwrenfold_config).
#pragma once

#include "editor/DocumentEditor.h"
#include "editor/TextCodec.h"
#include "editor/cwrenfold_config.h"
#include "editor/cwrenfold_slots.h"
#include "editor/markup/FileDrop.h"
#include "platform/ui/Prompter.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QMenu;
class QRect;
class QTabWidget;
class QToolButton;

namespace wf {
class HelpWindow;
class DriveComboBox;
class DirectoryListBox;
class FilterComboBox;
class FileListBox;
}

namespace wrenfold {

class DocumentPrinter;
class TDlgTagandAttrib;
class TFindReplaceDialog;

// What a file dialog keeps from one use to the next.
struct FileDialogState {
    QString caption;
    QString folder;    // where it starts
    QString fileName;  // the name last chosen in it, without folder
    int filterIndex = 0;
    std::vector<wf::FileFilter> filters;

    wf::FileDialogRequest request() const;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // appDir is the program's folder with a trailing separator; args are the command-line
    // arguments after the program name. Builds the window and runs FormCreate.
    TForm1(QString appDir, QStringList args, QWidget* parent = nullptr);
    // Runs FormDestroy.
    ~TForm1() override;

    // ---- Fields the commands share ------------------------------------------------------
    const QString AppDir;
    const std::string LineBreak = "\r\n";
    std::string OpenTag;   // scratch strings of the markup builders
    std::string CloseTag;
    QString NetscapeLocation;  // read at start, written back unchanged at exit
    // Markup of the custom buttons; index 0 is button 1.
    std::array<QString, kCustomButtonCount> CustomOpen;
    std::array<QString, kCustomButtonCount> CustomClose;
    bool ContinueClosing = true;  // cleared when the user cancels a close question

    // The editor and hidden path box of the active tab (never null).
    DocumentEditor* ActiveMemo() const;
    QLineEdit* ActiveFileEdit() const;

    // Insertion at the selection of ActiveMemo, in the document's bytes: convert text from a
    // field first with ActiveMemo()->encode().
    void html1(const std::string& markup);
    void html2(const std::string& open, const std::string& close);

    // ---- Document slots (index 0 .. 8 is slot 1 .. 9) -------------------------------------
    DocumentEditor* Memo(int index) const;
    QLineEdit* Edit(int index) const;
    QWidget* DocumentTab(int index) const;
    int activeSlot() const;
    QTabWidget* pgcEdit() const { return pgcEdit_; }

    // True (after its message, with that tab made active) when a document of path's file
    // name is open.
    bool AlreadyOpen(const QString& path);
    // Loads path into the first free slot and makes it active. Throws wf::Error (naming the
    // file and the reason) when the file cannot be read; then no slot changes.
    void OpenNewFile(const QString& path);
    // The first free slot, or nullopt after the "only 9 files" message.
    std::optional<int> takeFreeSlot();
    int NumberTabsVisible() const;
    // Makes slot index the active tab and runs the tab change.
    void activateSlot(int index);
    // Closes the active document, asking first when it is modified. False when it stays
    // open (Cancel, or a save that did not happen); ContinueClosing is then false.
    bool CloseActiveFile();
    // Both return whether the document was written; they throw wf::Error when it cannot be.
    bool SaveActiveFile();
    bool SaveActiveFileAs();
    Slots slotInfos() const;

    const FileDialogState& openDialog() const { return OpenDialog1; }
    const FileDialogState& saveDialog() const { return SaveDialog1; }

    // ---- The file panel's folder ----------------------------------------------------------
    // The folder Launch Explorer opens, the settings keep, and new documents default to.
    QString panelFolder() const { return panelFolder_; }
    void setPanelFolder(const QString& folder);
    // Where the file panel goes (160 pixels wide, left of the documents).
    QWidget* pnlLeft() const { return pnlLeft_; }

    // ---- The file panel (cwrenfold_filepanel.cpp) -----------------------------------------
    wf::DriveComboBox* DriveComboBox1() const { return DriveComboBox1_; }
    wf::DirectoryListBox* DirectoryListBox1() const { return DirectoryListBox1_; }
    wf::FilterComboBox* FilterComboBox1() const { return FilterComboBox1_; }
    wf::FileListBox* FileListBox1() const { return FileListBox1_; }
    // Full path of the file list's selected item; empty when none is selected.
    QString selectedFile() const;
    void FileListBox1DblClick();
    // A character typed in the file list; true when it was the L key, which links the file.
    bool FileListBox1KeyPress(const QString& key);
    // Whether an editor takes a drag: one from the file list or from an editor.
    bool Memo1DragOver(QObject* source, const QMimeData* data) const;
    // A drop on an editor: a file from the file list goes in at the caret of ActiveMemo.
    void Memo1DragDrop(QObject* source, const QMimeData* data);
    void Open1Click();
    void Link1Click();
    void View1Click();
    void Refresh1Click();
    void Refresh2Click();

    // ---- The tag toolbar ----------------------------------------------------------------
    QTabWidget* pgcToolbar() const { return pgcToolbar_; }
    QWidget* tsStandard() const { return sheets_[0]; }
    QWidget* tsFonts() const { return sheets_[1]; }
    QWidget* tsLists() const { return sheets_[2]; }
    QWidget* tsTables() const { return sheets_[3]; }
    QWidget* tsFrames() const { return sheets_[4]; }
    QWidget* tsAdvanced() const { return sheets_[5]; }
    QWidget* tsTagList() const { return sheets_[6]; }
    QWidget* tsStyleSheets() const { return sheets_[7]; }
    QWidget* tsCustom() const { return sheets_[8]; }
    // A flat button that never takes the focus, placed at geometry (Left, Top, width,
    // height) on sheet, showing hint as its tooltip.
    QToolButton* addSpeedButton(QWidget* sheet, const QString& objectName, const QRect& geometry,
                                const QString& hint);

    QGroupBox* rgDandDAudio() const { return rgDandDAudio_; }
    int audioIndex() const;  // 0 "N", 1 "IE", 2 "C", 3 "L"
    void setAudioIndex(int index);
    QComboBox* cbTagList1() const { return cbTagList_[0]; }
    QComboBox* cbTagList2() const { return cbTagList_[1]; }
    QToolButton* sbC(int index) const { return sbC_[static_cast<std::size_t>(index)]; }
    QToolButton* sbSave() const { return sbSave_; }
    QLabel* Image1() const { return Image1_; }

    // cwrenfold_toolbar.cpp, cwrenfold_custom.cpp: the tag toolbar's commands, the tag and
    // attribute lists window (made once, after the window's creation), the custom buttons.
    TDlgTagandAttrib* DlgTagandAttrib() const { return DlgTagandAttrib_; }
    void sbListsClick();
    void sbTagList1Click();
    void sbTagList2Click();
    void sbSetupCustomClick();
    void sbCClick(int index);  // sbC1Click .. sbC10Click; index 0 is button 1
    // The settings file, where the custom button setup writes at once.
    std::string settingsFile() const;

    // ---- Window events ------------------------------------------------------------------
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormResize();
    bool FormCloseQuery();
    void FormDestroy();
    // The height the file list takes for the window's outer height.
    int fileListHeight() const;

    // ---- Commands -------------------------------------------------------------------------
    void mmiOpenClick();
    void mmiSaveClick();
    void mmiSaveAsClick();
    void mmiCloseClick();
    void Exit1Click();
    void pgcEditChange();
    void Memo1Change();
    void sbPrintClick();
    void mmiHighlightNoneClick();
    void mmiHighlighterHTMLClick();
    void mmiHIghlightOOPClick();
    void C1Click();
    void mmiHelp1Click();
    void mmiAboutClick();
    void mmiFTPClick();
    void mmiexploreClick();

    // cwrenfold_edit.cpp: the Edit menu, find and replace, all on ActiveMemo.
    void mmiEditClick();  // sets the Edit items as the menu opens
    void mmiUndoClick();
    void mmiRedoClick();
    void mmiCutClick();
    void mmiCopyClick();
    void mmiPasteClick();
    void mmiSelectAllClick();
    void sbFindClick();
    void sbReplaceClick();
    // Find Next of the find dialog, and Find Again (F3).
    void FindDialog1Find();
    void ReplaceDialog1Find();
    // Replace (replaceAll false) or Replace All of the replace dialog.
    void ReplaceDialog1Replace(bool replaceAll);
    void DoReplace(const QString& what, const QString& with);
    void DoReplaceAll(const QString& what, const QString& with);
    TFindReplaceDialog* FindDialog1() const { return FindDialog1_; }
    TFindReplaceDialog* ReplaceDialog1() const { return ReplaceDialog1_; }

    // Prints ActiveMemo on printer, with the path as header and the page number as footer.
    void printTo(DocumentPrinter& printer);
    wf::HelpWindow* helpWindow() const { return helpWindow_; }

signals:
    // The panel's folder moved (from the settings or setPanelFolder).
    void panelFolderChanged(const QString& folder);
    // A file was created in a folder: the file panel reads its folder again.
    void fileListRefreshRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // cwrenfold_layout.cpp
    void buildWindow();
    QWidget* buildTopPanel();
    void buildMainButtons(QWidget* pnlMain);
    void buildToolbarSheets();
    QWidget* buildDocumentTabs();
    void buildMenu();
    void setupTagToolbar();
    void insertTagListText(const QComboBox* box);

    // cwrenfold_edit.cpp
    void buildFindReplace();
    void searchOnce(const TFindReplaceDialog& dialog);

    // cwrenfold_files.cpp
    void closeSlot(int index);
    void setHighlighterOfActive(Highlighter h);

    // cwrenfold_settings.cpp
    void loadTagLists();
    void applySettings(const EditorSettings& settings);

    // cwrenfold_filepanel.cpp
    void buildFilePanel();
    void showPanelFolder(const QString& folder);
    FileDropRequest fileDropRequest(const QString& file) const;
    QString selectedFileOrNotice() const;
    void openFromPanel(const QString& file);
    wf::DriveComboBox* DriveComboBox1_ = nullptr;
    wf::DirectoryListBox* DirectoryListBox1_ = nullptr;
    wf::FilterComboBox* FilterComboBox1_ = nullptr;
    wf::FileListBox* FileListBox1_ = nullptr;

    QString appPath(const QString& fileName) const { return AppDir + fileName; }

    QStringList args_;
    bool shown_ = false;
    bool destroyed_ = false;
    QString panelFolder_;
    FileDialogState OpenDialog1;
    FileDialogState SaveDialog1;

    QWidget* pnlLeft_ = nullptr;
    QTabWidget* pgcToolbar_ = nullptr;
    QTabWidget* pgcEdit_ = nullptr;
    std::array<QWidget*, 9> sheets_{};
    std::array<QWidget*, kSlotCount> ts_{};
    std::array<DocumentEditor*, kSlotCount> memo_{};
    std::array<QLineEdit*, kSlotCount> edit_{};
    std::array<QComboBox*, 2> cbTagList_{};
    std::array<QToolButton*, kCustomButtonCount> sbC_{};
    QGroupBox* rgDandDAudio_ = nullptr;
    QButtonGroup* audioGroup_ = nullptr;
    QToolButton* sbSave_ = nullptr;
    QLabel* Image1_ = nullptr;
    TDlgTagandAttrib* DlgTagandAttrib_ = nullptr;
    wf::HelpWindow* helpWindow_ = nullptr;  // made on first use
    TFindReplaceDialog* FindDialog1_ = nullptr;     // modeless, kept for the whole run
    TFindReplaceDialog* ReplaceDialog1_ = nullptr;
};

// Settings and list file text back to bytes (always UTF-8); textFromBytes reads them.
std::string bytesFromText(const QString& text);
// Paths between Qt and the plain C++ helpers (UTF-8).
std::string stdPath(const QString& path);
QString qPath(const std::string& path);

}  // namespace wrenfold
