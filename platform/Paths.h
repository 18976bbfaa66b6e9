// Parts of a path. They accept both "\" and "/" as separators and know the drive forms
// "C:" and "\\server\share", so Windows-style and POSIX paths both work.
#pragma once

#include <string>
#include <string_view>

namespace wf {

bool isPathSeparator(char c);  // '\\' or '/'
// "C:" when the second character is a colon; "\\server\share" for a UNC path; else empty.
std::string drivePart(std::string_view path);
// Text after the last separator or colon.
std::string fileNamePart(std::string_view path);
// Text up to and including the last separator or colon (empty if none); drive kept.
std::string folderPart(std::string_view path);
// From the last full stop on, when it comes after the last separator or colon ("" if none).
std::string extensionPart(std::string_view path);
// folder + native separator unless it already ends with a separator.
std::string withTrailingSeparator(std::string_view folder);
// The folder of a program file, with a trailing separator (AppDir).
std::string appDirOf(std::string_view programPath);

// Where a settings file lives: in appDir when the file there is writable, or when it does
// not exist and appDir is writable; otherwise in $XDG_CONFIG_HOME/wrenfold/ (or
// ~/.config/wrenfold/), created when needed.
std::string settingsPath(const std::string& appDir, const std::string& fileName);

}  // namespace wf
