// Reading bitmap files from disk, and the message each failure to read one shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/bitmap/bitmap_file.h"
#include "tests/support/temp_folder.h"
#include "tests/unit/bitmap/bitmap_error_recorder.h"
#include "tests/unit/bitmap/bitmap_test_writer.h"

namespace {

TEST(BitmapFile, ReadsAFileLargerThanOneReadAtATime) {
    TempFolder folder;
    TestBitmap big(200, 120, 24, std::vector<uint8_t>(200 * 3 * 120, 0x11));  // 72,000 bytes
    big.bits.back() = 0x99;  // the top right pixel's red
    RecordingErrorBox errors;
    const std::unique_ptr<RgbImage> image =
        readBitmapFile(folder.write("big.bmp", buildBitmap(big)).c_str());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels.back(), 0x11);
    EXPECT_EQ(image->pixels[image->pixels.size() - 3], 0x99);
    EXPECT_TRUE(errors.shown.empty());
}

TEST(BitmapFile, UnreadableFilesShowTheOpenFailureWithTheirWholePath) {
    TempFolder folder;
    const std::string unreadable[] = {
        folder.write("empty.bmp", {}),
        folder.file("missing.bmp"),
        folder.file(""),  // a folder opens but cannot be read
        folder.file(std::string(5000, 'p') + "/long.bmp"),
    };
    for (const std::string& path : unreadable) {
        RecordingErrorBox errors;
        EXPECT_EQ(readBitmapFile(path.c_str()), nullptr);
        EXPECT_EQ(errors.shown,
                  std::vector<std::string>{"Error: Failed to open DIB file " + path + ".\n"});
    }
}

}  // namespace
