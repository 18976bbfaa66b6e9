// A picture file opened for reading in blocks: the picture-size readers' only way to the disk.
// Plain C++ over POSIX file descriptors; no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace wrenfold {

// Opens name read-only and returns its descriptor, or -1. Only regular files (after links)
// open: a folder has nothing to read and a FIFO or device may never end, so neither is a
// picture. The caller closes the descriptor.
int openRegularFile(const std::string& name);

// A regular file read through a 64 KiB buffer, so that scanning a large file costs one
// system call per block rather than one per byte. Reads at or past the end give fewer bytes
// and set hitEnd(); they never fail otherwise.
class PictureFile {
public:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    PictureFile() = default;
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    // False when the file cannot be opened (see openRegularFile).
    bool open(const std::string& name);
    bool isOpen() const { return fd_ >= 0; }

    // Copies up to count bytes from the current position; returns how many came.
    std::size_t read(void* destination, std::size_t count);
    // Moves to an absolute offset (past the end is allowed: later reads give nothing).
    bool seek(std::uint64_t offset);
    // Moves just past the next byte equal to value; false (at the end) when there is none.
    bool skipPast(std::uint8_t value);

    std::uint64_t position() const { return bufferStart_ + next_; }
    std::uint64_t size() const { return size_; }
    // True once a read asked for more bytes than the file had left.
    bool hitEnd() const { return hitEnd_; }

private:
    bool refill();

    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t bufferStart_ = 0;  // file offset of buffer_[0]
    std::size_t next_ = 0;           // next unread byte in buffer_
    std::size_t filled_ = 0;         // bytes of buffer_ that hold file data
    bool hitEnd_ = false;
};

}  // namespace wrenfold
