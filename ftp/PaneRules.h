// Rules of the FTP window's two panes that need no widget: how a remote listing splits into
// sub-directories and files, the progress lines of a transfer, and local file operations.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "ftp/FtpClient.h"

namespace sorxfer {

// What the remote pane shows for one listing, each list in the order the pane shows it.
struct RemoteEntries {
    QStringList folders;  // ".." and every entry whose attribute begins with a lower-case "d"
    QStringList files;    // every other entry: files, links, devices ...
};

// Splits a parsed listing. ".." is always offered (the way up), so a listing that lists ".."
// itself shows it twice. Both lists are sorted without regard to case.
RemoteEntries splitListing(const DirectoryList& list);

enum class Direction { Upload, Download };
// "sent of total bytes sent" / "received of total bytes received", plain decimal numbers.
QString progressLine(Direction direction, qint64 done, qint64 total);

// The "Changing Directory to" line of the status log (its blank before the closing quote kept).
QString changeDirectoryLine(const QString& name);

// --- local file operations (paths are UTF-8) ---
// Creates one folder. Throws wf::Error("Cannot create folder " + path + ": " + reason) when it
// exists, its name is empty or invalid, or the system refuses.
void makeLocalFolder(const std::string& path);
// Removes an empty folder; false when it is not empty or cannot be removed.
bool removeLocalFolder(const std::string& path);
// Deletes a file if it is there; false when it could not be deleted.
bool removeLocalFile(const std::string& path);
// Renames a file or folder; never replaces an existing entry of the new name. False when the
// rename did not happen.
bool renameLocal(const std::string& from, const std::string& to);

}  // namespace sorxfer
