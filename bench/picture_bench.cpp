// The scene's picture work at start-up, natively, without OpenGL:
//
//   the bitmap reader decoding a 1920 x 1080 24-bit picture, in GB/s of file;
//   the mipmap levels of that picture (scaled to 2048 x 1024, then halved down to 1 x 1), made
//   as the scene makes them, from the file's own rows.
//
// Each is run several times; the median is printed, with the fastest and the slowest.
//
//   picture_bench [runs]      (default 21)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"
#include "scene/mipmap_levels.h"
#include "tests/support/bmp_file_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Milliseconds of each of `runs` calls of `work`, sorted.
template <typename Work>
std::vector<double> timeRuns(int runs, Work work) {
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    // A desktop-like picture: every pixel different, so that nothing is a run of one value.
    const std::vector<uint8_t> file = encodeTestBmp(kWidth, kHeight, [](int x, int y) {
        return TestRgb{static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                       static_cast<uint8_t>(x * 7 + y * 3)};
    });

    RgbImage picture;
    const std::vector<double> decoding = timeRuns(runs, [&] {
        BitmapDecodeResult result = decodeBitmap(file);
        picture = std::move(*result.image);
    });
    const auto gigabytesPerSecond = [&](double ms) {
        return static_cast<double>(file.size()) / (ms * 1e6);
    };
    std::printf(
        "bitmap reader, 24-bit %d x %d: %.2f GB/s median (fastest %.2f, slowest %.2f; "
        "%d runs)\n",
        kWidth, kHeight, gigabytesPerSecond(decoding[decoding.size() / 2]),
        gigabytesPerSecond(decoding.front()), gigabytesPerSecond(decoding.back()), runs);

    const RgbRows rows = *storedRgbRows(file);
    const std::vector<double> levels =
        timeRuns(runs, [&] { mipmapLevels(rows, mipmapSide(kWidth), mipmapSide(kHeight)); });
    std::printf("mipmap levels of %d x %d: %.1f ms median (fastest %.1f, slowest %.1f; %d runs)\n",
                kWidth, kHeight, levels[levels.size() / 2], levels.front(), levels.back(), runs);
    return 0;
}
