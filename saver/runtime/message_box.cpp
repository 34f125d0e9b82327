#include "saver/runtime/message_box.h"

#include <windows.h>

#include "saver/runtime/win32_text.h"

void ShowMessageBox(std::string_view text, std::string_view caption, HWND owner) {
    // Without an owner the saver has no visible window: MB_SETFOREGROUND brings the box in front
    // of the control panel or the desktop that started the saver.
    MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(),
                MB_OK | MB_SETFOREGROUND);
}
