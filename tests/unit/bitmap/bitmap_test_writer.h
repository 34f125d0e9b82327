#pragma once
// Builds small bitmap files field by field, so that each test states the bytes it feeds the
// reader. The setters return the bitmap: TestBitmap(2, 1, 4, bits, colours).bare().used(16).
#include <algorithm>
#include <cstdint>
#include <vector>

struct TestBitmap {
    TestBitmap(int32_t w, int32_t h, uint16_t depth, std::vector<uint8_t> b,
               std::vector<uint32_t> table = {})
        : width(w), height(h), bitCount(depth), colours(std::move(table)), bits(std::move(b)) {}

    TestBitmap& bare() { return fileHeader = false, *this; }  // no 14-byte "BM" header
    TestBitmap& core() { return headerSize = 12, *this; }
    TestBitmap& header(uint32_t size) { return headerSize = size, *this; }
    TestBitmap& rle(uint32_t kind, uint32_t size = 0) {
        return compression = kind, imageSize = size, *this;
    }
    TestBitmap& bitfields(std::vector<uint32_t> m = {}) {
        return compression = 3, masks = m, *this;
    }
    TestBitmap& used(uint32_t count) { return coloursUsed = count, *this; }
    TestBitmap& bitsAt(uint32_t offset) { return bitsOffset = offset, *this; }
    TestBitmap& cut(size_t size) { return length = size, *this; }  // the file's first bytes

    bool fileHeader = true;
    uint32_t headerSize = 40;  // larger sizes carry `masks` inside
    int32_t width, height;
    uint16_t bitCount;
    uint32_t compression = 0, imageSize = 0, coloursUsed = 0;
    std::vector<uint32_t> masks;    // right after the header's first 40 bytes
    std::vector<uint32_t> colours;  // 0xRRGGBB
    std::vector<uint8_t> bits;
    uint32_t bitsOffset = 0;  // 0: right after the colour table
    size_t length = SIZE_MAX;
};

inline std::vector<uint8_t> buildBitmap(const TestBitmap& bitmap) {
    std::vector<uint8_t> dib, file;
    const auto put = [](std::vector<uint8_t>& out, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<uint8_t>(value >> (8 * i)));
        }
    };
    const bool core = bitmap.headerSize == 12;
    put(dib, bitmap.headerSize, 4);
    put(dib, static_cast<uint32_t>(bitmap.width), core ? 2 : 4);
    put(dib, static_cast<uint32_t>(bitmap.height), core ? 2 : 4);
    put(dib, 1, 2);  // planes
    put(dib, bitmap.bitCount, 2);
    if (!core) {
        for (uint32_t field :
             {bitmap.compression, bitmap.imageSize, 2835u, 2835u, bitmap.coloursUsed, 0u}) {
            put(dib, field, 4);
        }
        for (uint32_t mask : bitmap.masks) {
            put(dib, mask, 4);
        }
        dib.resize(std::max<size_t>(dib.size(), bitmap.headerSize));
    }
    for (uint32_t colour : bitmap.colours) {
        put(dib, colour, core ? 3 : 4);
    }
    if (bitmap.fileHeader) {
        const uint32_t offset = 14 + static_cast<uint32_t>(dib.size());
        file = {'B', 'M'};
        put(file, offset + static_cast<uint32_t>(bitmap.bits.size()), 4);
        put(file, 0, 4);
        put(file, bitmap.bitsOffset != 0 ? bitmap.bitsOffset : offset, 4);
    }
    file.insert(file.end(), dib.begin(), dib.end());
    file.insert(file.end(), bitmap.bits.begin(), bitmap.bits.end());
    file.resize(std::min(file.size(), bitmap.length));
    return file;
}
