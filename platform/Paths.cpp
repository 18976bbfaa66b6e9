// Path parts and the settings location rule.
#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace wf {

bool isPathSeparator(char c) { return c == '\\' || c == '/'; }

namespace {

bool isUncStart(std::string_view path) {
    return path.size() >= 2 && isPathSeparator(path[0]) && isPathSeparator(path[1]);
}

// Index one past the last separator or drive colon: where the file name begins.
std::size_t nameStart(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i)
        if (isPathSeparator(path[i - 1])) return i;
    if (path.size() >= 2 && path[1] == ':') return 2;
    return 0;
}

}  // namespace

std::string drivePart(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
    if (isUncStart(path)) {
        // \\server\share: stop at the second separator after the leading two.
        int seen = 0;
        for (std::size_t i = 2; i < path.size(); ++i) {
            if (isPathSeparator(path[i]) && ++seen == 2) return std::string(path.substr(0, i));
        }
        return std::string(path);
    }
    return {};
}

std::string fileNamePart(std::string_view path) {
    return std::string(path.substr(nameStart(path)));
}

std::string folderPart(std::string_view path) {
    return std::string(path.substr(0, nameStart(path)));
}

std::string extensionPart(std::string_view path) {
    const std::string_view name = path.substr(nameStart(path));
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string withTrailingSeparator(std::string_view folder) {
    std::string out(folder);
    if (out.empty() || !isPathSeparator(out.back())) out += kNativeSeparator;
    return out;
}

std::string joinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    return withTrailingSeparator(folder) + std::string(name);
}

std::string appDirOf(std::string_view programPath) {
    const std::string folder = folderPart(programPath);
    if (!folder.empty()) return withTrailingSeparator(folder);
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    return withTrailingSeparator(ec ? std::string(".") : current.string());
}

namespace {

std::string userConfigFolder() {
    // XDG says a relative value is invalid and must be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return withTrailingSeparator(xdg) + "wrenfold";
    std::string home;
    if (const char* h = std::getenv("HOME"); h && h[0] != '\0') {
        home = h;
    } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
        home = pw->pw_dir;
    }
    return withTrailingSeparator(home) + ".config/wrenfold";
}

bool writable(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }
bool exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

}  // namespace

std::string settingsPath(const std::string& appDir, const std::string& fileName) {
    const std::string inAppDir = joinPath(appDir, fileName);
    if (exists(inAppDir) ? writable(inAppDir) : writable(appDir.empty() ? "." : appDir))
        return inAppDir;
    const std::string folder = userConfigFolder();
    std::error_code ec;
    // When the folder cannot be made, the first write reports it with the file's path.
    std::filesystem::create_directories(folder, ec);
    return joinPath(folder, fileName);
}

}  // namespace wf
