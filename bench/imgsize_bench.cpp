// Picture-size readers: GifPictureSize on a 50 MB GIF whose image separator is near the end
// (a long run of comment blocks before it), from the page cache and from the disk, beside a
// plain block read of the same file as the floor; and one call of each reader on the small
// test pictures.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "editor/ImgSize.h"
#include "platform/Error.h"

namespace {

constexpr std::size_t kBigGifBytes = 50u * 1024 * 1024;
constexpr std::uint16_t kBigWidth = 640, kBigHeight = 480;

// Writes the big GIF once per run into a temporary folder, removed at exit.
class BigGif {
public:
    BigGif() {
        std::string pattern = (std::filesystem::temp_directory_path() / "imgsize-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        folder_ = pattern;
        path_ = (folder_ / "big.gif").string();

        std::string gif("GIF89a", 6);
        gif += {static_cast<char>(kBigWidth & 0xFF), static_cast<char>(kBigWidth >> 8),
                static_cast<char>(kBigHeight & 0xFF), static_cast<char>(kBigHeight >> 8), 0, 0, 0};
        // Comment extensions of 255-byte sub-blocks, none holding 0x2C.
        const std::string block = std::string(1, '\xFF') + std::string(255, 'a');
        while (gif.size() + 2 + 300 * block.size() < kBigGifBytes - 64) {
            gif += "\x21\xFE";
            for (int i = 0; i < 300; ++i) gif += block;
            gif += '\0';
        }
        gif += ',';
        gif += std::string(4, '\0');
        gif += {static_cast<char>(kBigWidth & 0xFF), static_cast<char>(kBigWidth >> 8),
                static_cast<char>(kBigHeight & 0xFF), static_cast<char>(kBigHeight >> 8), 0};
        gif += std::string("\x02\x02\x4C\x01\x00\x3B", 6);  // tiny image data and the trailer
        std::ofstream(path_, std::ios::binary).write(gif.data(), static_cast<std::streamsize>(gif.size()));
        size_ = gif.size();
    }
    ~BigGif() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& path() const { return path_; }
    std::size_t size() const { return size_; }

private:
    std::filesystem::path folder_;
    std::string path_;
    std::size_t size_ = 0;
};

const BigGif& bigGif() {
    static BigGif gif;
    return gif;
}

void BM_GifPictureSize_50MB(benchmark::State& state) {
    const BigGif& gif = bigGif();
    for (auto _ : state) {
        std::uint16_t width = 0, height = 0;
        wrenfold::GifPictureSize(gif.path(), width, height);
        if (width != kBigWidth || height != kBigHeight) {
            state.SkipWithError("wrong size from the big GIF");
            break;
        }
        benchmark::DoNotOptimize(width);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gif.size()));
}
BENCHMARK(BM_GifPictureSize_50MB)->Unit(benchmark::kMillisecond);

// The same with the file's pages dropped from the page cache before each call, so the disk
// is read too (no root needed: the pages are clean).
void BM_GifPictureSize_50MB_Uncached(benchmark::State& state) {
    const BigGif& gif = bigGif();
    for (auto _ : state) {
        state.PauseTiming();
        const int fd = ::open(gif.path().c_str(), O_RDONLY);
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
        state.ResumeTiming();
        std::uint16_t width = 0, height = 0;
        wrenfold::GifPictureSize(gif.path(), width, height);
        benchmark::DoNotOptimize(width);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gif.size()));
}
BENCHMARK(BM_GifPictureSize_50MB_Uncached)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: reading the same file in 64 KiB blocks and doing nothing with the bytes.
void BM_PlainRead_50MB(benchmark::State& state) {
    const BigGif& gif = bigGif();
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        const int fd = ::open(gif.path().c_str(), O_RDONLY);
        std::size_t total = 0;
        for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) {
            total += static_cast<std::size_t>(got);
        }
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * gif.size()));
}
BENCHMARK(BM_PlainRead_50MB)->Unit(benchmark::kMillisecond);

std::string picture(const char* name) { return std::string(WF_PICTURES) + "/" + name; }

void BM_PngPictureSize_Small(benchmark::State& state) {
    const std::string file = picture("png_100x50.png");
    for (auto _ : state) {
        std::uint16_t width = 0, height = 0;
        wrenfold::PngPictureSize(file, width, height);
        benchmark::DoNotOptimize(width);
    }
}
BENCHMARK(BM_PngPictureSize_Small)->Unit(benchmark::kMicrosecond);

void BM_GifPictureSize_Small(benchmark::State& state) {
    const std::string file = picture("gif_table256_40x30.gif");
    for (auto _ : state) {
        std::uint16_t width = 0, height = 0;
        wrenfold::GifPictureSize(file, width, height);
        benchmark::DoNotOptimize(width);
    }
}
BENCHMARK(BM_GifPictureSize_Small)->Unit(benchmark::kMicrosecond);

void BM_JpegPictureSize_Small(benchmark::State& state) {
    const std::string file = picture("jpeg_37x21.jpg");
    for (auto _ : state) benchmark::DoNotOptimize(wrenfold::JpegPictureSize(file));
}
BENCHMARK(BM_JpegPictureSize_Small)->Unit(benchmark::kMicrosecond);

void BM_BmpPictureSize_Small(benchmark::State& state) {
    const std::string file = picture("bmp_v5_29x11.bmp");
    for (auto _ : state) benchmark::DoNotOptimize(wrenfold::BmpPictureSize(file));
}
BENCHMARK(BM_BmpPictureSize_Small)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
