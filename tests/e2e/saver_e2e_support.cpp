#include "tests/e2e/saver_e2e_support.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <numeric>
#include <random>

#include "contract/work_folder.h"
#include "saver/runtime/win32_text.h"
#include "tests/support/bmp_file_writer.h"
#include "tests/support/whole_files.h"
#include "tools/jet_model/ms3d_writer.h"

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
    const auto writeOrRemove = [](bool wanted, const char* path, int size, COLORREF colour) {
        DeleteFileA(path);
        const TestRgb rgb = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
        return !wanted || writeSolidTestBmp(path, size, size, rgb);
    };
    bool ok = writeOrRemove(files.sky, contract::kSkyBitmapPath, 64, kSkyColour);
    ok = writeOrRemove(files.ground, contract::kGroundBitmapPath, 64, kGroundColour) && ok;
    ok = writeOrRemove(files.smoke, contract::kSmokeBitmapPath, 32, 0xFFFFFF) && ok;
    DeleteFileA(contract::kModelPath);
    if (files.model && files.modelTriangles > 0) {
        // Copies of one small triangle in one group without a material: each is drawn, lit
        // and depth-tested on every frame.
        ModelData model;
        model.vertices = {{0, {-1.5f, 0, 0}}, {0, {1.5f, 0, 0}}, {0, {0, 1.5f, 0}}};
        model.triangles.resize(static_cast<size_t>(files.modelTriangles),
                               {.vertexIndices = {0, 1, 2}});
        model.meshes = {{-1, std::vector<int32_t>(model.triangles.size())}};
        std::iota(model.meshes[0].triangleIndices.begin(), model.meshes[0].triangleIndices.end(),
                  0);
        const std::vector<uint8_t> bytes = writeMs3d(model);
        return writeWholeFile(contract::kModelPath, std::string(bytes.begin(), bytes.end())) && ok;
    }
    return (!files.model ||
            CopyFileA(shippedFile("Soravane.data").c_str(), contract::kModelPath, FALSE)) &&
           ok;
}

COLORREF pixelAt(const RgbImage& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(image.height - 1 - y) * image.width + x) * 3;
    return RGB(image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]);
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

HeardTone listen(const std::string& capture, double markerHz, double bodyHz) {
    HeardTone heard;
    const std::string file = readWholeFile(capture);
    const size_t data = file.find("data", 36);  // after the format's fields
    if (data == std::string::npos) {
        return heard;
    }
    const auto field = [&](size_t at, size_t size) {
        uint32_t value = 0;
        std::memcpy(&value, file.data() + at, size);
        return value;
    };
    const uint32_t rate = field(24, 4);
    const uint32_t width = field(34, 2) / 8;
    const uint32_t frame = width * field(22, 2);
    // Whether a period of `samples` is within a tenth of the period of `hz`.
    const auto isPeriodOf = [&](double samples, double hz) {
        return std::abs(samples * hz / rate - 1) < 0.1;
    };
    size_t lastRise = 0;
    bool wasNegative = false;
    int markerPeriods = 0;
    double bodyPeriods = 0;
    double bodySamples = 0;
    for (size_t i = 0; frame > 0 && data + 8 + (i + 1) * frame <= file.size(); ++i) {
        // The first channel's sign: the top bit of its last byte, in integers and floats alike.
        const bool negative = (field(data + 8 + i * frame + width - 1, 1) & 0x80) != 0;
        if (wasNegative && !negative) {
            const double period = static_cast<double>(i - lastRise);
            lastRise = i;
            if (isPeriodOf(period, markerHz)) {
                heard.starts += ++markerPeriods == 20;
            } else if (isPeriodOf(period, bodyHz)) {
                markerPeriods = 0;
                ++bodyPeriods;
                bodySamples += period;
            }
        }
        wasNegative = negative;
    }
    heard.bodyHz = bodySamples > 0 ? rate * bodyPeriods / bodySamples : 0;
    return heard;
}

}  // namespace e2e
