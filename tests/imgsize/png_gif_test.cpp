// PNG and GIF sizes from the tiny fixtures in fixtures/pictures (made by make_pictures.py).
#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "editor/ImgSize.h"
#include "platform/Error.h"

namespace wrenfold {
namespace {

using imgsize_test::fixture;
using imgsize_test::TempFolder;

struct SizeCase {
    const char* file;
    std::uint16_t width;
    std::uint16_t height;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.file; }

// --- PNG ---------------------------------------------------------------------------------------

constexpr std::uint16_t kPreset = 11;  // not 0, so that "left as preset" is visible

class PngSize : public testing::TestWithParam<SizeCase> {};

TEST_P(PngSize, ReportsTheIhdrSizeOrKeepsThePreset) {
    std::uint16_t width = kPreset, height = kPreset;
    PngPictureSize(fixture(GetParam().file), width, height);
    EXPECT_EQ(width, GetParam().width);
    EXPECT_EQ(height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, PngSize,
    testing::Values(SizeCase{"png_100x50.png", 100, 50},
                    // 70000 = 0x11170: only the low word 0x1170 is reported
                    SizeCase{"png_wide_70000x1.png", 70000 & 0xFFFF, 1},
                    SizeCase{"x.png", kPreset, kPreset},  // text: not PNG inside
                    SizeCase{"gif_no_table_100x50.gif", kPreset, kPreset},
                    // signature, but the file ends inside the height
                    SizeCase{"png_cut_in_ihdr.png", kPreset, kPreset}));

TEST(PngSize, CallersPresetZeroForANonPngFile) {
    std::uint16_t width = 0, height = 0;
    PngPictureSize(fixture("x.png"), width, height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
}

TEST(PngSize, TwentyFourBytesAreEnoughAndTwentyThreeAreNot) {
    TempFolder folder;
    const std::string header =
        std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\x01\x02\x03\0\0\x04\x05", 24);
    std::uint16_t width = 0, height = 0;
    PngPictureSize(folder.write("full.png", header), width, height);
    EXPECT_EQ(width, 0x0203);
    EXPECT_EQ(height, 0x0405);

    width = height = kPreset;
    PngPictureSize(folder.write("short.png", header.substr(0, 23)), width, height);
    EXPECT_EQ(width, kPreset);
    EXPECT_EQ(height, kPreset);
}

TEST(PngSize, AFileThatCannotBeOpenedRaisesTheFileError) {
    TempFolder folder;
    for (const std::string& name : {folder.path("missing.png"), folder.path("")}) {
        std::uint16_t width = 0, height = 0;
        try {
            PngPictureSize(name, width, height);
            ADD_FAILURE() << "no error for " << name;
        } catch (const wf::Error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + name);
        }
    }
}

// --- GIF ---------------------------------------------------------------------------------------

class GifSize : public testing::TestWithParam<SizeCase> {};

TEST_P(GifSize, ReportsTheFirstDescriptorOrZero) {
    std::uint16_t width = 7, height = 7;  // the reader clears these first
    GifPictureSize(fixture(GetParam().file), width, height);
    EXPECT_EQ(width, GetParam().width);
    EXPECT_EQ(height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, GifSize,
    testing::Values(SizeCase{"gif_no_table_100x50.gif", 100, 50},  // separator at offset 13
                    // 768-byte colour table holding 0x2C bytes; the screen is 120 x 90
                    SizeCase{"gif_table256_40x30.gif", 40, 30},
                    // the comma of the comment ",ABCDEFGHIJ" is taken for the separator:
                    // width from "EF", height from "GH", little-endian
                    SizeCase{"gif_comma_in_comment.gif", 0x4645, 0x4847},
                    SizeCase{"gif_separator_at_end.gif", 0, 0},  // 9 bytes after it, not 10
                    SizeCase{"gif_no_separator.gif", 0, 0},
                    SizeCase{"gif_lowercase_signature.gif", 0, 0},
                    SizeCase{"x.gif", 0, 0}, SizeCase{"png_100x50.png", 0, 0}));

TEST(GifSize, UnreadableNamesGiveZeroSilently) {
    TempFolder folder;
    for (const std::string& name :
         {std::string(), folder.path("missing.gif"), folder.path(""), folder.write("e.gif", "")}) {
        std::uint16_t width = 7, height = 7;
        EXPECT_NO_THROW(GifPictureSize(name, width, height)) << name;
        EXPECT_EQ(width, 0) << name;
        EXPECT_EQ(height, 0) << name;
    }
}

// A colour table that reaches past the end of the file: the scan finds nothing there.
TEST(GifSize, ColourTablePastTheEndGivesZero) {
    TempFolder folder;
    const std::string gif = std::string("GIF89a\x64\0\x32\0\xF7\0\0", 13) + ",0123456789";
    std::uint16_t width = 7, height = 7;
    GifPictureSize(folder.write("t.gif", gif), width, height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
}

// The separator is found wherever it is: here just past a 64 KiB block border, after a long
// comment, with the descriptor split over two blocks.
TEST(GifSize, FindsTheSeparatorAfterALongComment) {
    TempFolder folder;
    std::string gif = std::string("GIF89a\x64\0\x32\0\0\0\0", 13);
    while (gif.size() < PictureFile::kBlockSize - 4) gif += std::string("\x21\xFE\x05hello\0", 9);
    gif.resize(PictureFile::kBlockSize - 4, 'x');
    gif += std::string(",\0\0\0\0\x2C\x01\xC8\0\0\0\x3B", 12);
    std::uint16_t width = 0, height = 0;
    GifPictureSize(folder.write("long.gif", gif), width, height);
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 200);
}

}  // namespace
}  // namespace wrenfold
