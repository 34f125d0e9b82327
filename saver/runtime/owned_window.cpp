#include "saver/runtime/owned_window.h"

#include <string>

namespace {

bool RegisterWindowClass(const wchar_t* name, HBRUSH background, WNDPROC procedure) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

OwnedWindow::~OwnedWindow() {
    DestroyOwnedWindow();
}

bool OwnedWindow::CreateOwnedWindow(const WindowSpec& spec, std::wstring_view text) {
    if (window_ != nullptr ||
        !RegisterWindowClass(spec.className, spec.background, &OwnedWindow::WindowProcedure)) {
        return false;
    }
    const std::wstring caption(text);
    const auto menu = spec.parent != nullptr && (spec.style & WS_CHILD) != 0
                          ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id))
                          : nullptr;
    // WM_NCCREATE sets window_, so the messages of the window's creation reach the object.
    CreateWindowExW(spec.extendedStyle, spec.className, caption.c_str(), spec.style, spec.place.x,
                    spec.place.y, spec.place.width, spec.place.height, spec.parent, menu,
                    GetModuleHandleW(nullptr), this);
    return window_ != nullptr;
}

void OwnedWindow::DestroyOwnedWindow() {
    if (window_ == nullptr) {
        return;
    }
    const HWND window = window_;
    // The window procedure must not reach an object whose window is going away.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    window_ = nullptr;
    DestroyWindow(window);
}

LRESULT OwnedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK OwnedWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* owner =
            static_cast<OwnedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        owner->window_ = window;
    }
    auto* owner = reinterpret_cast<OwnedWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        owner->window_ = nullptr;
        try {
            owner->OnWindowDestroyed();
        } catch (...) {
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return owner->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}
