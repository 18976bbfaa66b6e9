// JPEG sizes through libjpeg, reading the markers up to the first scan and nothing after.
#include <unistd.h>

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "editor/ImgSize.h"
#include "platform/Error.h"

namespace wrenfold {

namespace {

// Everything that must outlive a longjmp out of libjpeg lives here, outside the frame that
// calls setjmp, so no local of that frame changes between setjmp and the jump.
struct JpegHeaderRead {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump{};
    int code = 0;
    char text[JMSG_LENGTH_MAX] = {};
};

// libjpeg's default error_exit ends the process; ours records the message and jumps back.
[[noreturn]] void recordErrorAndJump(j_common_ptr cinfo) {
    auto* read = static_cast<JpegHeaderRead*>(cinfo->client_data);
    read->code = cinfo->err->msg_code;
    (*cinfo->err->format_message)(cinfo, read->text);
    std::longjmp(read->jump, 1);
}

// Warnings (such as a premature end of file) are libjpeg's business; the size stands or an
// error follows.
void ignoreMessage(j_common_ptr) {}

// Only trivially destructible state in this frame: longjmp skips destructors.
bool readJpegHeader(std::FILE* file, JpegHeaderRead& read) {
    read.cinfo.err = jpeg_std_error(&read.errors);
    read.errors.error_exit = recordErrorAndJump;
    read.errors.output_message = ignoreMessage;
    read.cinfo.client_data = &read;
    if (setjmp(read.jump)) {
        jpeg_destroy_decompress(&read.cinfo);
        return false;
    }
    jpeg_create_decompress(&read.cinfo);
    jpeg_stdio_src(&read.cinfo, file);
    jpeg_read_header(&read.cinfo, TRUE);
    return true;
}

// Closes the stdio stream whichever way the read ends.
struct StdioCloser {
    std::FILE* file;
    ~StdioCloser() { std::fclose(file); }
};

}  // namespace

PictureSize JpegPictureSize(const std::string& fileName) {
    const int fd = openRegularFile(fileName);
    std::FILE* file = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
    if (!file) {
        if (fd >= 0) ::close(fd);
        throw wf::Error("Cannot open file " + fileName);
    }
    StdioCloser closer{file};

    JpegHeaderRead read;
    if (!readJpegHeader(file, read)) {
        throw wf::Error("JPEG error #" + std::to_string(read.code) + ": " + read.text);
    }
    PictureSize size{read.cinfo.image_width, read.cinfo.image_height};
    jpeg_destroy_decompress(&read.cinfo);
    return size;
}

}  // namespace wrenfold
