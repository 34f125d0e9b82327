#include "scene/win32/monitor_covers.h"

namespace {

constexpr char kCoverClassName[] = "OpenGLCover";

HINSTANCE coverInstance = nullptr;
std::vector<HWND> coverWindows;

bool registerCoverClass(HINSTANCE instance) {
    WNDCLASSA coverClass = {};
    coverClass.lpfnWndProc = DefWindowProcA;
    coverClass.hInstance = instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = kCoverClassName;
    return RegisterClassA(&coverClass) != 0;
}

}  // namespace

std::vector<ScreenRect> monitorRects() {
    std::vector<ScreenRect> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT rect, LPARAM found) -> BOOL {
            reinterpret_cast<std::vector<ScreenRect>*>(found)->push_back(
                {rect->left, rect->top, rect->right, rect->bottom});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

void coverScreens(HINSTANCE instance, std::span<const ScreenRect> covers) {
    if (covers.empty() || !registerCoverClass(instance)) {
        return;
    }
    coverInstance = instance;
    for (const ScreenRect& cover : covers) {
        HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                      kCoverClassName, "", WS_POPUP | WS_DISABLED, cover.left,
                                      cover.top, cover.right - cover.left, cover.bottom - cover.top,
                                      nullptr, nullptr, instance, nullptr);
        if (window != nullptr) {
            ShowWindow(window, SW_SHOWNOACTIVATE);
            coverWindows.push_back(window);
        }
    }
}

void uncoverScreens() {
    for (HWND window : coverWindows) {
        DestroyWindow(window);
    }
    coverWindows.clear();
    if (coverInstance != nullptr) {
        UnregisterClassA(kCoverClassName, coverInstance);
        coverInstance = nullptr;
    }
}
