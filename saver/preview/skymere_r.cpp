#include "saver/preview/skymere_r.h"

#include "saver/resources/resource_ids.h"

namespace {

constexpr UINT kHostWatchIntervalMs = 500;

// Black, no border, no icon.
FormStyle PreviewStyle() {
    return {.style = WS_POPUP | WS_CLIPCHILDREN, .x = 0, .y = 0, .width = 0, .height = 0};
}

}  // namespace

Skymere_R::Skymere_R(Application& application, HMODULE resources)
    : Form(application, kCaption, PreviewStyle()),
      HostWatch(*this, kHostWatch, kHostWatchIntervalMs, false) {
    background_.LoadBitmapResource(resources, SORAVANE_RESOURCE_PREVIEW_BACK);
    preview_.LoadBitmapResource(resources, SORAVANE_RESOURCE_PREVIEW);
}

void Skymere_R::OnLoad() {
    SetBackground(&background_);
    // At design time the image has its picture's size, at the top-left corner.
    Img_Prev.Create(Window(), kImg_Prev, {0, 0, preview_.Width(), preview_.Height()},
                    PictureLook(&preview_, true, &background_));
}

void Skymere_R::ShowInside(HWND host) {
    if (!Load()) {
        return;
    }
    host_ = host;
    RECT hostRect = {};
    GetWindowRect(host, &hostRect);
    const int width = hostRect.right - hostRect.left;
    const int height = hostRect.bottom - hostRect.top;

    // A child may not be a pop-up as well: the one bit goes as the other comes.
    const LONG_PTR style = GetWindowLongPtrW(Window(), GWL_STYLE);
    SetWindowLongPtrW(Window(), GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
    SetParent(Window(), host);
    SetWindowPos(Window(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    // The picture is 152 x 112; a host of another size gets it stretched to fit.
    SetWindowPos(Img_Prev.Window(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    HostWatch.SetEnabled(true);
    ShowWindow(Window(), SW_SHOWNA);
}

void Skymere_R::OnTimer(Timer& timer) {
    if (timer.Id() == kHostWatch && IsWindow(host_) == FALSE) {
        Unload();
    }
}
