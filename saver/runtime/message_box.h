#pragma once
// The forms run-time's message box: a text, an OK button and a caption, through MessageBoxW
// so that Japanese texts show whatever the system's code page. Returns when it is closed;
// `owner`, when given, takes no input meanwhile.
#include <windows.h>

#include <string_view>

void ShowMessageBox(std::string_view text, std::string_view caption, HWND owner = nullptr);
