// PNG and GIF sizes from a few header bytes.
#include "editor/ImgSize.h"

#include <cstring>

#include "platform/Error.h"

namespace wrenfold {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::uint8_t kImageSeparator = 0x2C;

std::uint16_t wordLsbFirst(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

}  // namespace

std::uint16_t ReadWordMsbFirst(PictureFile& file) {
    std::uint8_t bytes[2] = {0, 0};
    file.read(bytes, 2);
    return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}

void PngPictureSize(const std::string& fileName, std::uint16_t& width, std::uint16_t& height) {
    PictureFile file;
    if (!file.open(fileName)) throw wf::Error("Cannot open file " + fileName);

    std::uint8_t signature[8] = {};
    file.read(signature, sizeof signature);
    if (std::memcmp(signature, kPngSignature, sizeof signature) != 0) return;

    // IHDR holds width and height as 32-bit big-endian numbers at 16 and 20; the low words
    // are at 18 and 22.
    file.seek(18);
    std::uint16_t w = ReadWordMsbFirst(file);
    file.seek(22);
    std::uint16_t h = ReadWordMsbFirst(file);
    // A file cut short inside the IHDR gives no size at all: both outputs keep their preset
    // rather than one of them taking a half-read value.
    if (file.hitEnd()) return;
    width = w;
    height = h;
}

void GifPictureSize(const std::string& fileName, std::uint16_t& width, std::uint16_t& height) {
    width = 0;
    height = 0;
    if (fileName.empty()) return;
    PictureFile file;
    if (!file.open(fileName)) return;

    // Signature and version (6 bytes), then the logical screen descriptor (7 bytes).
    std::uint8_t header[13];
    if (file.read(header, sizeof header) < sizeof header) return;
    if (std::memcmp(header, "GIF", 3) != 0) return;

    const std::uint8_t packed = header[10];
    if (packed & 0x80) {
        // A global colour table of 2^(N+1) RGB entries follows the header.
        const std::uint64_t tableBytes = 3u * (2u << (packed & 0x07));
        if (!file.seek(sizeof header + tableBytes)) return;
    }

    // A plain byte scan: the first 0x2C counts as the image separator, even inside an
    // extension block.
    if (!file.skipPast(kImageSeparator)) return;
    std::uint8_t descriptor[10];
    if (file.read(descriptor, sizeof descriptor) < sizeof descriptor) return;
    width = wordLsbFirst(descriptor + 4);
    height = wordLsbFirst(descriptor + 6);
}

}  // namespace wrenfold
