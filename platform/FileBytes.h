// Whole-file reads and safe whole-file writes of bytes, shared by the INI, list and document file code.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace wf {

// The file's bytes; nullopt when it cannot be opened or read (missing, a folder, no access).
// errorNumber, when given, receives the system's reason (errno).
std::optional<std::string> readFileBytes(const std::string& path, int* errorNumber = nullptr);

// Replaces the file with bytes through a temporary file in the same folder that is renamed over
// it only when complete, so a failed write leaves the old file as it was. An existing file keeps
// its permissions (and owner, where allowed); a symbolic link keeps pointing at its target,
// which is what gets replaced. Returns false, with errno's reason in errorNumber, on failure.
bool writeFileAtomically(const std::string& path, const char* data, std::size_t size,
                         int* errorNumber = nullptr);
bool writeFileAtomically(const std::string& path, const std::string& bytes,
                         int* errorNumber = nullptr);

}  // namespace wf
