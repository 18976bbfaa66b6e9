// The readers take file names, so each fuzz input goes to a file first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Writes the input to this process's own temporary file (the same file every time, removed
// at exit) and returns its name.
const std::string& inputFile(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
