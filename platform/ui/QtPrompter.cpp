// The real Prompter over Qt's dialogs and the desktop services.
#include "platform/ui/QtPrompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

namespace wf {

namespace {

QWidget* parentWindow() { return QApplication::activeWindow(); }

QMessageBox::Icon iconFor(MsgKind kind) {
    switch (kind) {
        case MsgKind::Plain: return QMessageBox::NoIcon;
        case MsgKind::Information: return QMessageBox::Information;
        case MsgKind::Warning: return QMessageBox::Warning;
        case MsgKind::Error: return QMessageBox::Critical;
        case MsgKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Qt reads a filter's masks from its last parentheses, and our descriptions carry their own
// parentheses with commas; so the masks go in a final pair that the dialog hides.
QStringList qtFilters(const std::vector<FileFilter>& filters) {
    QStringList out;
    for (const FileFilter& f : filters) {
        QString masks = f.patterns;
        masks.replace(';', ' ');
        out << f.description + " (" + masks + ")";
    }
    return out;
}

std::optional<FileChoice> runFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parentWindow(), request.caption, request.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // The callers ask about existing files themselves.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex));
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    FileChoice choice;
    choice.path = dialog.selectedFiles().constFirst();
    choice.filterIndex = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    return choice;
}

}  // namespace

Answer QtPrompter::message(MsgKind kind, const QString& text, MsgButtons buttons,
                           const QString& caption) {
    QMessageBox box(iconFor(kind),
                    caption.isEmpty() ? QApplication::applicationDisplayName() : caption, text,
                    QMessageBox::NoButton, parentWindow());
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return buttons == MsgButtons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

void QtPrompter::beep() { QApplication::beep(); }

std::optional<QString> QtPrompter::inputBox(const QString& caption, const QString& prompt,
                                            const QString& initial) {
    QInputDialog dialog(parentWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Cancel");
    if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMaxLength(255);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

std::optional<FileChoice> QtPrompter::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

std::optional<FileChoice> QtPrompter::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

std::optional<QString> QtPrompter::chooseFolder(const QString& caption, const QString& start) {
    const QString folder = QFileDialog::getExistingDirectory(
        parentWindow(), caption, start, QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

std::optional<std::uint32_t> QtPrompter::chooseColor(std::uint32_t initial) {
    const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                       static_cast<int>((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, parentWindow());
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) |
           (static_cast<std::uint32_t>(chosen.green()) << 8) |
           (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

bool QtPrompter::execDialog(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

bool QtPrompter::shellOpen(const QString& path, const QString& /*workingFolder*/) {
    // A web address (an about box's link, a help page's) opens in the browser.
    const QUrl url(path, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (scheme == "http" || scheme == "https" || scheme == "mailto")
        return QDesktopServices::openUrl(url);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtPrompter::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool QtPrompter::openFileManager(const QString& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace wf
