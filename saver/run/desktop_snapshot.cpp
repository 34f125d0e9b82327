#include "saver/run/desktop_snapshot.h"

#include "saver/runtime/win32_handles.h"

bool CopyMirrored(HDC source, PictureSurface& picture) {
    if (source == nullptr || picture.IsEmpty()) {
        return false;
    }
    const int width = picture.Width();
    const int height = picture.Height();
    SetStretchBltMode(picture.Dc(), COLORONCOLOR);
    // A negative width runs the destination leftwards from its x, that column included:
    // starting at Width() - 1 it covers columns Width() - 1 down to 0. (Starting at Width()
    // would leave column 0 untouched and drop the source's column 0.)
    return StretchBlt(picture.Dc(), width - 1, 0, -width, height, source, 0, 0, width, height,
                      SRCCOPY) != FALSE;
}

bool TakeDesktopSnapshot(PictureSurface& picture) {
    HWND desktop = GetDesktopWindow();
    const WindowDc desktopDc(desktop);
    return CopyMirrored(desktopDc.get(), picture);
}
