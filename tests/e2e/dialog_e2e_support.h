#pragma once
// Helpers for the settings dialog's and the preview's scenarios: finding a dialog control by
// its caption, pressing it as the mouse would, and reading the settings file's bytes.
#include <windows.h>

#include <string>

namespace e2e {

// The first window below `parent` (at any depth) with this caption (UTF-8) and, when given,
// this window class.
HWND findChildByText(HWND parent, const std::string& caption, const wchar_t* className = nullptr);

// The captions of every window below `parent`, one a line, for failure messages.
std::string windowTexts(HWND parent);

// A left click of the real mouse in the middle of `control`.
void clickControl(HWND control);
// Only a button going down over `control`.
void pressOnControl(HWND control, UINT buttonDownMessage);

// The client area's size and its top-left corner on the screen.
RECT clientRectOnScreen(HWND window);

}  // namespace e2e
