#include "tests/e2e/work_folder_setup.h"

#include <windows.h>

#include "contract/work_folder.h"
#include "tests/e2e/e2e_support.h"
#include "tests/support/bmp_file_writer.h"

namespace e2e {

namespace {

TestRgb rgbOf(unsigned colour) {
    return {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
            static_cast<uint8_t>(colour)};
}

bool writeOrRemove(bool wanted, const char* path, int size, unsigned colour) {
    if (!wanted) {
        DeleteFileA(path);
        return GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
    }
    return writeSolidTestBmp(path, size, size, rgbOf(colour));
}

}  // namespace

bool prepareWorkFolder(const WorkFiles& files) {
    CreateDirectoryA(contract::kWorkFolder, nullptr);
    bool ok = writeOrRemove(files.sky, contract::kSkyBitmapPath, 64, kSkyColour);
    ok = writeOrRemove(files.ground, contract::kGroundBitmapPath, 64, kGroundColour) && ok;
    ok = writeOrRemove(files.smoke, contract::kSmokeBitmapPath, 32, 0xFFFFFF) && ok;
    if (files.model) {
        ok = CopyFileA(shippedFile("Soravane.data").c_str(), contract::kModelPath, FALSE) && ok;
    } else {
        DeleteFileA(contract::kModelPath);
    }
    return ok;
}

}  // namespace e2e
