// Every reader on every fuzzing seed and every input that once found a fault: each returns or
// raises wf::Error, nothing else escapes (and under the sanitizers nothing reads out of bounds).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "editor/ImgSize.h"
#include "platform/Error.h"

namespace wrenfold {
namespace {

std::vector<std::string> corpusFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(WF_FUZZ_CORPUS)) {
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    }
    for (const auto& entry :
         std::filesystem::directory_iterator(imgsize_test::fixture(""))) {
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    }
    return files;
}

// Runs call and says how it ended: "" when it returned or raised wf::Error, else what escaped.
template <typename Call>
std::string escaped(Call call) {
    try {
        call();
    } catch (const wf::Error&) {
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown exception";
    }
    return "";
}

TEST(HostileInput, EveryReaderReturnsOrRaisesItsError) {
    const std::vector<std::string> files = corpusFiles();
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        std::uint16_t width = 0, height = 0;
        EXPECT_EQ(escaped([&] { PngPictureSize(file, width, height); }), "") << file;
        EXPECT_EQ(escaped([&] { GifPictureSize(file, width, height); }), "") << file;
        EXPECT_EQ(escaped([&] { JpegPictureSize(file); }), "") << file;
        EXPECT_EQ(escaped([&] { BmpPictureSize(file); }), "") << file;
    }
}

}  // namespace
}  // namespace wrenfold
