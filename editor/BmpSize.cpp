// BMP sizes from the file header and the bitmap header that follows it.
#include <algorithm>
#include <limits>

#include "editor/ImgSize.h"
#include "platform/Error.h"

namespace wrenfold {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;  // BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER; V2, V3, V4, V5 are longer
constexpr std::size_t kLongestHeaderBytes = 124;

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitfields = 3,
    kAlphaBitfields = 6,
};

std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t i32(const std::uint8_t* p) { return static_cast<std::int32_t>(u32(p)); }

bool knownHeaderSize(std::uint32_t bytes) {
    return bytes == kCoreHeaderBytes || bytes == kInfoHeaderBytes || bytes == 52 || bytes == 56 ||
           bytes == 108 || bytes == kLongestHeaderBytes;
}

// What the headers say about the pixels, before it is checked against the file.
struct BitmapLayout {
    std::uint32_t width = 0;
    std::uint32_t rows = 0;  // |height|
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    bool topDown = false;
};

bool validLayout(const BitmapLayout& b) {
    if (b.width == 0 || b.rows == 0 || b.planes != 1) return false;
    const std::uint16_t bpp = b.bitsPerPixel;
    switch (b.compression) {
        case kRgb:
            return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
        case kRle8:  // run-length pictures are stored bottom-up only
            return bpp == 8 && !b.topDown;
        case kRle4:
            return bpp == 4 && !b.topDown;
        case kBitfields:
        case kAlphaBitfields:
            return bpp == 16 || bpp == 32;
        default:  // JPEG or PNG inside a bitmap is for printers, not for pictures
            return false;
    }
}

// Uncompressed rows are padded to 4 bytes; all of them must be in the file. Compressed
// pixels have no size known in advance, but some must follow the headers.
bool pixelsFit(const BitmapLayout& b, std::uint64_t pixelOffset, std::uint64_t fileSize) {
    if (pixelOffset >= fileSize) return false;
    if (b.compression == kRle8 || b.compression == kRle4) return true;
    const std::uint64_t rowBytes = (std::uint64_t{b.width} * b.bitsPerPixel + 31) / 32 * 4;
    return b.rows <= (fileSize - pixelOffset) / rowBytes;
}

[[noreturn]] void notValid() { throw wf::Error("Bitmap image is not valid"); }

}  // namespace

PictureSize BmpPictureSize(const std::string& fileName) {
    PictureFile file;
    if (!file.open(fileName)) throw wf::Error("Cannot open file " + fileName);

    std::uint8_t head[kFileHeaderBytes + kLongestHeaderBytes] = {};
    const std::size_t got = file.read(head, sizeof head);
    if (got < kFileHeaderBytes + 4 || head[0] != 'B' || head[1] != 'M') notValid();
    const std::uint32_t pixelOffset = u32(head + 10);
    const std::uint32_t headerBytes = u32(head + 14);
    if (!knownHeaderSize(headerBytes) || got < kFileHeaderBytes + headerBytes) notValid();

    const std::uint8_t* h = head + kFileHeaderBytes;
    BitmapLayout layout;
    if (headerBytes == kCoreHeaderBytes) {
        layout.width = u16(h + 4);
        layout.rows = u16(h + 6);
        layout.planes = u16(h + 8);
        layout.bitsPerPixel = u16(h + 10);
        // The core header knows 1, 4, 8 and 24 bits a pixel, uncompressed.
        if (layout.bitsPerPixel == 16 || layout.bitsPerPixel == 32) notValid();
    } else {
        const std::int32_t width = i32(h + 4);
        const std::int32_t height = i32(h + 8);
        // A negative width means nothing; a negative height is a top-down bitmap, except the
        // one value whose magnitude does not fit.
        if (width <= 0 || height == std::numeric_limits<std::int32_t>::min()) notValid();
        layout.width = static_cast<std::uint32_t>(width);
        layout.topDown = height < 0;
        layout.rows = static_cast<std::uint32_t>(height < 0 ? -height : height);
        layout.planes = u16(h + 12);
        layout.bitsPerPixel = u16(h + 14);
        layout.compression = u32(h + 16);
    }
    if (!validLayout(layout)) notValid();

    // An offset into the headers cannot be right: measure from the end of the headers then.
    const std::uint64_t pixelsAt = std::max<std::uint64_t>(pixelOffset, kFileHeaderBytes + headerBytes);
    if (!pixelsFit(layout, pixelsAt, file.size())) notValid();
    return PictureSize{layout.width, layout.rows};
}

}  // namespace wrenfold
