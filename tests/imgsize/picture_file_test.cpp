// Block-buffered reading: across block borders, seeks inside and outside the buffer, the end.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "TestFiles.h"
#include "editor/ImgSize.h"
#include "editor/PictureFile.h"

namespace wrenfold {
namespace {

using imgsize_test::TempFolder;

// Byte i of the pattern file is i mod 251, so every offset's byte is known and no block of
// 64 KiB repeats the one before at the same place.
std::string pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

std::uint8_t patternAt(std::uint64_t offset) { return static_cast<std::uint8_t>(offset % 251); }

constexpr std::size_t kBlock = PictureFile::kBlockSize;

TEST(PictureFile, ReadsAcrossBlockBordersAndStopsAtTheEnd) {
    TempFolder folder;
    const std::size_t size = 2 * kBlock + 100;
    PictureFile file;
    ASSERT_TRUE(file.open(folder.write("p.bin", pattern(size))));
    EXPECT_EQ(file.size(), size);

    std::string got(kBlock - 3, '\0');
    ASSERT_EQ(file.read(got.data(), got.size()), got.size());
    std::uint8_t across[10];
    ASSERT_EQ(file.read(across, sizeof across), sizeof across);  // spans the first border
    for (std::size_t i = 0; i < sizeof across; ++i) EXPECT_EQ(across[i], patternAt(kBlock - 3 + i));
    EXPECT_FALSE(file.hitEnd());

    std::string rest(2 * kBlock, '\0');
    EXPECT_EQ(file.read(rest.data(), rest.size()), size - (kBlock + 7));
    EXPECT_TRUE(file.hitEnd());
    EXPECT_EQ(file.read(across, 1), 0u);
}

TEST(PictureFile, SeeksInsideAndOutsideTheBuffer) {
    TempFolder folder;
    PictureFile file;
    ASSERT_TRUE(file.open(folder.write("p.bin", pattern(3 * kBlock))));
    std::uint8_t byte = 0;
    for (std::uint64_t offset : {std::uint64_t{10}, std::uint64_t{5}, 2 * kBlock + 17,
                                 std::uint64_t{kBlock - 1}, std::uint64_t{0}}) {
        ASSERT_TRUE(file.seek(offset));
        ASSERT_EQ(file.read(&byte, 1), 1u) << offset;
        EXPECT_EQ(byte, patternAt(offset)) << offset;
        EXPECT_EQ(file.position(), offset + 1);
    }
    ASSERT_TRUE(file.seek(10 * kBlock));  // past the end: allowed, nothing to read
    EXPECT_EQ(file.read(&byte, 1), 0u);
    EXPECT_TRUE(file.hitEnd());
}

TEST(PictureFile, SkipPastFindsTheFirstMatchInAnyBlock) {
    TempFolder folder;
    std::string bytes(3 * kBlock, 'a');
    bytes[2 * kBlock + 5] = ',';
    bytes[2 * kBlock + 9] = ',';
    PictureFile file;
    ASSERT_TRUE(file.open(folder.write("p.bin", bytes)));
    ASSERT_TRUE(file.skipPast(','));
    EXPECT_EQ(file.position(), 2 * kBlock + 6);
    ASSERT_TRUE(file.skipPast(','));
    EXPECT_EQ(file.position(), 2 * kBlock + 10);
    EXPECT_FALSE(file.skipPast(','));
}

TEST(PictureFile, OpensOnlyRegularFiles) {
    TempFolder folder;
    const std::string fifo = folder.path("pipe.gif");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    PictureFile file;
    EXPECT_FALSE(file.open(fifo));  // must return at once, not wait for a writer
    EXPECT_FALSE(PictureFile().open(folder.path("")));
    EXPECT_FALSE(PictureFile().open(folder.path("missing.png")));
    EXPECT_FALSE(PictureFile().open(""));
    EXPECT_TRUE(PictureFile().open(folder.write("empty.png", "")));
}

TEST(ReadWordMsbFirst, ReadsHighByteThenLowByte) {
    TempFolder folder;
    PictureFile file;
    ASSERT_TRUE(file.open(folder.write("w.bin", "\x12\x34\xAB\xCD\x7F")));
    EXPECT_EQ(ReadWordMsbFirst(file), 0x1234);
    EXPECT_EQ(ReadWordMsbFirst(file), 0xABCD);
    EXPECT_FALSE(file.hitEnd());
    // One byte left: it is the high byte, the missing low byte reads as 0.
    EXPECT_EQ(ReadWordMsbFirst(file), 0x7F00);
    EXPECT_TRUE(file.hitEnd());
}

}  // namespace
}  // namespace wrenfold
