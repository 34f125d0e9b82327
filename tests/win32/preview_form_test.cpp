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

TEST(PreviewForm, ABorderlessChildCoversTheHostWithItsPictureAndGoesWithIt) {
    for (const SIZE size : {SIZE{152, 112}, SIZE{200, 150}}) {
        Application app;
        HWND host = MakeHost(size.cx, size.cy);
        Skymere_R preview(app, GetModuleHandleW(nullptr));
        preview.ShowInside(host);
        ASSERT_TRUE(preview.IsLoaded());
        EXPECT_EQ(GetParent(preview.Window()), host);
        const LONG style = GetWindowLongW(preview.Window(), GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME), WS_CHILD);
        EXPECT_TRUE(IsWindowVisible(preview.Window()));
        for (HWND window : {preview.Window(), GetDlgItem(preview.Window(), Skymere_R::kImg_Prev)}) {
            RECT placed = {};
            GetWindowRect(window, &placed);
            EXPECT_EQ(placed.left, 50);
            EXPECT_EQ(placed.top, 60);
            EXPECT_EQ(placed.right - placed.left, size.cx);
            EXPECT_EQ(placed.bottom - placed.top, size.cy);
        }
        DestroyWindow(host);
        EXPECT_FALSE(preview.IsLoaded());
        EXPECT_EQ(app.Run(), 0);  // returns at once: nothing left to wait for
    }
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
    const DWORD start = GetTickCount();
    while (preview.IsLoaded() && GetTickCount() - start < 5000) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    EXPECT_FALSE(preview.IsLoaded());
}

}  // namespace
