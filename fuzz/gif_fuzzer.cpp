// GifPictureSize on any bytes.
#include "FuzzInput.h"
#include "editor/ImgSize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint16_t width = 0, height = 0;
    wrenfold::GifPictureSize(fuzz::inputFile(data, size), width, height);  // never raises
    return 0;
}
