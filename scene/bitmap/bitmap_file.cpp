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

// The file's size as it stands, 0 when it cannot be told.
size_t fileSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return 0;
    }
    const long size = std::ftell(file);
    std::rewind(file);
    return size > 0 ? static_cast<size_t>(size) : 0;
}

// The whole file as its size stood when opened, or nothing when it cannot be opened or read
// (a file too large to hold in memory counts as unreadable). The buffer is sized once:
// growing it as the reading goes would hold two copies of a large file for a moment.
std::optional<std::vector<uint8_t>> readWholeFile(const char* path) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) {
        return std::nullopt;
    }
    try {
        std::vector<uint8_t> bytes(fileSize(file.get()));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
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
    std::optional<std::vector<uint8_t>> bytes = readWholeFile(path);
    // An empty file has nothing to map, so it fails like one that cannot be opened.
    if (!bytes || bytes->empty()) {
        showOpenFailure(path);
        return nullptr;
    }
    BitmapDecodeResult result = decodeBitmapInPlace(std::move(*bytes));
    if (result.error != BitmapError::None) {
        showErrorBox(bitmapErrorMessage(result.error));
        return nullptr;
    }
    return std::move(result.image);
}
