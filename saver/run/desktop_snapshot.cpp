#include "saver/run/desktop_snapshot.h"

#include <algorithm>
#include <cstdint>

#include "saver/runtime/win32_handles.h"

namespace {

// Reverses the order of the 3-byte pixels in each row, in place.
void MirrorRows(PictureSurface& picture) {
    const std::span<std::uint8_t> rows = picture.Rows();
    const std::size_t stride = static_cast<std::size_t>(picture.Stride());
    const std::size_t width = static_cast<std::size_t>(picture.Width());
    for (std::size_t rowStart = 0; rowStart < rows.size(); rowStart += stride) {
        std::uint8_t* left = &rows[rowStart];
        std::uint8_t* right = left + (width - 1) * 3;
        for (; left < right; left += 3, right -= 3) {
            std::swap_ranges(left, left + 3, right);
        }
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
