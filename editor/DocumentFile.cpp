// Document files, byte for byte.
#include "editor/DocumentFile.h"

#include "platform/Error.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenfold {

namespace {

[[noreturn]] void fail(const char* what, const std::string& path, int error) {
    throw wf::Error(std::string(what) + " \"" + path + "\". " + wf::systemReason(error) + ".");
}

// Closes a descriptor on every way out.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting the error that a deferred write may only show here.
    int close() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

// read() until count bytes or the end; returns the number read, or -1 with errno set.
long readFully(int fd, char* into, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd, into + done, count - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long>(done);
}

bool writeFully(int fd, const char* data, std::size_t size) {
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

// The file a save replaces: the target of a symbolic link, else the path itself.
std::string resolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;  // a dangling link is replaced like a missing file
    std::string resolved(real);
    std::free(real);
    return resolved;
}

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

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

DocumentFileReader::DocumentFileReader(const std::string& path)
    : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) fail("Cannot open file", path_, errno);
    struct stat st {};
    const int error = ::fstat(fd_, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (error != 0) {
        ::close(fd_);
        fail("Cannot open file", path_, error);
    }
    if (S_ISREG(st.st_mode)) sizeHint_ = static_cast<std::size_t>(st.st_size);
}

DocumentFileReader::~DocumentFileReader() {
    ::close(fd_);
}

std::size_t DocumentFileReader::read(char* buffer, std::size_t capacity) {
    const long n = readFully(fd_, buffer, capacity);
    if (n < 0) fail("Cannot open file", path_, errno);
    return static_cast<std::size_t>(n);
}

std::string readDocumentFile(const std::string& path) {
    DocumentFileReader reader(path);
    // Read the size the file has now in one go, then whatever it may have grown by.
    std::string data(reader.sizeHint(), '\0');
    data.resize(reader.read(data.data(), data.size()));
    char more[65536];
    while (const std::size_t n = reader.read(more, sizeof more)) data.append(more, n);
    return data;
}

void writeDocumentFile(const std::string& path, const char* data, std::size_t size) {
    const std::string target = resolveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) fail("Cannot create file", path, EISDIR);

    std::string tempName = folderOf(target) + "/." + nameOf(target) + ".XXXXXX";
    Fd fd(::mkostemp(tempName.data(), O_CLOEXEC));
    if (fd.get() < 0) fail("Cannot create file", path, errno);

    auto abandon = [&](int error) {
        ::unlink(tempName.c_str());
        fail("Cannot create file", path, error);
    };
    if (!writeFully(fd.get(), data, size)) abandon(errno);
    if (::fsync(fd.get()) != 0) abandon(errno);
    if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        // Keeping the owner needs the right to give files away; without it the file
        // becomes the saver's. (Before the mode: a change of owner clears set-id bits.)
        [[maybe_unused]] const int ignored = ::fchown(fd.get(), old.st_uid, old.st_gid);
    }
    const mode_t mode = exists ? (old.st_mode & 07777) : newFileMode();
    if (::fchmod(fd.get(), mode) != 0) abandon(errno);
    if (fd.close() != 0) abandon(errno);
    if (::rename(tempName.c_str(), target.c_str()) != 0) abandon(errno);

    // Make the rename itself durable.
    Fd folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ::fsync(folder.get());
}

}  // namespace wrenfold
