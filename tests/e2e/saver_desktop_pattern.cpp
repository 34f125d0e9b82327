#include "tests/e2e/saver_desktop_pattern.h"

namespace e2e {

namespace {

constexpr wchar_t kClassName[] = L"SoravaneTestDesktopPattern";

}  // namespace

DWORD desktopPatternColour(int x, int y) {
    const DWORD red = static_cast<DWORD>(x % 256);
    const DWORD green = static_cast<DWORD>(x / 256 * 30 + 10);
    const DWORD blue = static_cast<DWORD>(y % 256);
    return red << 16 | green << 8 | blue;
}

DesktopPattern::DesktopPattern()
    : width_(GetSystemMetrics(SM_CXSCREEN)), height_(GetSystemMetrics(SM_CYSCREEN)) {
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            pixels_[static_cast<std::size_t>(y) * width_ + x] = desktopPatternColour(x, y);
        }
    }
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &DesktopPattern::procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"Soravane test desktop", WS_POPUP, 0, 0,
                              width_, height_, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (window_ != nullptr) {
        ShowWindow(window_, SW_SHOW);
        UpdateWindow(window_);
        pumpFor(500);
    }
}

DesktopPattern::~DesktopPattern() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
        pumpFor(100);
    }
}

void DesktopPattern::pumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

LRESULT CALLBACK DesktopPattern::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    const auto* self =
        reinterpret_cast<const DesktopPattern*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_PAINT && self != nullptr) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        self->paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_ERASEBKGND) {
        return 1;  // the paint covers every pixel
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void DesktopPattern::paint(HDC dc) const {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, width_, height_, 0, 0, 0, height_, pixels_.data(), &info,
                      DIB_RGB_COLORS);
}

}  // namespace e2e
