// Files the decoder refuses, and which of its errors each one gets.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "tests/unit/bitmap/bitmap_test_writer.h"

// Failures print as the message the user would see.
static void PrintTo(BitmapError error, std::ostream* out) {
    *out << (error == BitmapError::None ? "no error" : bitmapErrorMessage(error));
}

namespace {

BitmapError decodeError(const std::vector<uint8_t>& file) {
    const BitmapDecodeResult result = decodeBitmap(file);
    EXPECT_EQ(result.image != nullptr, result.error == BitmapError::None);
    return result.error;
}

// A valid 2 x 2 24-bit picture for each case to spoil in one way.
TestBitmap validPicture() {
    TestBitmap bitmap;
    bitmap.width = 2;
    bitmap.height = 2;
    bitmap.bits = std::vector<uint8_t>(16, 0x80);
    return bitmap;
}

// Beyond the BMP Suite's bad files, which have their own verdicts.
TEST(BitmapDecoderErrors, EachSpoiltHeaderGetsItsError) {
    using Spoil = std::function<void(TestBitmap&)>;
    const std::vector<std::pair<Spoil, BitmapError>> cases = {
        {[](TestBitmap&) {}, BitmapError::None},
        {[](TestBitmap& b) { b.width = 0; }, BitmapError::ConversionError},
        {[](TestBitmap& b) { b.height = 0; }, BitmapError::ConversionError},
        {[](TestBitmap& b) { b.bitCount = 2; }, BitmapError::ConversionError},
        {[](TestBitmap& b) { b.compression = 1; }, BitmapError::ConversionError},  // 24-bit RLE
        {[](TestBitmap& b) { b.compression = 4; }, BitmapError::ConversionError},  // JPEG
        {[](TestBitmap& b) { b.bits.pop_back(); }, BitmapError::ConversionError},
        {[](TestBitmap& b) { b.bitsOffset = 4096; }, BitmapError::ConversionError},
        {[](TestBitmap& b) {  // bit-field masks cut off
             b.fileHeader = false;
             b.bitCount = 16;
             b.compression = 3;
             b.bits.clear();
         },
         BitmapError::ConversionError},
        {[](TestBitmap& b) {  // 8 bits need 256 colours, the file has 10
             b.bitCount = 8;
             b.colours = std::vector<uint32_t>(10, 0x123456);
         },
         BitmapError::ConversionError},
        {[](TestBitmap& b) {
             b.width = INT_MAX;
             b.height = INT_MIN;
         },
         BitmapError::OutOfMemory},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        TestBitmap bitmap = validPicture();
        cases[i].first(bitmap);
        EXPECT_EQ(decodeError(buildBitmap(bitmap)), cases[i].second) << "case " << i;
    }
}

TEST(BitmapDecoderErrors, FilesTooShortForTheirHeaders) {
    for (const std::vector<uint8_t>& file : {std::vector<uint8_t>{}, {'B', 'M'}, {12, 0, 0}}) {
        EXPECT_EQ(decodeError(file), BitmapError::UnknownFormat) << file.size() << " bytes";
    }
    EXPECT_EQ(decodeError({12, 0, 0, 0, 1, 0, 1, 0}), BitmapError::ConversionError);
    std::vector<uint8_t> infoHeaderCut = buildBitmap(validPicture());
    infoHeaderCut.resize(14 + 39);
    EXPECT_EQ(decodeError(infoHeaderCut), BitmapError::ConversionError);
}

TEST(BitmapDecoderErrors, PicturesLargerThanTheLimitAreRefused) {
    const std::vector<uint8_t> file = buildBitmap(validPicture());  // 2 x 2 x 3 bytes
    EXPECT_EQ(decodeBitmap(file, 12).error, BitmapError::None);
    EXPECT_EQ(decodeBitmap(file, 11).error, BitmapError::OutOfMemory);
}

TEST(BitmapDecoderErrors, RleStreamMustEndOrFillThePicture) {
    const std::vector<uint8_t> whole = {4, 0, 0, 0, 4, 0, 0, 1};
    TestBitmap bitmap;
    bitmap.width = 4;
    bitmap.height = 2;
    bitmap.bitCount = 8;
    bitmap.compression = 1;
    bitmap.coloursUsed = 1;
    bitmap.colours = {0xFFFFFF};
    const std::pair<std::vector<uint8_t>, BitmapError> streams[] = {
        {whole, BitmapError::None},
        {{4, 0, 0, 0, 4, 0, 0, 0}, BitmapError::None},             // the top row done
        {{4, 0}, BitmapError::ConversionError},                    // stops in the bottom row
        {{4, 0, 0, 0, 0, 5, 0, 0}, BitmapError::ConversionError},  // literal past the end
        {{0, 2, 1}, BitmapError::ConversionError},                 // delta cut off
    };
    for (const auto& [stream, expected] : streams) {
        bitmap.bits = stream;
        EXPECT_EQ(decodeError(buildBitmap(bitmap)), expected) << stream.size() << " bytes";
    }
    // The header's stream size ends the stream even when more bytes follow.
    bitmap.bits = whole;
    bitmap.imageSize = 4;
    EXPECT_EQ(decodeError(buildBitmap(bitmap)), BitmapError::ConversionError);
    // Run-length streams are stored bottom-up only.
    bitmap.height = -2;
    bitmap.imageSize = 0;
    EXPECT_EQ(decodeError(buildBitmap(bitmap)), BitmapError::ConversionError);
}

TEST(BitmapDecoderErrors, MessagesAreTheOnesTheUserSees) {
    EXPECT_STREQ(bitmapErrorMessage(BitmapError::UnknownFormat), "Unknown DIB file format.");
    EXPECT_STREQ(bitmapErrorMessage(BitmapError::OutOfMemory), "Out of memory.");
    EXPECT_STREQ(bitmapErrorMessage(BitmapError::ConversionError), "Image file conversion error.");
}

}  // namespace
