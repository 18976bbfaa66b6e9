// The scripted Prompter used by the tests.
#include "platform/ui/ScriptedPrompter.h"

#include <QDialog>

namespace wf {

namespace {
// Takes the next scripted value into out; false (out untouched) when the queue is empty.
template <typename T>
bool pop(std::deque<T>& queue, T& out) {
    if (queue.empty()) return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}

PromptEvent event(PromptEvent::Type type, QString caption = {}, QString text = {},
                  QString initial = {}) {
    PromptEvent e;
    e.type = type;
    e.caption = std::move(caption);
    e.text = std::move(text);
    e.initial = std::move(initial);
    return e;
}
}  // namespace

ScriptedPrompter::ScriptedPrompter() { previous_ = setPrompter(this); }

ScriptedPrompter::~ScriptedPrompter() { setPrompter(previous_); }

QStringList ScriptedPrompter::messages() const {
    QStringList out;
    for (const PromptEvent& e : events_)
        if (e.type == PromptEvent::Type::Message) out << e.text;
    return out;
}

int ScriptedPrompter::beeps() const {
    return static_cast<int>(eventsOf(PromptEvent::Type::Beep).size());
}

std::vector<PromptEvent> ScriptedPrompter::eventsOf(PromptEvent::Type type) const {
    std::vector<PromptEvent> out;
    for (const PromptEvent& e : events_)
        if (e.type == type) out.push_back(e);
    return out;
}

bool ScriptedPrompter::scriptUsedUp() const {
    return answers_.empty() && inputs_.empty() && files_.empty() && folders_.empty() &&
           colors_.empty() && dialogs_.empty() && shellResults_.empty();
}

Answer ScriptedPrompter::message(MsgKind kind, const QString& text, MsgButtons buttons,
                                 const QString& caption) {
    PromptEvent e = event(PromptEvent::Type::Message, caption, text);
    e.kind = kind;
    e.buttons = buttons;
    events_.push_back(e);
    Answer a = buttons == MsgButtons::Ok ? Answer::Ok : Answer::Cancel;
    pop(answers_, a);
    return a;
}

void ScriptedPrompter::beep() { events_.push_back(event(PromptEvent::Type::Beep)); }

std::optional<QString> ScriptedPrompter::inputBox(const QString& caption, const QString& prompt,
                                                  const QString& initial) {
    events_.push_back(event(PromptEvent::Type::Input, caption, prompt, initial));
    std::optional<QString> v;
    pop(inputs_, v);
    return v;
}

std::optional<FileChoice> ScriptedPrompter::openFile(const FileDialogRequest& request) {
    lastFileRequest_ = request;
    events_.push_back(
        event(PromptEvent::Type::OpenFile, request.caption, request.fileName, request.folder));
    std::optional<FileChoice> v;
    pop(files_, v);
    return v;
}

std::optional<FileChoice> ScriptedPrompter::saveFile(const FileDialogRequest& request) {
    lastFileRequest_ = request;
    events_.push_back(
        event(PromptEvent::Type::SaveFile, request.caption, request.fileName, request.folder));
    std::optional<FileChoice> v;
    pop(files_, v);
    return v;
}

std::optional<QString> ScriptedPrompter::chooseFolder(const QString& caption, const QString& start) {
    events_.push_back(event(PromptEvent::Type::Folder, caption, start));
    std::optional<QString> v;
    pop(folders_, v);
    return v;
}

std::optional<std::uint32_t> ScriptedPrompter::chooseColor(std::uint32_t initial) {
    events_.push_back(event(PromptEvent::Type::Color, {}, QString::number(initial, 16)));
    std::optional<std::uint32_t> v;
    pop(colors_, v);
    return v;
}

bool ScriptedPrompter::execDialog(QDialog& dialog) {
    events_.push_back(event(PromptEvent::Type::Dialog, dialog.objectName()));
    std::function<bool(QDialog&)> fill;
    if (!pop(dialogs_, fill)) return false;
    const bool ok = fill(dialog);
    dialog.done(ok ? QDialog::Accepted : QDialog::Rejected);
    return ok;
}

bool ScriptedPrompter::nextShellResult() {
    bool ok = true;
    pop(shellResults_, ok);
    return ok;
}

bool ScriptedPrompter::shellOpen(const QString& path, const QString& workingFolder) {
    events_.push_back(event(PromptEvent::Type::ShellOpen, {}, path, workingFolder));
    return nextShellResult();
}

bool ScriptedPrompter::startProgram(const QString& program, const QStringList& arguments) {
    events_.push_back(event(PromptEvent::Type::StartProgram, {}, program, arguments.join(' ')));
    return nextShellResult();
}

bool ScriptedPrompter::openFileManager(const QString& folder) {
    events_.push_back(event(PromptEvent::Type::FileManager, {}, folder));
    return nextShellResult();
}

}  // namespace wf
