// Skymere_R inside a host window: a borderless child covering the host with its picture
// stretched to it, and gone (with the process's last form) when the host is destroyed.
#include <gtest/gtest.h>

#include "saver/preview/skymere_r.h"
#include "saver/runtime/application.h"

namespace {

class PreviewHost : public ::testing::TestWithParam<SIZE> {
protected:
    void SetUp() override {
        host = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_VISIBLE, 50, 60, GetParam().cx,
                               GetParam().cy, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override {
        if (IsWindow(host)) {
            DestroyWindow(host);
        }
    }
    Application app;
    HWND host = nullptr;
};

TEST_P(PreviewHost, ABorderlessChildCoversTheHostAndGoesWithIt) {
    Skymere_R preview(app, GetModuleHandleW(nullptr));
    preview.ShowInside(host);
    ASSERT_TRUE(preview.IsLoaded());
    const HWND form = preview.Window();
    EXPECT_EQ(GetParent(form), host);
    const LONG style = GetWindowLongW(form, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0);
    EXPECT_TRUE(IsWindowVisible(form));

    RECT placed = {};
    GetWindowRect(form, &placed);
    RECT hostRect = {};
    GetWindowRect(host, &hostRect);
    EXPECT_EQ(placed.left, hostRect.left);
    EXPECT_EQ(placed.top, hostRect.top);
    EXPECT_EQ(placed.right - placed.left, GetParam().cx);
    EXPECT_EQ(placed.bottom - placed.top, GetParam().cy);

    RECT image = {};
    GetWindowRect(GetDlgItem(form, Skymere_R::kImg_Prev), &image);
    EXPECT_EQ(image.left, hostRect.left);
    EXPECT_EQ(image.right - image.left, GetParam().cx);
    EXPECT_EQ(image.bottom - image.top, GetParam().cy);

    DestroyWindow(host);
    EXPECT_FALSE(preview.IsLoaded());
    EXPECT_EQ(app.Run(), 0);  // returns at once: nothing left to wait for
}

INSTANTIATE_TEST_SUITE_P(Sizes, PreviewHost, ::testing::Values(SIZE{152, 112}, SIZE{200, 150}),
                         [](const ::testing::TestParamInfo<SIZE>& info) {
                             return info.index == 0 ? std::string("ControlPanelSize")
                                                    : std::string("Larger");
                         });

TEST(PreviewOrphan, TheWatchUnloadsTheFormOnceItsHostHasGone) {
    Application app;
    // A host whose destruction leaves the child behind: the child is re-parented away first,
    // as can happen when the control panel's window lives in another process.
    HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 152, 112, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(host, nullptr);
    Skymere_R preview(app, GetModuleHandleW(nullptr));
    preview.ShowInside(host);
    ASSERT_TRUE(preview.IsLoaded());
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
