// Block-buffered reading of picture files, regular files only.
#include "editor/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace wrenfold {

int openRegularFile(const std::string& name) {
    if (name.empty()) return -1;
    // O_NONBLOCK so that opening a FIFO returns at once instead of waiting for a writer;
    // it changes nothing for the regular files we keep.
    int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

PictureFile::~PictureFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool PictureFile::open(const std::string& name) {
    if (fd_ >= 0) return false;
    fd_ = openRegularFile(name);
    if (fd_ < 0) return false;
    struct stat info {};
    if (::fstat(fd_, &info) == 0 && info.st_size > 0) size_ = static_cast<std::uint64_t>(info.st_size);
    buffer_.resize(kBlockSize);
    return true;
}

bool PictureFile::refill() {
    if (fd_ < 0) return false;
    ssize_t got;
    do {
        got = ::read(fd_, buffer_.data(), buffer_.size());
    } while (got < 0 && errno == EINTR);
    if (got <= 0) return false;  // the end, or a read error: both end the data
    bufferStart_ += filled_;
    filled_ = static_cast<std::size_t>(got);
    next_ = 0;
    return true;
}

std::size_t PictureFile::read(void* destination, std::size_t count) {
    auto* out = static_cast<std::uint8_t*>(destination);
    std::size_t done = 0;
    while (done < count) {
        if (next_ == filled_ && !refill()) break;
        std::size_t take = std::min(count - done, filled_ - next_);
        std::memcpy(out + done, buffer_.data() + next_, take);
        next_ += take;
        done += take;
    }
    if (done < count) hitEnd_ = true;
    return done;
}

bool PictureFile::seek(std::uint64_t offset) {
    if (fd_ < 0) return false;
    if (offset >= bufferStart_ && offset <= bufferStart_ + filled_) {
        next_ = static_cast<std::size_t>(offset - bufferStart_);
        return true;
    }
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) return false;
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) return false;
    bufferStart_ = offset;
    filled_ = 0;
    next_ = 0;
    return true;
}

bool PictureFile::skipPast(std::uint8_t value) {
    for (;;) {
        if (next_ < filled_) {
            const std::uint8_t* from = buffer_.data() + next_;
            const void* hit = std::memchr(from, value, filled_ - next_);
            if (hit) {
                next_ += static_cast<std::size_t>(static_cast<const std::uint8_t*>(hit) - from) + 1;
                return true;
            }
            next_ = filled_;
        }
        if (!refill()) return false;
    }
}

}  // namespace wrenfold
