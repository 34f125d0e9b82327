#include "saver/run/desktop_snapshot.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "saver/runtime/win32_handles.h"

namespace {

// Reverses the order of the 3-byte pixels in each row.
void MirrorRows(PictureSurface& picture) {
    const std::span<std::uint8_t> rows = picture.Rows();
    const std::size_t stride = static_cast<std::size_t>(picture.Stride());
    const std::size_t width = static_cast<std::size_t>(picture.Width());
    // Each row goes mirrored into `mirrored` and back: a pixel moves as one 4-byte copy (its
    // fourth byte overwritten by the next pixel), much faster than swapping bytes in place.
    std::vector<std::uint8_t> mirrored(width * 3 + 1);
    for (std::size_t rowStart = 0; rowStart < rows.size(); rowStart += stride) {
        std::uint8_t* const row = &rows[rowStart];
        const std::uint8_t* from = row + (width - 1) * 3;
        std::uint8_t* to = mirrored.data();
        std::memcpy(to, from, 3);  // the last pixel has no fourth byte in the row
        for (std::size_t x = 1; x < width; ++x) {
            from -= 3;
            to += 3;
            std::memcpy(to, from, 4);
        }
        std::memcpy(row, mirrored.data(), width * 3);
    }
}

}  // namespace

bool CopyMirrored(HDC source, PictureSurface& picture) {
    if (source == nullptr || picture.IsEmpty()) {
        return false;
    }
    // A plain copy mirrored in memory: the pixels a mirroring StretchBlt gives, without the
    // stretching code that a negative width sends it through. The copy goes in bands of about
    // a megabyte of 32-bit pixels: a screen's display server (X under Wine) hands each band
    // over in a buffer of that size, and a buffer that size is reused from one band to the
    // next, where a whole screen's would be fresh memory each time.
    const int width = picture.Width();
    const int height = picture.Height();
    const int bandRows = std::max(1, (1 << 20) / (4 * width));
    for (int top = 0; top < height; top += bandRows) {
        const int rows = std::min(bandRows, height - top);
        if (BitBlt(picture.Dc(), 0, top, width, rows, source, 0, top, SRCCOPY) == FALSE) {
            std::ranges::fill(picture.Rows(), std::uint8_t{0});
            return false;
        }
    }
    MirrorRows(picture);
    return true;
}

bool TakeDesktopSnapshot(PictureSurface& picture) {
    HWND desktop = GetDesktopWindow();
    const WindowDc desktopDc(desktop);
    return CopyMirrored(desktopDc.get(), picture);
}
