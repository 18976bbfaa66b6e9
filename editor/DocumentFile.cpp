// Document files, byte for byte.
#include "editor/DocumentFile.h"

#include "platform/Error.h"
#include "platform/FileBytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenfold {

namespace {

[[noreturn]] void fail(const char* what, const std::string& path, int error) {
    throw wf::Error(std::string(what) + " \"" + path + "\". " + wf::systemReason(error) + ".");
}

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
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISDIR(old.st_mode))
        fail("Cannot create file", path, EISDIR);
    int error = 0;
    if (!wf::writeFileAtomically(path, data, size, &error)) fail("Cannot create file", path, error);
}

}  // namespace wrenfold
