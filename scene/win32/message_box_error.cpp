#include "scene/win32/message_box_error.h"

#include <windows.h>

#include <string>

void MessageBoxError::show(std::string_view message, std::string_view caption) {
    const std::string text(message);
    const std::string title(caption);
    MessageBoxA(GetFocus(), text.c_str(), title.c_str(), MB_OK);
}
