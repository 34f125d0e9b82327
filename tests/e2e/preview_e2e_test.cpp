// Soravane.scr in preview mode: a borderless child titled "Preview Window" covers the host
// window named on the command line, in either spelling of the switch; it ends when the host
// is destroyed, and at once when the number names no window.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/e2e_support.h"
#include "tests/e2e/saver_e2e_support.h"

namespace {

using e2e::Process;

constexpr DWORD kShowTimeoutMs = 20000;
constexpr DWORD kEndTimeoutMs = 15000;
constexpr wchar_t kPreviewTitle[] = L"Preview Window";

// The control panel's preview window, as a plain top-level window of this process that
// pumps its messages while the test waits.
class HostWindow {
public:
    HostWindow(int width, int height)
        : window_(CreateWindowExW(0, L"STATIC", L"preview host", WS_POPUP | WS_VISIBLE, 100, 100,
                                  width, height, nullptr, nullptr, nullptr, nullptr)) {}
    ~HostWindow() { destroy(); }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND get() const { return window_; }
    std::string handleText() const {
        return std::to_string(static_cast<long long>(reinterpret_cast<INT_PTR>(window_)));
    }
    void destroy() {
        if (window_ != nullptr) {
            DestroyWindow(window_);
            window_ = nullptr;
        }
    }
    // The child titled "Preview Window", once the saver has placed and shown it (null after
    // the timeout). Messages are pumped meanwhile: the saver's SetParent waits on this thread.
    HWND waitForPreview(DWORD timeoutMs) const {
        const DWORD start = GetTickCount();
        for (;;) {
            pump();
            HWND child = FindWindowExW(window_, nullptr, nullptr, kPreviewTitle);
            if (child != nullptr && IsWindowVisible(child)) {
                return child;
            }
            if (GetTickCount() - start > timeoutMs) {
                return nullptr;
            }
            Sleep(20);
        }
    }
    static void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }

private:
    HWND window_;
};

long waitPumping(const Process& process, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HostWindow::pump();
        const long code = process.waitForExit(20);
        if (code != -1 || GetTickCount() - start > timeoutMs) {
            return code;
        }
    }
}

class Preview : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(folder.complete()); }
    e2e::SaverFolder folder;
};

TEST_P(Preview, ABorderlessChildCoversTheHostUntilTheHostIsDestroyed) {
    HostWindow host(152, 112);
    ASSERT_NE(host.get(), nullptr);
    Process saver = folder.startSaver(std::string(GetParam()) + host.handleText());
    ASSERT_TRUE(saver.started());

    const HWND preview = host.waitForPreview(kShowTimeoutMs);
    ASSERT_NE(preview, nullptr);
    const LONG style = GetWindowLongW(preview, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    RECT placed = {};
    GetWindowRect(preview, &placed);
    RECT hostRect = {};
    GetWindowRect(host.get(), &hostRect);
    EXPECT_EQ(placed.left, hostRect.left);
    EXPECT_EQ(placed.top, hostRect.top);
    EXPECT_EQ(placed.right - placed.left, 152);
    EXPECT_EQ(placed.bottom - placed.top, 112);
    EXPECT_TRUE(saver.running());

    host.destroy();
    EXPECT_EQ(waitPumping(saver, kEndTimeoutMs), 0);
    if (saver.running()) {
        saver.kill();
        saver.waitForExit(kEndTimeoutMs);
    }
}

INSTANTIATE_TEST_SUITE_P(Switches, Preview, ::testing::Values("/p ", "/p:"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return info.index == 0 ? std::string("Blank") : std::string("Colon");
                         });

TEST(PreviewWithoutHost, AHandleNamingNoWindowEndsAtOnce) {
    e2e::SaverFolder folder;
    ASSERT_TRUE(folder.complete());
    for (const char* arguments : {"/p 1234", "/p", "/p:0"}) {
        Process saver = folder.startSaver(arguments);
        ASSERT_TRUE(saver.started());
        EXPECT_EQ(saver.waitForExit(kEndTimeoutMs), 0) << arguments;
        if (saver.running()) {
            saver.kill();
        }
    }
}

}  // namespace
