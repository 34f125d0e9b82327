#pragma once
// The window procedure of a window owned by a C++ object (a form or a control). The object
// travels in CreateWindowExW's creation parameter, is kept in GWLP_USERDATA from WM_NCCREATE
// on, and receives every message through its HandleMessage. No exception leaves the window
// procedure: the platform's default answer stands instead.
//
// RegisterOwnedWindowClass registers such a class once per process.
//
// An owner declares `template <class> friend LRESULT CALLBACK DispatchToOwner(...)` and has a
// member `HWND window_` and `LRESULT HandleMessage(UINT, WPARAM, LPARAM)`.
#include <windows.h>

template <class Owner>
LRESULT CALLBACK DispatchToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* owner = static_cast<Owner*>(creation->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        owner->window_ = window;
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return owner->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Registers the window class `name` of `Owner`'s windows (arrow cursor, the given background
// brush or none); true when the class exists afterwards, also from an earlier registration.
template <class Owner>
bool RegisterOwnedWindowClass(const wchar_t* name, HBRUSH background = nullptr) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &DispatchToOwner<Owner>;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
