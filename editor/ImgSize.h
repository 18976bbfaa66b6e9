// Picture sizes for image tags, read from the file's header without decoding the picture:
// PNG and GIF from a few bytes, JPEG through libjpeg's header reader, BMP from the bitmap header.
#pragma once

#include <cstdint>
#include <string>

#include "editor/PictureFile.h"

namespace wrenfold {

// Width and height of a picture in pixels.
struct PictureSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool operator==(const PictureSize&) const = default;
};

// Reads a big-endian 16-bit word at the file's position: the high byte, then the low byte.
// Bytes missing at the end read as 0 and set file.hitEnd().
std::uint16_t ReadWordMsbFirst(PictureFile& file);

// The low 16 bits of a PNG file's width and height (IHDR at offsets 16..23). The outputs are
// left as the caller set them (callers preset 0) when the file is not PNG inside or ends
// before the whole IHDR size is there. Throws wf::Error("Cannot open file " + name).
void PngPictureSize(const std::string& fileName, std::uint16_t& width, std::uint16_t& height);

// The size of a GIF file's first image descriptor, found by scanning for the first byte 0x2C
// after the header and the global colour table. 0 x 0, never an error, for a file that cannot
// be opened, is not GIF or has no separator.
void GifPictureSize(const std::string& fileName, std::uint16_t& width, std::uint16_t& height);

// The size in a JPEG file's frame header, read with libjpeg (header only). Throws wf::Error:
// "Cannot open file NAME", or "JPEG error #CODE: TEXT" with libjpeg's message code and text.
PictureSize JpegPictureSize(const std::string& fileName);

// The size in a BMP file's header (the 12-byte core header, or the 40-byte info header and its
// longer versions); a top-down bitmap's negative height is reported as positive. Throws
// wf::Error: "Cannot open file NAME", or "Bitmap image is not valid" for a damaged header or
// a file too short for its pixels.
PictureSize BmpPictureSize(const std::string& fileName);

}  // namespace wrenfold
