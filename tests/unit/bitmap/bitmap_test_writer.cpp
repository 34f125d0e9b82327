#include "tests/unit/bitmap/bitmap_test_writer.h"

#include <algorithm>

namespace {

void put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

std::vector<uint8_t> buildBitmap(const TestBitmap& bitmap) {
    const bool core = bitmap.headerSize == 12;
    const int sizeBytes = core ? 2 : 4;
    std::vector<uint8_t> dib;
    put(dib, bitmap.headerSize, 4);
    put(dib, static_cast<uint32_t>(bitmap.width), sizeBytes);
    put(dib, static_cast<uint32_t>(bitmap.height), sizeBytes);
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

    std::vector<uint8_t> file;
    if (bitmap.fileHeader) {
        const uint32_t offset = 14 + static_cast<uint32_t>(dib.size());
        file = {'B', 'M'};
        put(file, offset + static_cast<uint32_t>(bitmap.bits.size()), 4);
        put(file, 0, 4);
        put(file, bitmap.bitsOffset.value_or(offset), 4);
    }
    file.insert(file.end(), dib.begin(), dib.end());
    file.insert(file.end(), bitmap.bits.begin(), bitmap.bits.end());
    return file;
}

std::vector<uint8_t> paddedRows(const std::vector<std::vector<uint8_t>>& rows) {
    std::vector<uint8_t> out;
    for (const std::vector<uint8_t>& row : rows) {
        out.insert(out.end(), row.begin(), row.end());
        out.resize(out.size() + (4 - row.size() % 4) % 4, 0);
    }
    return out;
}
