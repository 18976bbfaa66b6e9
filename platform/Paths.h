// Parts of a path. They accept both "\" and "/" as separators and know the drive forms
// "C:" and "\\server\share", so Windows-style and POSIX paths both work.
// A colon counts as a separator only as the drive colon (second character), since on POSIX a
// colon is an ordinary character of a file name.
#pragma once

#include <string>
#include <string_view>

namespace wf {

#ifdef _WIN32
constexpr char kNativeSeparator = '\\';
#else
constexpr char kNativeSeparator = '/';
#endif

bool isPathSeparator(char c);  // '\\' or '/'
// "C:" when the second character is a colon; "\\server\share" for a path that begins with two
// separators (the text up to, not including, the second separator after them); else empty.
std::string drivePart(std::string_view path);
// Text after the last separator or drive colon.
std::string fileNamePart(std::string_view path);
// Text up to and including the last separator or drive colon (empty if none); drive kept.
std::string folderPart(std::string_view path);
// From the last full stop on, when it comes after the last separator or drive colon ("" if none).
std::string extensionPart(std::string_view path);
// folder + native separator unless it already ends with a separator.
std::string withTrailingSeparator(std::string_view folder);
// folder + separator + name, with one separator between them however folder ends.
std::string joinPath(std::string_view folder, std::string_view name);
// The folder of a program file, with a trailing separator (AppDir). A bare name is taken to
// lie in the current folder.
std::string appDirOf(std::string_view programPath);

// Where a settings file lives: in appDir when the file there is writable, or when it does
// not exist and appDir is writable; otherwise in $XDG_CONFIG_HOME/wrenfold/ (or
// ~/.config/wrenfold/), created when needed. This is the one place that knows the rule.
std::string settingsPath(const std::string& appDir, const std::string& fileName);

}  // namespace wf
