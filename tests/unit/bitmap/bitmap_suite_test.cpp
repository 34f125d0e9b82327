// The public BMP Suite, read file by file against its reference pictures.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "scene/bitmap/bitmap_file.h"
#include "tests/support/whole_files.h"
#include "tests/unit/bitmap/bitmap_error_recorder.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSuite = fs::path(SORAVANE_SHARED_TESTDATA) / "bmpsuite";

// Empty when `image` shows, within `tolerance` a channel, one of the PNG pictures that the
// suite's page shows beside `file` ("g/pal8.bmp"), else how it differs from each.
std::string differenceFromReferences(const RgbImage& image, const std::string& file,
                                     int tolerance) {
    const std::string html = readWholeFile(kSuite / "html" / "bmpsuite.html");
    const size_t row = html.find(">" + file + "</td>"), rowEnd = html.find("</tr>", row);
    std::string differences = "no reference picture";
    for (size_t at = html.find("src=\"", row); at < rowEnd; at = html.find("src=\"", at)) {
        at += 5;
        const std::string png = html.substr(at, html.find('"', at) - at);
        if (png.find('/') != std::string::npos || !png.ends_with(".png")) {
            continue;
        }
        png_image reference{};
        reference.version = PNG_IMAGE_VERSION;
        png_image_begin_read_from_file(&reference, (kSuite / "html" / png).c_str());
        reference.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;  // the 16-bit files carry no gamma
        reference.format = PNG_FORMAT_RGBA;
        std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(reference));
        const int stride = -static_cast<int>(PNG_IMAGE_ROW_STRIDE(reference));  // bottom first
        if (!png_image_finish_read(&reference, nullptr, rgba.data(), stride, nullptr) ||
            image.width * image.height * 4 != static_cast<int>(rgba.size())) {
            differences += "; " + png + " unreadable or of another size";
            continue;
        }
        int wrong = 0;  // channels; fully transparent reference pixels have no colour to compare
        for (size_t i = 0; i < rgba.size(); ++i) {
            wrong += i % 4 != 3 && rgba[i / 4 * 4 + 3] != 0 &&
                     std::abs(image.pixels[i / 4 * 3 + i % 4] - rgba[i]) > tolerance;
        }
        if (wrong == 0) {
            return "";
        }
        differences += "; " + png + ": " + std::to_string(wrong) + " channels differ";
    }
    return differences;
}

// Every file read as the scene does: good ones show their reference pictures; questionable
// ones a reference picture or one message; bad ones get the verdicts a platform decoder gives.
TEST(BitmapSuite, FilesShowTheirReferencePicturesOrGetTheVerdictsAPlatformDecoderGives) {
    // Bad files not listed decode: overrunning RLE runs are clipped, odd planes, densities
    // and sizes are ignored, indices past the colour table are black.
    const std::map<std::string, std::string> refused = {
        {"b/badbitcount.bmp", "[Error: Image file conversion error.]"},
        {"b/badheadersize.bmp", "[Error: Unknown DIB file format.]"},
        {"b/badwidth.bmp", "[Error: Image file conversion error.]"},
        {"b/reallybig.bmp", "[Error: Out of memory.]"},
        {"b/rletopdown.bmp", "[Error: Image file conversion error.]"},
        {"b/shortfile.bmp", "[Error: Image file conversion error.]"},
    };
    for (const std::string folder : {"g", "q", "x", "b"}) {
        const std::vector<fs::path> files(fs::directory_iterator(kSuite / folder), {});
        ASSERT_FALSE(files.empty()) << "BMP Suite missing at " << kSuite;
        for (const fs::path& path : files) {
            const std::string file = folder + "/" + path.filename().string();
            RecordingErrorBox errors;
            const std::unique_ptr<RgbImage> image = readBitmapFile(path.c_str());
            if (folder == "b") {
                const bool isRefused = refused.contains(file);
                EXPECT_EQ(errors.shown, isRefused ? refused.at(file) : "") << file;
                EXPECT_EQ(image == nullptr, isRefused) << file;
            } else if (!image) {
                EXPECT_TRUE(folder != "g" &&
                            (errors.shown == "[Error: Unknown DIB file format.]" ||
                             errors.shown == "[Error: Image file conversion error.]"))
                    << file << errors.shown;
            } else if (file != "q/rgb24prof2.bmp") {  // right only through its colour profile
                // Questionable channels wider than 8 bits were quantised from the suite's own
                // source, not from the 8-bit reference, so they may land one step off.
                const int tolerance = folder == "g" ? 0 : 1;
                EXPECT_EQ(errors.shown + differenceFromReferences(*image, file, tolerance), "")
                    << file;
            }
        }
    }
}

}  // namespace
