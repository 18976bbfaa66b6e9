// The real Prompter: Qt message boxes, input box, common dialogs and the desktop's shell.
#pragma once

#include "platform/ui/Prompter.h"

namespace wf {

class QtPrompter : public Prompter {
public:
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
};

}  // namespace wf
