#include "saver/run/desktop_snapshot.h"

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
    // stretching code that a negative width sends it through.
    if (BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), source, 0, 0, SRCCOPY) ==
        FALSE) {
        return false;
    }
    MirrorRows(picture);
    return true;
}

bool TakeDesktopSnapshot(PictureSurface& picture) {
    HWND desktop = GetDesktopWindow();
    const WindowDc desktopDc(desktop);
    return CopyMirrored(desktopDc.get(), picture);
}
