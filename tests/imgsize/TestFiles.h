// Helpers of the picture-size tests: fixture paths and a temporary folder for made-up files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace imgsize_test {

inline std::string fixture(const std::string& name) {
    return std::string(WF_TEST_FIXTURES) + "/pictures/" + name;
}

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "imgsize-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes bytes to a file of the folder and returns its full path.
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string full = (path_ / name).string();
        std::ofstream out(full, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + full);
        return full;
    }
    std::string path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace imgsize_test
