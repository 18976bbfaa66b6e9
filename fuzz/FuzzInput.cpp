// One temporary file a fuzzing process, rewritten for every input.
#include "FuzzInput.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fuzz {

namespace {

struct InputFile {
    std::string name;
    int fd = -1;

    InputFile() {
        name = (std::filesystem::temp_directory_path() / "wf-fuzz-XXXXXX").string();
        fd = ::mkstemp(name.data());
        if (fd < 0) {
            std::perror("mkstemp");
            std::abort();
        }
    }
    ~InputFile() {
        ::close(fd);
        ::unlink(name.c_str());
    }
};

}  // namespace

const std::string& inputFile(const std::uint8_t* data, std::size_t size) {
    static InputFile file;
    if (::ftruncate(file.fd, 0) != 0) std::abort();
    std::size_t done = 0;
    while (done < size) {
        const ssize_t wrote = ::pwrite(file.fd, data + done, size - done, static_cast<off_t>(done));
        if (wrote <= 0) std::abort();
        done += static_cast<std::size_t>(wrote);
    }
    return file.name;
}

}  // namespace fuzz
