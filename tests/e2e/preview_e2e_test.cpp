// Soravane.scr in preview mode: the preview form, titled "Preview Window", shows inside the
// host window named on the command line, in either spelling of the switch, until the host is
// destroyed; then the saver ends.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/saver_e2e_support.h"

namespace {

// Dispatches this thread's messages (the saver's SetParent waits on the host's thread) until
// `done` or `timeoutMs` has passed.
template <typename Done>
bool pumpUntil(Done done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

TEST(Preview, ShowsInsideTheNamedHostUntilTheHostIsDestroyed) {
    e2e::SaverFolder folder;
    ASSERT_TRUE(folder.complete());
    for (const char* switchText : {"/p ", "/p:"}) {
        HWND host = CreateWindowExW(0, L"STATIC", L"preview host", WS_POPUP | WS_VISIBLE, 100, 100,
                                    152, 112, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(host, nullptr);
        e2e::Process saver = folder.startSaver(
            switchText + std::to_string(static_cast<long long>(reinterpret_cast<INT_PTR>(host))));
        HWND preview = nullptr;
        ASSERT_TRUE(pumpUntil(
            [&] {
                preview = FindWindowExW(host, nullptr, nullptr, L"Preview Window");
                return preview != nullptr && IsWindowVisible(preview);
            },
            20000))
            << switchText;
        EXPECT_TRUE(saver.running());

        DestroyWindow(host);
        EXPECT_TRUE(pumpUntil([&] { return !saver.running(); }, 15000)) << switchText;
        EXPECT_EQ(saver.waitForExit(0), 0);
        saver.kill();
    }
}

}  // namespace
