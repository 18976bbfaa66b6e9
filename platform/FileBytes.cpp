// Whole-file reads and atomic writes over POSIX calls, so every failure has its errno.
#include "platform/FileBytes.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wf {

namespace {

void setError(int* errorNumber, int value) {
    if (errorNumber) *errorNumber = value;
}

// Closes a descriptor on every way out of a scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int close() {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

bool writeAll(int fd, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The folder and name of a POSIX path. Only "/" separates here: on this system a backslash
// or a colon is part of a file name.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write should replace: the target of a symbolic link, else the path itself.
std::string replacedPath(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved)) return resolved;
    }
    return path;
}

}  // namespace

std::optional<std::string> readFileBytes(const std::string& path, int* errorNumber) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        setError(errorNumber, errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        setError(errorNumber, errno);
        return std::nullopt;
    }
    if (S_ISDIR(st.st_mode)) {
        setError(errorNumber, EISDIR);
        return std::nullopt;
    }
    std::string bytes;
    if (st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            setError(errorNumber, errno);
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

bool writeFileAtomically(const std::string& path, const char* data, std::size_t size,
                         int* errorNumber) {
    const std::string target = replacedPath(path);
    std::string tempName = folderOf(target) + "/." + nameOf(target) + ".XXXXXX";

    Fd fd(::mkostemp(tempName.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        setError(errorNumber, errno);
        return false;
    }
    auto fail = [&](int error) {
        ::unlink(tempName.c_str());
        setError(errorNumber, error);
        return false;
    };

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        // Keep the old file's owner when we may (only root may give a file away), then its
        // permissions; chown first, since it can clear mode bits.
        if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
            // Not permitted for an ordinary user: the file becomes theirs, as any rewrite would.
        }
        if (::fchmod(fd.get(), old.st_mode & 07777) != 0) return fail(errno);
    } else {
        // A new file gets the usual mode for new files (mkstemp makes it private).
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.get(), 0666 & ~mask) != 0) return fail(errno);
    }
    if (!writeAll(fd.get(), data, size)) return fail(errno);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (fd.close() != 0) return fail(errno);
    if (::rename(tempName.c_str(), target.c_str()) != 0) return fail(errno);
    // Make the rename itself durable.
    Fd folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ::fsync(folder.get());
    return true;
}

bool writeFileAtomically(const std::string& path, const std::string& bytes, int* errorNumber) {
    return writeFileAtomically(path, bytes.data(), bytes.size(), errorNumber);
}

}  // namespace wf
