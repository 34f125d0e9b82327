#include "scene/bitmap/bitmap_file.h"

#include <cstdio>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "scene/error_box.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole file, or nothing when it cannot be opened or read to its end (a file too large
// to hold in memory counts as unreadable).
std::optional<std::vector<uint8_t>> readWholeFile(const char* path) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) {
        return std::nullopt;
    }
    try {
        constexpr size_t kChunk = 1 << 16;
        std::vector<uint8_t> bytes;
        size_t got = 0;
        do {
            const size_t used = bytes.size();
            bytes.resize(used + kChunk);
            got = std::fread(bytes.data() + used, 1, kChunk, file.get());
            bytes.resize(used + got);
        } while (got == kChunk);
        if (std::ferror(file.get())) {
            return std::nullopt;
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

void showOpenFailure(const char* path) {
    try {
        showErrorBox("Failed to open DIB file " + std::string(path) + ".\n");
    } catch (const std::bad_alloc&) {
        showErrorBox(bitmapErrorMessage(BitmapError::OutOfMemory));
    }
}

}  // namespace

std::unique_ptr<RgbImage> readBitmapFile(const char* path) {
    if (path == nullptr) {
        showOpenFailure("");
        return nullptr;
    }
    const std::optional<std::vector<uint8_t>> bytes = readWholeFile(path);
    // An empty file has nothing to map, so it fails like one that cannot be opened.
    if (!bytes || bytes->empty()) {
        showOpenFailure(path);
        return nullptr;
    }
    BitmapDecodeResult result = decodeBitmap(*bytes);
    if (result.error != BitmapError::None) {
        showErrorBox(bitmapErrorMessage(result.error));
        return nullptr;
    }
    return std::move(result.image);
}
