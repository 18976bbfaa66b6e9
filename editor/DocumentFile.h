// Reading and writing a document file as bytes, with the user's error messages.
// Plain C++ over POSIX calls; paths are in the file system's encoding.
#pragma once

#include <cstddef>
#include <string>

namespace wrenfold {

// Reads a file piece by piece, so that a large document need not be held twice.
// Every failure throws wf::Error ("Cannot open file "P". reason"), a folder included.
class DocumentFileReader {
public:
    explicit DocumentFileReader(const std::string& path);  // opens the file
    ~DocumentFileReader();
    DocumentFileReader(const DocumentFileReader&) = delete;
    DocumentFileReader& operator=(const DocumentFileReader&) = delete;

    // The size the file had when opened (0 for what is not a plain file).
    std::size_t sizeHint() const { return sizeHint_; }
    // Up to capacity further bytes into buffer; 0 at the end of the file.
    std::size_t read(char* buffer, std::size_t capacity);

private:
    std::string path_;
    int fd_ = -1;
    std::size_t sizeHint_ = 0;
};

// The whole file at once.
std::string readDocumentFile(const std::string& path);

// Replaces (or creates) the file with the bytes: they go to a temporary file in the same
// folder, which is flushed to disk and then renamed over the old file, so that a failed
// save never leaves a half-written document. An existing file keeps its permissions (and,
// where allowed, its owner); a symbolic link keeps pointing at the file it names, which is
// the one replaced. Throws wf::Error ("Cannot create file "P". reason"); on failure the
// old file is untouched.
void writeDocumentFile(const std::string& path, const char* data, std::size_t size);

}  // namespace wrenfold
