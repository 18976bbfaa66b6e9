// JPEG and BMP sizes: known pictures, and the loader's errors for damaged ones.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
// After <cstdio>: libjpeg's headers use FILE and size_t.
#include <jerror.h>
#include <jpeglib.h>

#include "TestFiles.h"
#include "editor/ImgSize.h"
#include "platform/Error.h"

namespace wrenfold {
namespace {

using imgsize_test::fixture;
using imgsize_test::TempFolder;

// The message of the wf::Error that call raises, or "" when it raises none.
template <typename Call>
std::string errorOf(Call call) {
    try {
        call();
    } catch (const wf::Error& e) {
        return e.what();
    }
    return "";
}

std::string jpegError(int code, const std::string& text) {
    return "JPEG error #" + std::to_string(code) + ": " + text;
}

// --- JPEG --------------------------------------------------------------------------------------

TEST(JpegSize, ReadsTheFrameSize) {
    EXPECT_EQ(JpegPictureSize(fixture("jpeg_37x21.jpg")), (PictureSize{37, 21}));
}

// Pictures written by ImageMagick, also the fuzzers' seeds.
TEST(JpegSize, ReadsProgressiveGreyAndRestartFiles) {
    const std::string corpus = std::string(WF_FUZZ_CORPUS) + "/jpeg/";
    EXPECT_EQ(JpegPictureSize(corpus + "progressive_9x5.jpg"), (PictureSize{9, 5}));
    EXPECT_EQ(JpegPictureSize(corpus + "gray_8x8.jpg"), (PictureSize{8, 8}));
    EXPECT_EQ(JpegPictureSize(corpus + "restart_16x16.jpg"), (PictureSize{16, 16}));
}

TEST(JpegSize, DamagedFilesGiveTheLibrarysError) {
    TempFolder folder;
    const struct {
        std::string file;
        std::string error;
    } cases[] = {
        // the first two bytes are those of a PNG file
        {fixture("jpeg_bad_start.jpg"), jpegError(JERR_NO_SOI, "Not a JPEG file: starts with 0x89 0x50")},
        // the tables are there, the frame header is not
        {fixture("jpeg_cut_before_frame.jpg"), jpegError(JERR_NO_IMAGE, "JPEG datastream contains no image")},
        {folder.write("empty.jpg", ""), jpegError(JERR_INPUT_EMPTY, "Empty input file")},
        {fixture("x.png"), jpegError(JERR_NO_SOI, "Not a JPEG file: starts with 0x54 0x68")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(errorOf([&] { JpegPictureSize(c.file); }), c.error) << c.file;
    }
}

TEST(JpegSize, AFileThatCannotBeOpenedRaisesTheFileError) {
    TempFolder folder;
    const std::string missing = folder.path("missing.jpg");
    EXPECT_EQ(errorOf([&] { JpegPictureSize(missing); }), "Cannot open file " + missing);
    EXPECT_EQ(errorOf([&] { JpegPictureSize(folder.path("")); }), "Cannot open file " + folder.path(""));
}

// --- BMP ---------------------------------------------------------------------------------------

TEST(BmpSize, ReadsEveryHeaderKind) {
    const struct {
        const char* file;
        PictureSize size;
    } cases[] = {
        {"bmp_core_13x7.bmp", {13, 7}},     // 12-byte core header
        {"bmp_info_13x7.bmp", {13, 7}},     // 40-byte info header
        {"bmp_topdown_13x7.bmp", {13, 7}},  // height -7
        {"bmp_v5_29x11.bmp", {29, 11}},     // 124-byte header, written by ImageMagick
    };
    for (const auto& c : cases) EXPECT_EQ(BmpPictureSize(fixture(c.file)), c.size) << c.file;
}

// Bitmaps written by ImageMagick, also the fuzzers' seeds: 1 bit with a palette, run-length
// 8 bits, the core header, 32 bits with bit fields in a 124-byte header.
TEST(BmpSize, ReadsBitmapsOfEveryPixelKind) {
    const std::string corpus = std::string(WF_FUZZ_CORPUS) + "/bmp/";
    EXPECT_EQ(BmpPictureSize(corpus + "palette8_6x4.bmp"), (PictureSize{6, 4}));
    EXPECT_EQ(BmpPictureSize(corpus + "rle8_12x3.bmp"), (PictureSize{12, 3}));
    EXPECT_EQ(BmpPictureSize(corpus + "core_5x3.bmp"), (PictureSize{5, 3}));
    EXPECT_EQ(BmpPictureSize(corpus + "alpha_7x2.bmp"), (PictureSize{7, 2}));
}

// A bitmap made up here: file header, 40-byte info header, then pixelBytes bytes.
std::string infoBitmap(std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel,
                       std::uint32_t compression, std::size_t pixelBytes,
                       std::uint16_t planes = 1) {
    std::string b(54, '\0');
    auto put = [&b](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, static_cast<std::uint32_t>(54 + pixelBytes), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, planes, 2);
    put(28, bitsPerPixel, 2);
    put(30, compression, 4);
    return b + std::string(pixelBytes, '\x55');
}

TEST(BmpSize, MadeUpBitmapsThatAreValid) {
    TempFolder folder;
    const struct {
        std::string bytes;
        PictureSize size;
    } cases[] = {
        {infoBitmap(3, 2, 24, 0, 2 * 12), {3, 2}},        // rows padded to 12 bytes
        {infoBitmap(33, -1, 1, 0, 8), {33, 1}},           // 33 bits: two words a row
        {infoBitmap(5, 4, 8, 1, 6), {5, 4}},              // run-length data of any length
        {infoBitmap(2, -2, 16, 3, 2 * 4 + 12), {2, 2}},   // bit fields, top-down
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BmpPictureSize(folder.write("ok.bmp", c.bytes)), c.size);
    }
}

TEST(BmpSize, DamagedBitmapsAreNotValid) {
    TempFolder folder;
    const std::string files[] = {
        fixture("bmp_bad_header.bmp"),  // header size 77
        fixture("bmp_cut_pixels.bmp"),  // the last row is short
        fixture("x.png"),
        folder.write("empty.bmp", ""),
        folder.write("short.bmp", "BM\x10\0\0\0\0\0\0\0\x36\0\0\0"),
        folder.write("cut_header.bmp", infoBitmap(3, 2, 24, 0, 24).substr(0, 40)),
        folder.write("zero_width.bmp", infoBitmap(0, 2, 24, 0, 24)),
        folder.write("negative_width.bmp", infoBitmap(-3, 2, 24, 0, 24)),
        folder.write("zero_height.bmp", infoBitmap(3, 0, 24, 0, 24)),
        folder.write("min_height.bmp", infoBitmap(3, INT32_MIN, 24, 0, 24)),
        folder.write("two_planes.bmp", infoBitmap(3, 2, 24, 0, 24, 2)),
        folder.write("bpp_7.bmp", infoBitmap(3, 2, 7, 0, 24)),
        folder.write("rle_top_down.bmp", infoBitmap(3, -2, 8, 1, 24)),
        folder.write("rle_no_data.bmp", infoBitmap(3, 2, 8, 1, 0)),
        folder.write("jpeg_inside.bmp", infoBitmap(3, 2, 0, 4, 24)),
        // a huge picture whose pixels are not in the file
        folder.write("huge.bmp", infoBitmap(INT32_MAX, INT32_MAX, 32, 0, 64)),
    };
    for (const std::string& file : files) {
        EXPECT_EQ(errorOf([&] { BmpPictureSize(file); }), "Bitmap image is not valid") << file;
    }
}

TEST(BmpSize, AFileThatCannotBeOpenedRaisesTheFileError) {
    TempFolder folder;
    const std::string missing = folder.path("missing.bmp");
    EXPECT_EQ(errorOf([&] { BmpPictureSize(missing); }), "Cannot open file " + missing);
}

}  // namespace
}  // namespace wrenfold
