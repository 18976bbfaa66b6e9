// Every question, notice, beep, common dialog, modal dialog and shell call of the programs
// goes through one Prompter, so that tests can answer them from a script.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class QDialog;
class QWidget;

namespace wf {

// The look of a message box: Plain has no icon; the others have the system's icon for it.
enum class MsgKind { Plain, Information, Warning, Error, Confirmation };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// One file-type filter of an open or save dialog: "HTML Files (*.html,*.htm)" / "*.html;*.htm".
struct FileFilter {
    QString description;
    QString patterns;  // masks separated by ";"
};

struct FileDialogRequest {
    QString caption;
    QString folder;                 // where the dialog starts
    QString fileName;               // preset name (kept from the last use by the caller)
    std::vector<FileFilter> filters;
    int filterIndex = 0;            // 0-based filter chosen when the dialog opens
};

struct FileChoice {
    QString path;                   // full path as chosen
    int filterIndex = 0;            // 0-based filter chosen when the dialog closed
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual Answer message(MsgKind kind, const QString& text, MsgButtons buttons = MsgButtons::Ok,
                           const QString& caption = QString()) = 0;
    virtual void beep() = 0;
    // The one-line input box; nullopt when cancelled.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& initial) = 0;
    virtual std::optional<FileChoice> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<FileChoice> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseFolder(const QString& caption, const QString& start) = 0;
    // A colour as an RGB value 00BBGGRR (red in the low byte); nullopt when cancelled.
    virtual std::optional<std::uint32_t> chooseColor(std::uint32_t initial) = 0;
    // Runs one of our own dialogs modally; true when it closed with OK (Accepted).
    virtual bool execDialog(QDialog& dialog) = 0;

    // Shell: open a file with the desktop's program for it; start a program detached;
    // open the desktop's file manager on a folder. Each returns whether the start worked.
    virtual bool shellOpen(const QString& path, const QString& workingFolder = QString()) = 0;
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    virtual bool openFileManager(const QString& folder) = 0;

    // Shorthands for the common boxes.
    void notice(const QString& text) { message(MsgKind::Plain, text); }
    void error(const QString& text) { message(MsgKind::Error, text); }
};

// The program's prompter. The real one is installed by default; tests install a scripted one.
Prompter& prompter();
// Installs p (not owned) and returns the previous one; nullptr restores the real prompter.
Prompter* setPrompter(Prompter* p);

}  // namespace wf
