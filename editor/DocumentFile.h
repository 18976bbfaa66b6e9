// Reading and writing a document file as bytes, with the user's error messages.
// Plain C++ over POSIX calls; paths are in the file system's encoding.
#pragma once

#include <cstddef>
#include <string>

namespace wrenfold {

// The whole file. Throws wf::Error ("Cannot open file "P". reason") when it cannot be read,
// a folder included.
std::string readDocumentFile(const std::string& path);

// Replaces (or creates) the file with the bytes: they go to a temporary file in the same
// folder, which is flushed to disk and then renamed over the old file, so that a failed
// save never leaves a half-written document. An existing file keeps its permissions (and,
// where allowed, its owner); a symbolic link keeps pointing at the file it names, which is
// the one replaced. Throws wf::Error ("Cannot create file "P". reason"); on failure the
// old file is untouched.
void writeDocumentFile(const std::string& path, const char* data, std::size_t size);

}  // namespace wrenfold
