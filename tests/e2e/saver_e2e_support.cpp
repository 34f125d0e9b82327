#include "tests/e2e/saver_e2e_support.h"

#include <filesystem>
#include <random>

#include "contract/work_folder.h"
#include "saver/runtime/win32_text.h"
#include "scene/bitmap/bitmap_decoder.h"
#include "tests/support/bmp_file_writer.h"
#include "tests/support/whole_files.h"

namespace e2e {
namespace {

// Removes `folder` with everything in it, read-only files included.
void removeFolder(const std::string& folder) {
    const std::filesystem::path path(Utf8ToWide(folder));
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(path, ignored)) {
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path, ignored);
}

}  // namespace

SaverFolder::SaverFolder(const std::string& nameEnd) {
    std::random_device seed;
    folder_ = (std::filesystem::temp_directory_path() /
               ("soravane-saver-" + std::to_string(seed()) + std::to_string(seed())))
                  .string() +
              nameEnd;
    complete_ = CreateDirectoryW(Utf8ToWide(folder_).c_str(), nullptr) != FALSE;
    for (const char* name : {"Soravane.scr", "Soravane.dll", "Soravane.data"}) {
        complete_ = CopyFileW(Utf8ToWide(shippedFile(name)).c_str(), Utf8ToWide(file(name)).c_str(),
                              FALSE) &&
                    complete_;
    }
}

SaverFolder::~SaverFolder() {
    removeFolder(folder_);
}

Process SaverFolder::startSaver(const std::string& arguments) const {
    return Process('"' + file("Soravane.scr") + "\" " + arguments);
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void removeWorkFolder() {
    removeFolder(contract::kWorkFolder);
}

bool prepareWorkFolder(const WorkFiles& files) {
    CreateDirectoryA(contract::kWorkFolder, nullptr);
    const auto writeOrRemove = [](bool wanted, const char* path, int size, DWORD colour) {
        DeleteFileA(path);
        const TestRgb rgb = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                             static_cast<uint8_t>(colour)};
        return !wanted || writeSolidTestBmp(path, size, size, rgb);
    };
    bool ok = writeOrRemove(files.sky, contract::kSkyBitmapPath, 64, kSkyColour);
    ok = writeOrRemove(files.ground, contract::kGroundBitmapPath, 64, kGroundColour) && ok;
    ok = writeOrRemove(files.smoke, contract::kSmokeBitmapPath, 32, 0xFFFFFF) && ok;
    DeleteFileA(contract::kModelPath);
    return (!files.model ||
            CopyFileA(shippedFile("Soravane.data").c_str(), contract::kModelPath, FALSE)) &&
           ok;
}

std::optional<RgbImage> readBitmap(const std::string& path) {
    const std::string bytes = readWholeFile(path);
    BitmapDecodeResult decoded =
        decodeBitmap(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    if (decoded.error != BitmapError::None) {
        return std::nullopt;
    }
    return std::move(*decoded.image);
}

DWORD pixelAt(const RgbImage& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(image.height - 1 - y) * image.width + x) * 3;
    return static_cast<DWORD>(image.pixels[at]) << 16 |
           static_cast<DWORD>(image.pixels[at + 1]) << 8 | image.pixels[at + 2];
}

std::optional<int> cursorDisplayCount(HWND window) {
    const DWORD thread = window != nullptr ? GetWindowThreadProcessId(window, nullptr) : 0;
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // this thread needs a message queue
    if (thread == 0 || !AttachThreadInput(GetCurrentThreadId(), thread, TRUE)) {
        return std::nullopt;
    }
    // Showing returns the new count; hiding again leaves the count as it was.
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
    return count;
}

}  // namespace e2e
