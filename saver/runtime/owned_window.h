#pragma once
// A window that belongs to one C++ object, a form or a control. The object travels in
// CreateWindowExW's creation parameter, is kept in GWLP_USERDATA from WM_NCCREATE on and
// receives every message through HandleMessage; no exception leaves the window procedure (the
// platform's default answer stands instead).
//
// Destroying the window through the object (DestroyOwnedWindow, or the object going away) sends
// it no further message. A window destroyed from outside, with its parent say, lets the object
// know through OnWindowDestroyed; either way Window() is null afterwards.
#include <windows.h>

#include <string_view>

#include "saver/runtime/geometry.h"

class OwnedWindow {
public:
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;

    HWND Window() const { return window_; }

protected:
    // What CreateOwnedWindow makes: a window of class `className` (registered once per process,
    // arrow cursor, `background` brush or none), at `place` in pixels (the parent's client area
    // for a child), `id` its control id when it is a child.
    struct WindowSpec {
        const wchar_t* className = nullptr;
        HBRUSH background = nullptr;
        DWORD style = 0;
        DWORD extendedStyle = 0;
        PixelRect place;
        HWND parent = nullptr;
        int id = 0;
    };

    OwnedWindow() = default;
    virtual ~OwnedWindow();

    // False when the window cannot be made, or the object has one already.
    bool CreateOwnedWindow(const WindowSpec& spec, std::wstring_view text);
    void DestroyOwnedWindow();

    // Every message while the window belongs to the object; the default is DefWindowProcW's.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window was destroyed by someone other than the object.
    virtual void OnWindowDestroyed() {}

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

    HWND window_ = nullptr;
};
