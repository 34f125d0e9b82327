#include "saver/dialog/layout.h"

#include <cmath>

#include "saver/runtime/rounding.h"

int ScaleForDpi(int pixels, int dpi) {
    return static_cast<int>(
        std::lround(static_cast<double>(pixels) * dpi / dialog_layout::kDesignDpi));
}

PixelRect ScaleForDpi(const PixelRect& rect, int dpi) {
    return {ScaleForDpi(rect.x, dpi), ScaleForDpi(rect.y, dpi), ScaleForDpi(rect.width, dpi),
            ScaleForDpi(rect.height, dpi)};
}

PixelPoint DialogPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 3};
}

std::vector<GradientRow> GradientRows(int clientHeight) {
    // 3.142, not pi: the arch reaches back to nearly, not exactly, zero at the bottom row.
    const double d = clientHeight / 3.142;
    std::vector<GradientRow> rows;
    if (clientHeight < 0) {
        return rows;
    }
    rows.reserve(static_cast<std::size_t>(clientHeight) + 1);
    for (int y = 0; y <= clientHeight; ++y) {
        const double sine = d > 0 ? std::sin(y / d) : 0.0;
        const auto v = static_cast<std::uint8_t>(RoundToInt16(std::fabs(sine * 220)).value_or(0));
        rows.push_back({y, v, v, static_cast<std::uint8_t>(v + 30)});
    }
    return rows;
}

std::vector<PixelPoint> TileCopies(int boxWidth, int boxHeight, int tileWidth, int tileHeight) {
    std::vector<PixelPoint> copies;
    if (tileWidth <= 0 || tileHeight <= 0) {
        return copies;
    }
    int x = 0;
    int y = 0;
    for (;;) {
        copies.push_back({x, y});
        if (y <= boxHeight) {
            y += tileHeight;
            continue;
        }
        if (x > boxWidth) {
            return copies;
        }
        x += tileWidth;
        y = 0;
    }
}
