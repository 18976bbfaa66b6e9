// The window-free rules of the FTP panes.
#include "ftp/PaneRules.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "ftp/ConnectStore.h"
#include "platform/Error.h"

namespace sorxfer {

namespace fs = std::filesystem;

RemoteEntries splitListing(const DirectoryList& list) {
    RemoteEntries out;
    out.folders << QStringLiteral("..");
    const qsizetype n = std::min(list.attributes.size(), list.names.size());
    for (qsizetype i = 0; i < n; ++i) {
        // Only a lower-case "d" marks a folder; links and anything else are offered as files.
        if (list.attributes[i].startsWith(QLatin1Char('d')))
            out.folders << list.names[i];
        else
            out.files << list.names[i];
    }
    // The same order as the connect dialog's profile list: case first ignored, then exact.
    sortProfileNames(out.folders);
    sortProfileNames(out.files);
    return out;
}

QString progressLine(Direction direction, qint64 done, qint64 total) {
    const char* tail = direction == Direction::Upload ? " bytes sent" : " bytes received";
    return QString::number(done) + QStringLiteral(" of ") + QString::number(total) +
           QLatin1String(tail);
}

QString changeDirectoryLine(const QString& name) {
    return QStringLiteral("Changing Directory to \"") + name + QStringLiteral(" \"");
}

void makeLocalFolder(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::path(path);
    // create_directory reports an existing folder as "not created" without an error code.
    if (!p.filename().empty() && fs::create_directory(p, ec) && !ec) return;
    if (!ec) ec = std::make_error_code(std::errc::file_exists);
    throw wf::Error("Cannot create folder " + path + ": " + ec.message());
}

bool removeLocalFolder(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::path(path);
    if (!fs::is_directory(fs::symlink_status(p, ec))) return false;
    // fs::remove removes an empty folder only; a non-empty one fails with an error code.
    return fs::remove(p, ec) && !ec;
}

bool removeLocalFile(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::path(path);
    const fs::file_status st = fs::symlink_status(p, ec);
    if (!fs::exists(st)) return true;  // nothing there: nothing to delete
    if (fs::is_directory(st)) return false;
    return fs::remove(p, ec) && !ec;
}

bool renameLocal(const std::string& from, const std::string& to) {
    std::error_code ec;
    const fs::path src = fs::path(from);
    const fs::path dst = fs::path(to);
    if (!fs::exists(fs::symlink_status(src, ec))) return false;
    // The system's rename would replace a file (or an empty folder) of the new name.
    if (fs::exists(fs::symlink_status(dst, ec)) || dst.filename().empty()) return false;
    fs::rename(src, dst, ec);
    return !ec;
}

}  // namespace sorxfer
