#pragma once
// Builds small bitmap files for the reader's tests, field by field, so that each test states
// the bytes it feeds the reader instead of depending on committed binaries.
#include <cstdint>
#include <optional>
#include <vector>

struct TestBitmap {
    bool fileHeader = true;    // the 14-byte "BM" header
    uint32_t headerSize = 40;  // 12 writes a core header; larger sizes carry `masks` inside
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    uint32_t coloursUsed = 0;
    std::vector<uint32_t> masks;    // after a 40-byte header when not empty
    std::vector<uint32_t> colours;  // colour table entries as 0xRRGGBB
    std::vector<uint8_t> bits;
    std::optional<uint32_t> bitsOffset;  // file header field; by default right after the table
};

std::vector<uint8_t> buildBitmap(const TestBitmap& bitmap);

// Joins stored rows, each padded to whole 32-bit words, in the order given.
std::vector<uint8_t> paddedRows(const std::vector<std::vector<uint8_t>>& rows);
