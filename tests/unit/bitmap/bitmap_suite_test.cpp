// The public BMP Suite: good files must show their reference pictures; questionable and bad
// files must never crash or read astray, and each refused one gets exactly one message.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "scene/bitmap/bitmap_file.h"
#include "tests/unit/bitmap/bitmap_error_recorder.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSuite = fs::path(SORAVANE_SHARED_TESTDATA) / "bmpsuite";

std::vector<uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> bitmapsIn(const char* folder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSuite / folder)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The PNG files that the suite's page shows beside `file` ("g/pal8.bmp") in its table row.
std::vector<std::string> referencesFor(const std::string& file) {
    std::stringstream page;
    page << std::ifstream(kSuite / "html" / "bmpsuite.html").rdbuf();
    const std::string html = page.str();
    const size_t named = html.find(">" + file + "</td>");
    const size_t rowEnd = html.find("</tr>", named);
    std::vector<std::string> names;
    for (size_t at = html.find("src=\"", named); at < rowEnd; at = html.find("src=\"", at)) {
        at += 5;
        const std::string name = html.substr(at, html.find('"', at) - at);
        if (name.find('/') == std::string::npos && name.ends_with(".png")) {
            names.push_back(name);
        }
    }
    return names;
}

// How `image` first differs from the PNG by more than `tolerance` in a channel; empty when it
// does not. Fully transparent reference pixels have no colour to compare.
std::string differenceFrom(const RgbImage& image, const std::string& png, int tolerance) {
    png_image reference{};
    reference.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&reference, (kSuite / "html" / png).c_str())) {
        return png + " unreadable";
    }
    reference.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;  // the suite's 16-bit files carry no gamma
    reference.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(reference));
    const int stride = -static_cast<int>(PNG_IMAGE_ROW_STRIDE(reference));  // bottom row first
    if (!png_image_finish_read(&reference, nullptr, rgba.data(), stride, nullptr)) {
        return png + " unreadable";
    }
    if (static_cast<uint32_t>(image.width) != reference.width ||
        static_cast<uint32_t>(image.height) != reference.height) {
        return png + " has another size";
    }
    for (size_t pixel = 0; pixel < rgba.size() / 4; ++pixel) {
        for (size_t c = 0; c < 3 && rgba[pixel * 4 + 3] != 0; ++c) {
            const int mine = image.pixels[pixel * 3 + c];
            const int theirs = rgba[pixel * 4 + c];
            if (std::abs(mine - theirs) > tolerance) {
                return png + ": pixel " + std::to_string(pixel) + " (from the bottom left) " +
                       std::to_string(mine) + " vs " + std::to_string(theirs);
            }
        }
    }
    return "";
}

// Empty when `image` shows one of the references for `file`, else why not.
std::string compareWithReferences(const RgbImage& image, const std::string& file, int tolerance) {
    std::string differences = "no reference picture";
    for (const std::string& png : referencesFor(file)) {
        const std::string difference = differenceFrom(image, png, tolerance);
        if (difference.empty()) {
            return "";
        }
        differences += "; " + difference;
    }
    return differences;
}

TEST(BitmapSuite, GoodFilesShowTheirReferencePictures) {
    const std::vector<fs::path> files = bitmapsIn("g");
    ASSERT_FALSE(files.empty()) << "BMP Suite missing at " << kSuite;
    for (const fs::path& path : files) {
        const std::string file = "g/" + path.filename().string();
        const BitmapDecodeResult result = decodeBitmap(readBytes(path));
        ASSERT_TRUE(result.image) << file << ": " << bitmapErrorMessage(result.error);
        EXPECT_EQ(compareWithReferences(*result.image, file, 0), "") << file;
    }
}

TEST(BitmapSuite, QuestionableFilesThatDecodeShowAReferencePicture) {
    for (const fs::path& path : bitmapsIn("q")) {
        const std::string file = "q/" + path.filename().string();
        const BitmapDecodeResult result = decodeBitmap(readBytes(path));
        // rgb24prof2 only looks right through its embedded colour profile, which we ignore.
        if (result.image && file != "q/rgb24prof2.bmp") {
            // Channels wider than 8 bits were quantised from the suite's own source, not from
            // the 8-bit reference, so they may land one step off.
            EXPECT_EQ(compareWithReferences(*result.image, file, 1), "") << file;
        }
    }
}

TEST(BitmapSuite, BadFilesGetTheVerdictsAPlatformDecoderGives) {
    // Everything not listed decodes: overrunning RLE runs are clipped, odd planes, densities
    // and sizes are ignored, indices past the colour table are black.
    const std::map<std::string, BitmapError> refused = {
        {"badbitcount.bmp", BitmapError::ConversionError},
        {"badheadersize.bmp", BitmapError::UnknownFormat},
        {"badwidth.bmp", BitmapError::ConversionError},
        {"reallybig.bmp", BitmapError::OutOfMemory},
        {"rletopdown.bmp", BitmapError::ConversionError},
        {"shortfile.bmp", BitmapError::ConversionError},
    };
    for (const fs::path& path : bitmapsIn("b")) {
        const auto verdict = refused.find(path.filename().string());
        const BitmapError expected = verdict == refused.end() ? BitmapError::None : verdict->second;
        EXPECT_EQ(decodeBitmap(readBytes(path)).error, expected) << path;
    }
}

TEST(BitmapSuite, EveryOddFileGivesAPictureOrExactlyOneMessage) {
    RecordingErrorBox errors;
    for (const char* folder : {"b", "q", "x"}) {
        for (const fs::path& path : bitmapsIn(folder)) {
            errors.shown.clear();
            if (readBitmapFile(path.c_str()) != nullptr) {
                EXPECT_TRUE(errors.shown.empty()) << path;
                continue;
            }
            ASSERT_EQ(errors.shown.size(), 1u) << path;
            EXPECT_THAT(errors.shown[0].message,
                        ::testing::AnyOf("Unknown DIB file format.", "Out of memory.",
                                         "Image file conversion error."))
                << path;
        }
    }
}

}  // namespace
