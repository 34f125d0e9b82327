// Reading bitmap files from disk, and the one message each failure shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "scene/bitmap/bitmap_file.h"
#include "tests/unit/bitmap/bitmap_error_recorder.h"
#include "tests/unit/bitmap/bitmap_test_writer.h"

namespace {

namespace fs = std::filesystem;

class BitmapFileTest : public ::testing::Test {
protected:
    BitmapFileTest()
        : folder_(fs::path(::testing::TempDir()) /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()) {
        fs::create_directories(folder_);
    }
    ~BitmapFileTest() override { fs::remove_all(folder_); }

    std::string writeFile(const char* name, const std::vector<uint8_t>& bytes) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    // Reads `path` expecting failure, and returns the one message shown.
    std::string failureMessage(const std::string& path) {
        errors_.shown.clear();
        EXPECT_EQ(readBitmapFile(path.c_str()), nullptr) << path;
        EXPECT_EQ(errors_.shown.size(), 1u) << path;
        return errors_.shown.empty() ? "" : errors_.shown[0].message;
    }

    const fs::path folder_;
    RecordingErrorBox errors_;
};

TEST_F(BitmapFileTest, UnreadableFilesShowTheOpenFailureWithTheirWholePath) {
    const std::string unreadable[] = {
        writeFile("empty.bmp", {}),
        (folder_ / "missing.bmp").string(),
        folder_.string(),  // a folder opens but cannot be read
        (folder_ / std::string(5000, 'p') / "long.bmp").string(),
    };
    for (const std::string& path : unreadable) {
        EXPECT_EQ(failureMessage(path), "Failed to open DIB file " + path + ".\n");
        EXPECT_EQ(errors_.shown.at(0).caption, "Error");
    }
}

TEST_F(BitmapFileTest, ReadsPicturesAndShowsEachDecodeFailure) {
    TestBitmap picture;
    picture.width = 2;
    picture.bits = {0, 0, 0xFF, 0xFF, 0, 0, 0, 0};
    const std::unique_ptr<RgbImage> image =
        readBitmapFile(writeFile("red_blue.bmp", buildBitmap(picture)).c_str());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<uint8_t>{0xFF, 0, 0, 0, 0, 0xFF}));
    EXPECT_TRUE(errors_.shown.empty());

    TestBitmap unknown = picture;
    unknown.headerSize = 64;
    EXPECT_EQ(failureMessage(writeFile("unknown.bmp", buildBitmap(unknown))),
              "Unknown DIB file format.");
    TestBitmap cut = picture;
    cut.width = 3;
    EXPECT_EQ(failureMessage(writeFile("cut.bmp", buildBitmap(cut))),
              "Image file conversion error.");
}

}  // namespace
