// PngPictureSize on any bytes.
#include "FuzzInput.h"
#include "editor/ImgSize.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint16_t width = 0, height = 0;
    try {
        wrenfold::PngPictureSize(fuzz::inputFile(data, size), width, height);
    } catch (const wf::Error&) {
    }
    return 0;
}
