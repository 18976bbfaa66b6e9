// Small files for the file panel's tests: pictures of a given size, written byte by byte
// (GIF, PNG) or through Qt's image writers (JPEG, BMP), and plain files.
#pragma once

#include <QImage>
#include <QString>
#include <fstream>
#include <stdexcept>
#include <string>

namespace filepanel_test {

inline void writeBytes(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.toStdString());
}

inline std::string le16(unsigned v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

inline std::string be32(unsigned v) {
    return {static_cast<char>((v >> 24) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
            static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}

// A GIF without a global colour table whose first block is the image descriptor.
inline void writeGif(const QString& path, unsigned width, unsigned height) {
    std::string b = "GIF89a" + le16(width) + le16(height) + std::string("\0\0\0", 3);
    b += "," + le16(0) + le16(0) + le16(width) + le16(height) + std::string("\0", 1);
    b += std::string("\x02\x02\x44\x01\x00\x3B", 6);
    writeBytes(path, b);
}

// The signature and the IHDR chunk of a PNG file.
inline void writePng(const QString& path, unsigned width, unsigned height) {
    std::string b("\x89PNG\r\n\x1A\n", 8);
    b += be32(13) + "IHDR" + be32(width) + be32(height) + std::string("\x08\x02\0\0\0", 5);
    b += be32(0);  // CRC: the size readers never look at it
    writeBytes(path, b);
}

// A JPEG or BMP of the size, by the format the file name's extension names.
inline void writeImage(const QString& path, int width, int height, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    if (!image.save(path, format)) throw std::runtime_error("cannot save " + path.toStdString());
}

}  // namespace filepanel_test
