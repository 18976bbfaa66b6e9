// A Prompter for tests: records every call in order and answers from queues that the test
// fills beforehand. Installed for its lifetime (RAII), the previous prompter comes back after.
#pragma once

#include "platform/ui/Prompter.h"

#include <deque>
#include <functional>
#include <vector>

namespace wf {

struct PromptEvent {
    enum class Type {
        Message, Beep, Input, OpenFile, SaveFile, Folder, Color, Dialog, ShellOpen, StartProgram,
        FileManager
    };
    Type type;
    MsgKind kind = MsgKind::Plain;   // for Message
    MsgButtons buttons = MsgButtons::Ok;
    QString caption;                 // message/input caption, dialog objectName, file dialog caption
    QString text;                    // message text, input prompt, path or program
    QString initial;                 // input initial text, file dialog folder
};

class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter();
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // --- the script, consumed in order per kind of call ---
    // Answer of the next message box. Unscripted: Ok for an OK box, Cancel for a question.
    void answer(Answer a) { answers_.push_back(a); }
    // Text of the next input box, or nullopt for Cancel. Unscripted: Cancel.
    void input(std::optional<QString> text) { inputs_.push_back(std::move(text)); }
    // Choice of the next open/save dialog (both share one queue). Unscripted: cancelled.
    void file(std::optional<FileChoice> choice) { files_.push_back(std::move(choice)); }
    void folder(std::optional<QString> path) { folders_.push_back(std::move(path)); }
    void color(std::optional<std::uint32_t> rgb) { colors_.push_back(rgb); }
    // The next modal dialog is handed to fill, which sets its fields (found by objectName)
    // and returns true for OK. Unscripted: the dialog is cancelled untouched.
    void dialog(std::function<bool(QDialog&)> fill) { dialogs_.push_back(std::move(fill)); }
    // Result of the next shell call (shellOpen, startProgram, openFileManager). Unscripted: true.
    void shellResult(bool ok) { shellResults_.push_back(ok); }

    // --- what was asked ---
    const std::vector<PromptEvent>& events() const { return events_; }
    // Texts of all message boxes, in order.
    QStringList messages() const;
    int beeps() const;
    // Events of one type, in order.
    std::vector<PromptEvent> eventsOf(PromptEvent::Type type) const;
    void clear() { events_.clear(); }
    // Whether every scripted answer was used.
    bool scriptUsedUp() const;

    Answer message(MsgKind kind, const QString& text, MsgButtons buttons,
                   const QString& caption) override;
    void beep() override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    std::optional<FileChoice> openFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(const QString& caption, const QString& start) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
    bool execDialog(QDialog& dialog) override;
    bool shellOpen(const QString& path, const QString& workingFolder) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool openFileManager(const QString& folder) override;

    // The last file dialog request, to check its folder, filters and preset name.
    const FileDialogRequest& lastFileRequest() const { return lastFileRequest_; }

private:
    bool nextShellResult();

    Prompter* previous_ = nullptr;
    std::vector<PromptEvent> events_;
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> inputs_;
    std::deque<std::optional<FileChoice>> files_;
    std::deque<std::optional<QString>> folders_;
    std::deque<std::optional<std::uint32_t>> colors_;
    std::deque<std::function<bool(QDialog&)>> dialogs_;
    std::deque<bool> shellResults_;
    FileDialogRequest lastFileRequest_;
};

}  // namespace wf
