// BmpPictureSize on any bytes.
#include "FuzzInput.h"
#include "editor/ImgSize.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        wrenfold::BmpPictureSize(fuzz::inputFile(data, size));
    } catch (const wf::Error&) {
    }
    return 0;
}
