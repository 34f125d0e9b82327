// Skymere_R inside a host window: a borderless child covering the host with its picture
// stretched to it, gone (with the process's last form) when the host is destroyed, and gone
// too when its host disappears without taking it along.
#include <gtest/gtest.h>

#include "saver/preview/skymere_r.h"
#include "saver/runtime/application.h"

namespace {

HWND MakeHost(int width, int height) {
    return CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 50, 60, width, height,
                           nullptr, nullptr, nullptr, nullptr);
}

// The host is not the picture's 152 x 112: the picture is stretched to it.
TEST(PreviewForm, ABorderlessChildCoversTheHostWithItsPictureAndGoesWithIt) {
    Application app;
    HWND host = MakeHost(200, 150);
    Skymere_R preview(app, GetModuleHandleW(nullptr));
    preview.ShowInside(host);
    const LONG style = GetWindowLongW(preview.Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME), WS_CHILD);
    EXPECT_TRUE(IsWindowVisible(preview.Window()));
    for (HWND window : {preview.Window(), GetDlgItem(preview.Window(), Skymere_R::kImg_Prev)}) {
        RECT placed = {};
        const RECT hostArea = {50, 60, 250, 210};
        GetWindowRect(window, &placed);
        EXPECT_TRUE(EqualRect(&placed, &hostArea)) << placed.right - placed.left << " wide";
    }
    DestroyWindow(host);
    EXPECT_FALSE(preview.IsLoaded());
    EXPECT_EQ(app.Run(), 0);  // returns at once: nothing left to wait for
}

TEST(PreviewForm, TheWatchUnloadsTheFormOnceItsHostHasGone) {
    Application app;
    // A host whose destruction leaves the child behind: the child is re-parented away first,
    // as can happen when the control panel's window lives in another process.
    HWND host = MakeHost(152, 112);
    Skymere_R preview(app, GetModuleHandleW(nullptr));
    preview.ShowInside(host);
    SetParent(preview.Window(), nullptr);
    DestroyWindow(host);
    ASSERT_TRUE(preview.IsLoaded());
    EXPECT_EQ(app.Run(), 0);  // returns once the watch has unloaded the form
    EXPECT_FALSE(preview.IsLoaded());
}

}  // namespace
